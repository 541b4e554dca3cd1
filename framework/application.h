// The runtime: start-up, the application object, the event loop and the report of exceptions
// that escape a handler.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "framework/exceptions.h"
#include "framework/menus.h"

namespace fw {

class Application {
 public:
  Application();
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  virtual void Constructor() {}

  // Version data, kept exactly as given.
  void SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion, std::int64_t bugVersion,
                      std::int64_t nonReleaseVersion, std::int64_t stageCode,
                      std::string longVersion, std::string shortVersion, std::string packageInfo);
  std::int64_t MajorVersion() const { return major_; }
  std::int64_t MinorVersion() const { return minor_; }
  std::int64_t BugVersion() const { return bug_; }
  std::int64_t NonReleaseVersion() const { return nonRelease_; }
  std::int64_t StageCode() const { return stage_; }
  const std::string& LongVersion() const { return longVersion_; }
  const std::string& ShortVersion() const { return shortVersion_; }
  const std::string& PackageInfo() const { return packageInfo_; }

  // The application's menu bar; it answers in every window that has none of its own.
  std::shared_ptr<fw::MenuBar> MenuBar() const { return menuBar_; }
  void SetMenuBar(std::shared_ptr<fw::MenuBar> bar);

 private:
  std::int64_t major_ = 0, minor_ = 0, bug_ = 0, nonRelease_ = 0, stage_ = 0;
  std::string longVersion_, shortVersion_, packageInfo_;
  std::shared_ptr<fw::MenuBar> menuBar_;
};

// The application object registered with RuntimeRegisterAppObject, or null.
Application* App();

// Calls fn(arg); gives back null when it raised nothing, the exception when it raised a
// RuntimeException; any other exception goes on to the caller.
using ExceptionHelper = std::exception_ptr (*)(void (*fn)(void*), void* arg);

void RuntimeInit(int& argc, char** argv);
// Makes the framework's and the program's classes known; the program names its own.
void RuntimePerformInitializers();
void RuntimeRegisterClass(const std::string& className);
bool RuntimeClassRegistered(const std::string& className);
void RuntimeSetExceptionHelper(ExceptionHelper helper);
// The framework version the program was built for.
void RuntimeSetBuildVersion(double version);
double RuntimeBuildVersion();
// The program's name, which message boxes and windows without a title of their own show; until
// the program gives one, the executable's file name.
void RuntimeSetProgramName(std::string_view name);
std::string RuntimeProgramName();
void RuntimeInitExternalClasses();
void InitPluginEntrypoints();
void RuntimeRegisterAppObject(std::unique_ptr<Application> app);
// Calls `lateStartup` once, when the framework is ready.
void RunFrameworkInitialization(void (*lateStartup)());
// Runs the event loop until the application quits (at once when Quit was already called).
void RuntimeRun();
// Reports an exception no handler caught: a message box and the text on stderr.
void UnhandledException(const std::exception& e);
void RuntimeBackgroundTask();
void RuntimePerformFinalizers();
// The exit code given to Quit (0 when none was).
int RuntimeExit();

// Runs program code as the framework runs every handler: through the registered exception
// helper; an exception that comes out is reported and the program goes on.
void CallHandler(const std::function<void()>& handler);

// True on the thread that called RuntimeInit.
bool OnMainThread();
// Raises ThreadAccessingUIException off the main thread.
void CheckMainThread();

}  // namespace fw

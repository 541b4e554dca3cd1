// The runtime: the QApplication, the main thread, the application object, the event loop with
// its exit code, and the exception handling every handler call goes through.
//
// Runtime state is allocated once and never destroyed: windows, the application object and the
// QApplication stay alive until the process ends, so nothing touches Qt during static
// destruction.
#include "framework/application.h"

#include <QApplication>
#include <iostream>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "framework/qt_widgets.h"
#include "framework/services.h"

namespace fw {
namespace {

struct Runtime {
  // QApplication keeps references to argc and argv for its whole life.
  int argc = 0;
  std::vector<std::string> args;
  std::vector<char*> argv;
  QApplication* qapp = nullptr;
  bool initialised = false;
  std::thread::id mainThread;

  ExceptionHelper helper = nullptr;
  double buildVersion = 0;
  std::string programName;
  std::set<std::string> classes;
  std::unique_ptr<Application> app;

  bool quitRequested = false;
  int exitCode = 0;
  bool running = false;
};

Runtime& R() {
  static Runtime* runtime = new Runtime;
  return *runtime;
}

// The offscreen platform used by tests and tools says so for every window it cannot raise or
// size-hint; those notes carry nothing and are dropped, everything else goes on.
QtMessageHandler previousMessageHandler = nullptr;
void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) {
    return;
  }
  if (previousMessageHandler != nullptr) previousMessageHandler(type, context, message);
}

// The helper used when the program registered none: the same contract as the program's.
std::exception_ptr DefaultExceptionHelper(void (*fn)(void*), void* arg) {
  try {
    fn(arg);
  } catch (const RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

void CallFunction(void* arg) {
  (*static_cast<const std::function<void()>*>(arg))();
}

}  // namespace

Application::Application() {
  CheckMainThread();
}
Application::~Application() = default;

void Application::SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion,
                                 std::int64_t bugVersion, std::int64_t nonReleaseVersion,
                                 std::int64_t stageCode, std::string longVersion,
                                 std::string shortVersion, std::string packageInfo) {
  major_ = majorVersion;
  minor_ = minorVersion;
  bug_ = bugVersion;
  nonRelease_ = nonReleaseVersion;
  stage_ = stageCode;
  longVersion_ = std::move(longVersion);
  shortVersion_ = std::move(shortVersion);
  packageInfo_ = std::move(packageInfo);
}

void Application::SetMenuBar(std::shared_ptr<fw::MenuBar> bar) {
  CheckMainThread();
  menuBar_ = std::move(bar);
  if (App() == this) detail::ApplicationMenuBarChanged();
}

Application* App() {
  return R().app.get();
}

void RuntimeInit(int& argc, char** argv) {
  Runtime& r = R();
  if (r.initialised) return;
  r.mainThread = std::this_thread::get_id();
  r.initialised = true;
  for (int i = 0; i < argc; ++i) r.args.emplace_back(argv[i]);
  for (std::string& arg : r.args) r.argv.push_back(arg.data());
  r.argv.push_back(nullptr);
  r.argc = argc;
  previousMessageHandler = qInstallMessageHandler(&FilterMessages);
  if (QApplication::instance() == nullptr) r.qapp = new QApplication(r.argc, r.argv.data());
  // Windows come and go under the program's control; only Quit ends the run.
  QApplication::setQuitOnLastWindowClosed(false);
  detail::InstallShortcutFilter();
  detail::InstallFocusFrameStyle();
}

void RuntimePerformInitializers() {
  for (const char* name :
       {"Application", "Window", "MenuItem", "MenuBar", "QuitMenuItem", "AppleMenuItem",
        "TextField", "Label", "PushButton", "CheckBox", "PopupMenu", "GroupBox", "TabPanel",
        "Separator", "Listbox", "Picture"}) {
    RuntimeRegisterClass(name);
  }
}

void RuntimeRegisterClass(const std::string& className) {
  R().classes.insert(className);
}

bool RuntimeClassRegistered(const std::string& className) {
  return R().classes.count(className) != 0;
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
  R().helper = helper;
}
void RuntimeSetBuildVersion(double version) {
  R().buildVersion = version;
}
double RuntimeBuildVersion() {
  return R().buildVersion;
}

void RuntimeSetProgramName(std::string_view name) {
  CheckMainThread();
  R().programName = std::string(name);
  for (Window* window : detail::LiveWindows()) window->Impl().ApplyTitle();
}

std::string RuntimeProgramName() {
  const std::string& name = R().programName;
  if (!name.empty() || QCoreApplication::instance() == nullptr) return name;
  return QCoreApplication::applicationName().toStdString();
}

// The framework's built-in classes are all compiled in; nothing to load.
void RuntimeInitExternalClasses() {
  RuntimeRegisterClass("Picture");
}
// The bevel button is part of this layer rather than a separate plug-in.
void InitPluginEntrypoints() {
  RuntimeRegisterClass("BevelButton");
}

void RuntimeRegisterAppObject(std::unique_ptr<Application> app) {
  R().app = std::move(app);
  detail::ApplicationMenuBarChanged();
}

void RunFrameworkInitialization(void (*lateStartup)()) {
  if (lateStartup != nullptr) lateStartup();
}

void RuntimeRun() {
  Runtime& r = R();
  CheckMainThread();
  if (r.quitRequested || QApplication::instance() == nullptr) return;
  r.running = true;
  const int code = QApplication::exec();
  r.running = false;
  if (!r.quitRequested) {
    // The loop ended without Quit (the system asked the application to end).
    r.quitRequested = true;
    r.exitCode = code;
  }
}

void UnhandledException(const std::exception& e) {
  const auto* runtime = dynamic_cast<const RuntimeException*>(&e);
  const std::string text = std::string("An exception of class ") +
                           (runtime != nullptr ? runtime->ClassName() : "std::exception") +
                           " was not handled: " + e.what();
  std::cerr << text << std::endl;
  try {
    MsgBox(text);
  } catch (const std::exception& shown) {
    std::cerr << "The report could not be shown: " << shown.what() << std::endl;
  }
}

// The event loop does all background work here; a loop that calls this has nothing to wait for.
void RuntimeBackgroundTask() {}

// The application object and the windows stay until the process ends: tests open the
// application again and again in one process.
void RuntimePerformFinalizers() {}

int RuntimeExit() {
  return R().exitCode;
}

void CallHandler(const std::function<void()>& handler) {
  ExceptionHelper helper = R().helper != nullptr ? R().helper : &DefaultExceptionHelper;
  std::exception_ptr raised;
  try {
    raised = helper(&CallFunction, const_cast<void*>(static_cast<const void*>(&handler)));
  } catch (const std::exception& e) {
    UnhandledException(e);
    return;
  } catch (...) {
    UnhandledException(std::runtime_error("an exception that is not a std::exception"));
    return;
  }
  if (!raised) return;
  try {
    std::rethrow_exception(raised);
  } catch (const std::exception& e) {
    UnhandledException(e);
  } catch (...) {
    UnhandledException(std::runtime_error("an exception that is not a std::exception"));
  }
}

bool OnMainThread() {
  const Runtime& r = R();
  return !r.initialised || std::this_thread::get_id() == r.mainThread;
}

void CheckMainThread() {
  if (!OnMainThread()) {
    throw ThreadAccessingUIException(
        "a window, control, menu or message box was used off the main thread");
  }
}

void Quit(int code) {
  Runtime& r = R();
  r.quitRequested = true;
  r.exitCode = code;
  if (r.running) QCoreApplication::exit(code);
}

bool QuitRequested() {
  return R().quitRequested;
}

namespace detail {
void ResetQuitRequest() {
  R().quitRequested = false;
  R().exitCode = 0;
}
}  // namespace detail

}  // namespace fw

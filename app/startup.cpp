#include "app/startup.h"

#include <cstdio>
#include <memory>

#include "app/tessimo.h"
#include "framework/application.h"
#include "framework/exceptions.h"
#include "window/menu.h"
#include "window/window1.h"

namespace {

// The framework version the program was built for.
constexpr double kBuildVersion = 2021.011;
// The program's name, as message boxes and windows without a title of their own show it.
constexpr const char* kProgramName = "Tessimo";

// The program's own classes, made known to the framework under their names.
void PerformInitializers() {
  fw::RuntimePerformInitializers();
  for (const char* name : {"Window1", "Menu", "Author", "Tessimo"}) {
    fw::RuntimeRegisterClass(name);
  }
}

// Main's steps up to the event loop, which runs only when `runLoop` is set. Whatever a step
// raises stops the chain and goes to the framework's report.
void Start(bool runLoop) {
  try {
    fw::RuntimeSetExceptionHelper(CallFunctionWithExceptionHandling);
    fw::RuntimeSetBuildVersion(kBuildVersion);
    fw::RuntimeSetProgramName(kProgramName);
    EarlyStartup();
    fw::RunFrameworkInitialization(LateStartup);
    if (runLoop) fw::RuntimeRun();
  } catch (const std::exception& e) {
    fw::UnhandledException(e);
  } catch (...) {
    fw::UnhandledException(fw::RuntimeException("unknown exception during start-up"));
  }
}

}  // namespace

int TessimoMain(int argc, char** argv) {
  fw::RuntimeInit(argc, argv);
  PerformInitializers();
  // The finalisers run and the exit code is returned however Main ends; an exception leaves
  // Main only when the report of another one failed, and then only stderr is left to tell.
  try {
    Main();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tessimo: %s\n", e.what());
  }
  fw::RuntimePerformFinalizers();
  return fw::RuntimeExit();
}

void Main() {
  Start(true);
}

void OpenApplication() {
  if (!fw::RuntimeClassRegistered("Tessimo")) PerformInitializers();
  Start(false);
}

void EarlyStartup() {
  fw::RuntimeInitExternalClasses();
  fw::InitPluginEntrypoints();
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
}

// The program opens no documents.
void InitFileTypes() {}

void NewAppInstance() {
  auto app = std::make_unique<Tessimo>();
  app->Constructor();
  // Stored exactly as given, although they say 1.3.4 and 1.3.5 where the title says 1.3.6.
  app->SetVersionData(1, 3, 4, 0, 3, "Version 1.3.5", "1.3.5", "Pelvaro");
  app->SetMenuBar(Menu::Instance());
  fw::RuntimeRegisterAppObject(std::move(app));
}

// The application object binds no menu handlers; the main window binds them all.
void ApplicationAddMenuHandlers() {}

void LateStartup() {
  MakeDefaultView();
}

// The framework holds the open window; nothing here keeps it.
void MakeDefaultView() {
  Window1::Instance();
}

std::exception_ptr CallFunctionWithExceptionHandling(void (*fn)(void*), void* arg) {
  try {
    fn(arg);
  } catch (const fw::RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

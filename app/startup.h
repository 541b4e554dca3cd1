// Start-up: the runtime, the application object with its version data and menu bar, the main
// window, the event loop and the exit code.
#pragma once

#include <exception>

// The process entry's work: runtime, initialisers, Main, finalisers; gives the exit status.
int TessimoMain(int argc, char** argv);
// Exception wrapper, build version, early start-up, framework initialisation, event loop.
void Main();
// Main without the event loop: everything up to and including the main window's creation.
// For tools that drive the window themselves (the scenario runner, tests, benchmarks).
void OpenApplication();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();
// Calls fn(arg): null when it raised nothing, the exception when it raised a RuntimeException;
// any other exception goes on to the caller.
std::exception_ptr CallFunctionWithExceptionHandling(void (*fn)(void*), void* arg);

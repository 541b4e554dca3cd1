// tessimo-scenario: opens the real main window offscreen, as start-up does, and plays a script
// of user actions on it, from the file named as the only argument or from standard input.
// Every message box is printed as "msgbox: TEXT" and dismissed at once. Exit status: 0, or 2
// when the script had an error (the rest of the script still runs).
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "app/startup.h"
#include "framework/application.h"
#include "framework/testing.h"
#include "framework/window.h"
#include "tests/scenario/player.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  fw::RuntimeInit(argc, argv);
  if (argc > 2) {
    std::cerr << "usage: " << argv[0] << " [SCRIPT]\n";
    return 2;
  }
  std::ifstream file;
  if (argc == 2) {
    file.open(argv[1]);
    if (!file) {
      std::cerr << "error: cannot open " << argv[1] << '\n';
      return 2;
    }
  }
  std::istream& in = argc == 2 ? static_cast<std::istream&>(file) : std::cin;

  fw::testing::SetMsgBoxObserver(
      [](const std::string& text) { std::cout << "msgbox: " << text << '\n'; });
  fw::testing::SetShowURLObserver(
      [](const std::string& url) { std::cout << "url: " << url << '\n'; });
  // Start-up reports its own exceptions (as a message box, printed above); a main window that
  // did not open is the runner's failure, not an empty script.
  OpenApplication();
  fw::testing::ProcessEvents();
  if (scenario::MainWindow() == nullptr) {
    std::cout << "error: start-up: the main window did not open\n";
    return 2;
  }

  scenario::Player player(std::cout);
  std::string text;
  for (int line = 1; std::getline(in, text) && scenario::MainWindow() != nullptr; ++line) {
    scenario::Command command;
    if (scenario::ParseLine(text, line, command)) player.Run(command);
  }

  for (fw::Window* open : fw::OpenWindows()) open->Close();
  fw::testing::ProcessEvents();
  std::cout.flush();
  return player.Errors() > 0 ? 2 : 0;
}

// Plays scenario scripts on the real main window, one action per line, and prints what the
// script asks to see. The action words and their arguments:
//   set NAME TEXT      set a text field's text from code (no key filter runs)
//   type NAME KEYS     focus a field and press each character of KEYS as a key (a field that
//                      gets the focus gets the insertion point after its text, as from a click)
//   key NAME KEY       focus a control and press Backspace, Delete, Return or Tab in it
//   click NAME         click a push button, bevel button or check box
//   select NAME INDEX  select a row of a pop-up
//   tab INDEX          select a tab of TabPanel1 (its first control takes the focus)
//   menu NAME          choose a menu item ("disabled NAME" when it is not enabled)
//   print NAME...      print NAME=VALUE for text fields, check boxes, pop-ups and list boxes;
//                      the name focus prints focus=NAME, the control that has the keyboard
//                      focus ("focus=" when none has it)
//   dump               print NAME=TEXT for every text field, in creation order
// Lines starting with "#" and blank lines are ignored.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace fw {
class Window;
}

namespace scenario {

// One script line: its action word and everything after the blank that follows it.
struct Command {
  int line = 0;
  std::string action;
  std::string rest;
};

// Splits one line; false for a blank line or a comment.
bool ParseLine(std::string_view text, int lineNumber, Command& command);

// The open main window, or null once it has been closed or the application quit.
fw::Window* MainWindow();

class Player {
 public:
  explicit Player(std::ostream& out) : out_(out) {}

  // Runs one command on the main window and then the events it left pending. A bad command
  // prints "error: ..." and counts as an error; the script goes on.
  void Run(const Command& command);
  int Errors() const { return errors_; }

 private:
  std::ostream& out_;
  int errors_ = 0;
};

}  // namespace scenario

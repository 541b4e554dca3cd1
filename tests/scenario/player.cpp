#include "tests/scenario/player.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "framework/controls.h"
#include "framework/exceptions.h"
#include "framework/services.h"
#include "framework/testing.h"
#include "framework/window.h"
#include "window/window1.h"

namespace scenario {
namespace {

// A mistake in the script itself (unknown action, unknown name, wrong kind of control).
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Context {
  fw::Window& window;
  std::ostream& out;
};

// "NAME TEXT": the first word, and the rest after exactly one blank (possibly empty).
std::pair<std::string, std::string> NameAndText(std::string_view rest) {
  const auto blank = rest.find(' ');
  if (blank == std::string_view::npos) return {std::string(rest), ""};
  return {std::string(rest.substr(0, blank)), std::string(rest.substr(blank + 1))};
}

std::vector<std::string> Words(std::string_view rest) {
  std::vector<std::string> words;
  std::size_t pos = 0;
  while (pos < rest.size()) {
    const auto start = rest.find_first_not_of(" \t", pos);
    if (start == std::string_view::npos) break;
    const auto end = std::min(rest.find_first_of(" \t", start), rest.size());
    words.emplace_back(rest.substr(start, end - start));
    pos = end;
  }
  return words;
}

// Exactly `count` words, or a ScriptError naming what the action wants.
std::vector<std::string> Args(std::string_view rest, std::size_t count, const char* usage) {
  auto words = Words(rest);
  if (words.size() != count) throw ScriptError(std::string("usage: ") + usage);
  return words;
}

std::int64_t Number(const std::string& word) {
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc() || end != word.data() + word.size()) {
    throw ScriptError("not a number: " + word);
  }
  return value;
}

fw::Control& Find(const Context& c, const std::string& name) {
  fw::Control* control = c.window.ControlByName(name);
  if (control == nullptr) throw ScriptError("no control named " + name);
  return *control;
}

template <class C>
C& FindAs(const Context& c, const std::string& name, const char* kind) {
  C* typed = dynamic_cast<C*>(&Find(c, name));
  if (typed == nullptr) throw ScriptError(name + " is not " + kind);
  return *typed;
}

fw::TextField& Field(const Context& c, const std::string& name) {
  return FindAs<fw::TextField>(c, name, "a text field");
}

void Set(const Context& c, const Command& command) {
  auto [name, text] = NameAndText(command.rest);
  if (name.empty()) throw ScriptError("usage: set NAME TEXT");
  Field(c, name).SetText(text);
}

void Type(const Context& c, const Command& command) {
  auto [name, keys] = NameAndText(command.rest);
  if (name.empty()) throw ScriptError("usage: type NAME KEYS");
  fw::testing::TypeKeys(Field(c, name), keys);
}

void Key(const Context& c, const Command& command) {
  static const std::map<std::string, fw::testing::Key, std::less<>> kKeys = {
      {"Backspace", fw::testing::Key::Backspace},
      {"Delete", fw::testing::Key::Delete},
      {"Return", fw::testing::Key::Return},
      {"Tab", fw::testing::Key::Tab}};
  const auto args = Args(command.rest, 2, "key NAME Backspace|Delete|Return|Tab");
  auto& control = FindAs<fw::RectControl>(c, args[0], "a control in the window");
  const auto key = kKeys.find(args[1]);
  if (key == kKeys.end()) throw ScriptError("unknown key " + args[1]);
  fw::testing::PressKey(control, key->second);
}

void Click(const Context& c, const Command& command) {
  const auto args = Args(command.rest, 1, "click NAME");
  fw::testing::Click(FindAs<fw::ActionControl>(c, args[0], "a button or check box"));
}

void Select(const Context& c, const Command& command) {
  const auto args = Args(command.rest, 2, "select NAME INDEX");
  auto& popup = FindAs<fw::PopupMenu>(c, args[0], "a pop-up");
  const std::int64_t row = Number(args[1]);
  if (row < 0 || row >= popup.ListCount()) {
    throw ScriptError(args[0] + " has no row " + args[1]);
  }
  popup.SetListIndex(row);
}

void Tab(const Context& c, const Command& command) {
  const auto args = Args(command.rest, 1, "tab INDEX");
  auto& panel = FindAs<fw::TabPanel>(c, "TabPanel1", "a tab panel");
  const std::int64_t tab = Number(args[0]);
  if (tab < 0 || tab >= panel.TabCount()) throw ScriptError("TabPanel1 has no tab " + args[0]);
  panel.SetValue(tab);
}

void Menu(const Context& c, const Command& command) {
  const auto args = Args(command.rest, 1, "menu NAME");
  const auto bar = c.window.MenuBar();
  if (bar == nullptr || bar->Lookup(args[0]) == nullptr) {
    throw ScriptError("no menu item named " + args[0]);
  }
  if (!fw::testing::ChooseMenuItem(c.window, args[0])) c.out << "disabled " << args[0] << '\n';
}

// The value `print` shows for a control (or for the focus), or a ScriptError when it has none.
std::string Value(const Context& c, const std::string& name) {
  if (name == "focus") return fw::testing::FocusedControl(c.window);
  fw::Control& control = Find(c, name);
  if (auto* field = dynamic_cast<fw::TextField*>(&control)) return field->Text();
  if (auto* box = dynamic_cast<fw::CheckBox*>(&control)) return box->Value() ? "True" : "False";
  if (auto* popup = dynamic_cast<fw::PopupMenu*>(&control)) {
    return std::to_string(popup->ListIndex());
  }
  if (auto* list = dynamic_cast<fw::Listbox*>(&control)) {
    return "rows:" + std::to_string(list->ListCount());
  }
  throw ScriptError(name + " has no value to print");
}

void Print(const Context& c, const Command& command) {
  const auto names = Words(command.rest);
  if (names.empty()) throw ScriptError("usage: print NAME...");
  for (const auto& name : names) {
    const std::string value = Value(c, name);
    c.out << name << '=' << value << '\n';
  }
}

void Dump(const Context& c, const Command& command) {
  Args(command.rest, 0, "dump");
  for (const auto& name : c.window.ControlNames()) {
    if (auto* field = dynamic_cast<fw::TextField*>(c.window.ControlByName(name))) {
      c.out << name << '=' << field->Text() << '\n';
    }
  }
}

using Action = void (*)(const Context&, const Command&);
const std::map<std::string, Action, std::less<>> kActions = {
    {"set", Set}, {"type", Type}, {"key", Key},     {"click", Click}, {"select", Select},
    {"tab", Tab}, {"menu", Menu}, {"print", Print}, {"dump", Dump},
};

}  // namespace

bool ParseLine(std::string_view text, int lineNumber, Command& command) {
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos || text[first] == '#') return false;
  text.remove_prefix(first);
  const auto blank = text.find(' ');
  command.line = lineNumber;
  command.action = std::string(text.substr(0, blank));
  command.rest = blank == std::string_view::npos ? "" : std::string(text.substr(blank + 1));
  return true;
}

fw::Window* MainWindow() {
  if (fw::QuitRequested()) return nullptr;
  return fw::GetImplicitWindow(Window1::kClassName);
}

void Player::Run(const Command& command) {
  try {
    fw::Window* window = MainWindow();
    if (window == nullptr) throw ScriptError("the main window is closed");
    const auto action = kActions.find(command.action);
    if (action == kActions.end()) throw ScriptError("unknown action " + command.action);
    action->second(Context{*window, out_}, command);
    fw::testing::ProcessEvents();
  } catch (const ScriptError& e) {
    ++errors_;
    out_ << "error: line " << command.line << ": " << e.what() << '\n';
  } catch (const fw::RuntimeException& e) {
    ++errors_;
    out_ << "error: line " << command.line << ": " << e.ClassName() << ": " << e.what() << '\n';
  }
}

}  // namespace scenario

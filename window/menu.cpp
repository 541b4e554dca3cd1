#include "window/menu.h"

#include <optional>
#include <string>
#include <string_view>

#include "framework/exceptions.h"

namespace {

// One item's row in the menu tables below: name, auto-enable, caption and shortcut. Everything is
// set before the item joins the tree. An item without a shortcut (std::nullopt) never has one
// assigned, which is not the same as the empty shortcut.
struct ItemRow {
  std::string_view name;
  bool autoEnabled;
  std::string_view text;
  std::optional<std::string_view> shortcut;
};

template <class T>
std::unique_ptr<fw::MenuItem> MakeItem(const ItemRow& row) {
  std::unique_ptr<fw::MenuItem> item = std::make_unique<T>();
  item->SetName(row.name);
  item->SetAutoEnabled(row.autoEnabled);
  item->SetText(row.text);
  item->SetVisible(true);
  if (row.shortcut) item->SetShortcut(*row.shortcut);
  return item;
}

// Appends an item to the top-level menu `parentName`, looked up on the bar for every item.
template <class T = fw::MenuItem>
void AddToMenu(fw::MenuBar& bar, std::string_view parentName, const ItemRow& row) {
  std::unique_ptr<fw::MenuItem> item = MakeItem<T>(row);
  fw::MenuItem* parent = bar.Child(parentName);
  if (parent == nullptr) throw fw::NilObjectException("no menu " + std::string(parentName));
  parent->AddMenu(std::move(item));
}

}  // namespace

std::shared_ptr<Menu> Menu::Instance() {
  static std::shared_ptr<Menu> instance;
  if (instance == nullptr) {
    auto built = std::make_shared<Menu>();
    built->Constructor();
    instance = built;
  }
  return instance;
}

void Menu::Constructor() {
  Untitled0();
  Untitled1();
  Untitled2();
  Untitled3();
}

// An empty top-level menu before File.
void Menu::Untitled0() {
  AddMenu(MakeItem<fw::MenuItem>({"UntitledMenu3", false, "", ""}));
}

void Menu::Untitled1() {
  AddMenu(MakeItem<fw::MenuItem>({"UntitledMenu2", false, "File", ""}));
  AddToMenu(*this, "UntitledMenu2", {"FileClose", false, "Close", "Cmd+W"});
  AddToMenu(*this, "UntitledMenu2", {"FileConversions", false, "Decimal Conversions...", "Cmd+D"});
  AddToMenu(*this, "UntitledMenu2", {"FileReset", false, "Reset", "Cmd+R"});
  AddToMenu<fw::QuitMenuItem>(*this, "UntitledMenu2", {"FileQuit", true, "Quit", "Cmd+Q"});
  AddToMenu(*this, "UntitledMenu2", {"UntitledMenu7", false, "", ""});
}

void Menu::Untitled2() {
  AddMenu(MakeItem<fw::MenuItem>({"UntitledMenu0", false, "Edit", ""}));
  AddToMenu(*this, "UntitledMenu0", {"EditUndo", false, "Undo", "Cmd+Z"});
  AddToMenu(*this, "UntitledMenu0", {"UntitledMenu1", false, "-", std::nullopt});
  AddToMenu(*this, "UntitledMenu0", {"EditCut", false, "Cut", "Cmd+X"});
  AddToMenu(*this, "UntitledMenu0", {"EditCopy", false, "Copy", "Cmd+C"});
  AddToMenu(*this, "UntitledMenu0", {"EditPaste", false, "Paste", "Cmd+V"});
  AddToMenu(*this, "UntitledMenu0", {"EditClear", false, "Clear", ""});
  AddToMenu(*this, "UntitledMenu0", {"UntitledMenu6", false, "", ""});
  AddToMenu<fw::AppleMenuItem>(*this, "UntitledMenu0", {"fraction", false, "About Tessimo...", ""});
  AddToMenu<fw::AppleMenuItem>(*this, "UntitledMenu0", {"UntitledMenu5", false, "", ""});
}

// An empty top-level menu after Edit.
void Menu::Untitled3() {
  AddMenu(MakeItem<fw::MenuItem>({"UntitledMenu4", false, "", ""}));
}

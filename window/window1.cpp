// The main window: its single instance, its construction hooks, its menu items and commands, and
// its window events.
#include "window/window1.h"

#include "framework/services.h"
#include "window/author.h"
#include "window/create_control.h"
#include "window/menu.h"
#include "window/records.h"

namespace {

// A document window of fixed size. Its record asks for a maximise button, but the framework asks
// the window manager for none on a window that cannot be resized; its background colour is
// carried but not used.
const window::WindowLook kMainWindowLook{395, 362, "Tessimo 1.3.6", true, 2, 0xD1D1D1};

template <class T = fw::MenuItem>
T& Item(const Window1& window, std::string_view name) {
  return fw::LookupAs<T>(window.MenuBar().get(), name);
}

}  // namespace

Window1& Window1::Instance() {
  return window::ImplicitInstance<Window1>();
}

void Window1::Layout() {
  SetMenuBar(Menu::Instance());
  SetProperties(window::WindowRecord(kMainWindowLook).Bytes());
}

void Window1::CreateControls() {
  CreateControls0();
  CreateControls1();
}

void Window1::AddMenuHandlers() {
  AddMenuHandler("fraction", [this] { return fraction_Action(); });
  AddMenuHandler("FileReset", [this] { return FileReset_Action(); });
  AddMenuHandler("EditUndo", [this] { return EditUndo_Action(); });
}

// Closing the main window ends the program.
void Window1::Event_Close() {
  fw::Quit(0);
}

// About, Reset and Undo are always available; the program enables nothing else.
void Window1::Event_EnableMenuItems() {
  fraction().SetEnabled(true);
  FileReset().SetEnabled(true);
  EditUndo().SetEnabled(true);
}

bool Window1::fraction_Action() {
  Author::Instance().Show();
  return false;
}

bool Window1::FileReset_Action() {
  ClearCalculatorTab();
  return false;
}

fw::MenuItem& Window1::UntitledMenu4() const {
  return Item(*this, "UntitledMenu4");
}
fw::MenuItem& Window1::UntitledMenu0() const {
  return Item(*this, "UntitledMenu0");
}
fw::AppleMenuItem& Window1::UntitledMenu5() const {
  return Item<fw::AppleMenuItem>(*this, "UntitledMenu5");
}
fw::AppleMenuItem& Window1::fraction() const {
  return Item<fw::AppleMenuItem>(*this, "fraction");
}
fw::MenuItem& Window1::UntitledMenu6() const {
  return Item(*this, "UntitledMenu6");
}
fw::MenuItem& Window1::EditClear() const {
  return Item(*this, "EditClear");
}
fw::MenuItem& Window1::EditPaste() const {
  return Item(*this, "EditPaste");
}
fw::MenuItem& Window1::EditCopy() const {
  return Item(*this, "EditCopy");
}
fw::MenuItem& Window1::EditCut() const {
  return Item(*this, "EditCut");
}
fw::MenuItem& Window1::UntitledMenu1() const {
  return Item(*this, "UntitledMenu1");
}
fw::MenuItem& Window1::EditUndo() const {
  return Item(*this, "EditUndo");
}
fw::MenuItem& Window1::UntitledMenu2() const {
  return Item(*this, "UntitledMenu2");
}
fw::MenuItem& Window1::UntitledMenu7() const {
  return Item(*this, "UntitledMenu7");
}
fw::QuitMenuItem& Window1::FileQuit() const {
  return Item<fw::QuitMenuItem>(*this, "FileQuit");
}
fw::MenuItem& Window1::FileReset() const {
  return Item(*this, "FileReset");
}
fw::MenuItem& Window1::FileConversions() const {
  return Item(*this, "FileConversions");
}
fw::MenuItem& Window1::FileClose() const {
  return Item(*this, "FileClose");
}
fw::MenuItem& Window1::UntitledMenu3() const {
  return Item(*this, "UntitledMenu3");
}

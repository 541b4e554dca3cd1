// Hooks for tests, the scenario runner, benchmarks and fuzzers: they drive the real widgets as a
// person would and never wait for one. A library of their own (tessimo_framework_testing) that
// the program never links.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/controls.h"
#include "framework/window.h"

namespace fw::testing {

// While set, a message box calls the observer with its text and is dismissed at once instead
// of being shown. Pass nullptr to show message boxes again.
void SetMsgBoxObserver(std::function<void(const std::string&)> observer);
// The title of the last message box the observer was given ("" before the first).
std::string LastMsgBoxTitle();
// While set, ShowURL calls the observer instead of asking the system.
void SetShowURLObserver(std::function<void(const std::string&)> observer);
// Makes Picture::OpenFromApp give none for `name`, as if the resource were missing.
void HidePicture(std::string_view name);

// Gives `control` the keyboard focus and presses each character of `keys` (UTF-8) as a key,
// press and release, through the toolkit: key filters run before each key. A text field that gets
// the focus here gets the insertion point after its text, as a click after the text gives it;
// PressKey and PressShortcut do the same.
void TypeKeys(Control& control, std::string_view keys);
// Presses each character of `keys` with the window active, as typed on the keyboard: the keys go
// to whichever control has the focus (to none when no control has it).
void TypeKeys(Window& window, std::string_view keys);
enum class Key { Backspace, Delete, Return, Tab };
// Gives `control` the focus and presses one special key.
void PressKey(Control& control, Key key);
// Clicks a push button, bevel button or check box as a person would (a check box toggles).
void Click(Control& control);
// Clicks the tab `tab` (from 0) of a tab panel with the mouse, as a person would.
void ClickTab(TabPanel& panel, int tab);
// Chooses the menu item `name` of the window's menu bar as a person would: the menus are
// brought up to date first; gives false, and does nothing, when the item is not enabled.
bool ChooseMenuItem(Window& window, std::string_view name);
// Whether `control` has the keyboard focus.
bool HasFocus(const Control& control);
// The name of the control that has the window's keyboard focus ("" when none has it).
std::string FocusedControl(const Window& window);
// Whether `control` is shown on screen (its window open, its tab selected).
bool IsShown(const Control& control);
// Runs pending events (deferred closes, posted events).
void ProcessEvents();

// What the window's menu bar shows: one entry per visible item, depth first, with its caption as
// it reads ("-" for a separator), the letter the caption underlines as its access key ("" for
// none), the key sequence of its shortcut in portable text ("Ctrl+Z", "" for none), its depth (1
// for top-level menus) and whether it is enabled.
struct ShownMenuItem {
  std::string name;
  std::string caption;
  std::string accessKey;
  std::string keys;
  int depth = 0;
  bool enabled = false;
};
std::vector<ShownMenuItem> ShownMenu(Window& window);
// The name of the menu that is open (dropped down from a menu bar), "" when none is.
std::string OpenMenu();
// Closes the open menus, as a click beside them does.
void CloseMenus();

// Renders the window (menu bar and content) into a PNG file; false when it could not be written.
bool RenderToPng(Window& window, const std::string& path);
// The control as it is drawn now, pixel by pixel.
struct Drawing {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, row by row
  bool operator==(const Drawing&) const = default;
};
Drawing Draw(const Control& control);
// The part of a text field's text that it shows, as drawn now: from the first character in view
// to the last.
std::string ShownText(const TextField& field);

// Gives `control` the focus and presses one key combination in portable text ("Ctrl+Z", "Alt+F")
// with its window active, as a person would: menu shortcuts and access keys take it before the
// control does, and the control gets the text a keyboard sends with it.
void PressShortcut(Control& control, std::string_view keys);
// Where the control's widget is, in window content coordinates ({0,0,0,0} when it has none).
struct Geometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Geometry&) const = default;
};
Geometry ShownGeometry(const Control& control);
// Where the window stands on its screen, and the screen's available area, in screen coordinates.
struct ScreenPlacement {
  Geometry frame;
  Geometry screen;
};
ScreenPlacement ShownScreenPlacement(const Window& window);
// Moves the window's frame to (left, top) of the screen, as dragging its title bar does.
void MoveWindow(Window& window, int left, int top);
// The buttons the window's title bar offers.
struct TitleBarButtons {
  bool close = false;
  bool minimize = false;
  bool maximize = false;
  bool operator==(const TitleBarButtons&) const = default;
};
TitleBarButtons ShownTitleBarButtons(const Window& window);
// The window that `window` belongs to for the system (its transient parent), or null.
Window* ShownOwner(const Window& window);
// The name of the control a click at (x, y) of the window's content would reach ("" for none).
std::string ControlAt(const Window& window, int x, int y);
// Forgets an earlier Quit, so the next RuntimeRun runs the event loop again.
void ResetQuit();

}  // namespace fw::testing

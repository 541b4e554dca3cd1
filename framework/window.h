// Windows: a top-level with an optional menu bar above a fixed content area of the window's
// Width x Height. A window keeps a registry of its controls by name; handlers reach every control
// through it. Every operation raises ThreadAccessingUIException off the main thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/controls.h"
#include "framework/exceptions.h"
#include "framework/menus.h"
#include "framework/property_record.h"

namespace fw {

struct WindowImpl;

class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // The class name under which the open window is registered as its class's implicit
  // instance ("Window1.Window1").
  virtual const char* ClassName() const = 0;
  // Builds the window: runs Layout, CreateControls and AddMenuHandlers, registers the window
  // as its class's implicit instance and shows it when its record set Visible. Exceptions of
  // the hooks pass on to the caller.
  void Constructor();

  // Shows the window (not modal; returns at once) and brings it to the front.
  void Show();
  // Closes the window as the user's close button does: raises Close, then the window goes.
  void Close();
  bool IsOpen() const;
  bool IsVisible() const;

  std::shared_ptr<fw::MenuBar> MenuBar() const;
  void SetMenuBar(std::shared_ptr<fw::MenuBar> bar);

  // The window's own record and what it set.
  void SetProperties(std::string_view record);
  static const PropertyTypes& DeclaredProperties();
  const PropertyValues& Properties() const;
  // What the title bar shows: the record's title, or the program's name when it set none.
  std::string Title() const;

  // Controls: create one for this window, register it under its name, find it by name.
  template <class C>
  std::unique_ptr<C> New() {
    return std::make_unique<C>(*this);
  }
  void AddControl(std::string_view name, std::unique_ptr<Control> control);
  // The control registered under `name`, or null.
  Control* ControlByName(std::string_view name) const;
  // The control registered under `name` as a C: NilObjectException when there is none,
  // IllegalCastException when it is of another class.
  template <class C>
  C& ControlAs(std::string_view name) const;
  // Registered names, in registration order.
  std::vector<std::string> ControlNames() const;

  // Event bindings: the handler runs as a method of this window with the control whose event
  // fired. Every handler call goes through the framework's exception handling.
  template <class W, class C>
  void AddEventHandler(C& control, void (W::*handler)(C&));
  template <class W>
  void AddEventHandler(TextField& control, bool (W::*handler)(TextField&, const std::string&));

  // Binds a menu item name to a handler of this window; choosing the item while this window is
  // the front window calls it.
  void AddMenuHandler(std::string_view itemName, std::function<bool()> handler);
  // Runs the handler bound to `itemName`; false when none is bound.
  bool RunMenuHandler(std::string_view itemName);

  // Brings the menus up to date: items with automatic enabling become enabled, the others
  // disabled, then the window's EnableMenuItems event runs. A window without a menu bar of its
  // own shows none, but answers the shortcuts of the application's menu bar; its update brings
  // that bar up to date.
  void UpdateMenus();

  WindowImpl& Impl() const { return *impl_; }

 protected:
  // Hooks the framework calls while it builds the window.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers() {}
  // Window events.
  virtual void Event_Close() {}
  virtual void Event_EnableMenuItems() {}

 private:
  friend struct WindowImpl;
  std::unique_ptr<WindowImpl> impl_;
};

// The open window registered as the implicit instance of `className`, or null.
Window* GetImplicitWindow(std::string_view className);
// Creates a window object the framework holds while it is open; the caller runs Constructor.
template <class W>
W& NewWindow();
// `window` as a W: NilObjectException for null, IllegalCastException for another class.
template <class W>
W& WindowAs(Window* window);

// Open windows, front first.
std::vector<Window*> OpenWindows();

}  // namespace fw

#include "framework/window_inl.h"

// Menu trees. A tree is plain data (names, captions, shortcut texts, flags); each window that
// shows a menu bar presents the tree it is given. Every operation raises
// ThreadAccessingUIException off the main thread.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class MenuItem {
 public:
  MenuItem();
  virtual ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  virtual const char* ClassName() const { return "MenuItem"; }

  const std::string& Name() const;
  void SetName(std::string_view name);
  // The caption. An empty caption is not shown; "-" is shown as a separator.
  const std::string& Text() const;
  void SetText(std::string_view text);
  // "Cmd+X" style text, kept as given; on this platform it means Ctrl+X. "" is no shortcut.
  const std::string& Shortcut() const;
  void SetShortcut(std::string_view shortcut);
  // Whether SetShortcut was ever called on this item.
  bool ShortcutAssigned() const;
  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  // Items with automatic enabling are enabled by the framework at every menu update.
  bool AutoEnabled() const;
  void SetAutoEnabled(bool autoEnabled);

  // Appends `item` as the last child; this item owns it from then on.
  void AddMenu(std::unique_ptr<MenuItem> item);
  // The direct child of that name, or null.
  MenuItem* Child(std::string_view name) const;
  // This item or any item below it with that name, depth first, or null.
  MenuItem* Lookup(std::string_view name);
  std::size_t Count() const;
  MenuItem* Item(std::size_t index) const;
  MenuItem* Parent() const;

  // What choosing the item does when no window handler is bound to its name.
  virtual void DefaultAction() {}

 private:
  struct Data;
  std::unique_ptr<Data> data_;
};

// The framework's quit item: choosing it quits the application with exit code 0.
class QuitMenuItem : public MenuItem {
 public:
  const char* ClassName() const override { return "QuitMenuItem"; }
  void DefaultAction() override;
};

// An item meant for the application menu.
class AppleMenuItem : public MenuItem {
 public:
  const char* ClassName() const override { return "AppleMenuItem"; }
};

// The root of a tree: its children are the top-level menus.
class MenuBar : public MenuItem {
 public:
  const char* ClassName() const override { return "MenuBar"; }
};

// Finds `name` in `root`'s tree and converts it to T: NilObjectException when there is no such
// item, IllegalCastException when it is of another class.
template <class T>
T& LookupAs(MenuItem* root, std::string_view name);

}  // namespace fw

#include "framework/menus_inl.h"

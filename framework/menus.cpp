// The menu tree as plain data. Windows that show the tree are told of each change so what the
// menu bar shows stays the tree's state.
#include "framework/menus.h"

#include "framework/application.h"
#include "framework/qt_widgets.h"
#include "framework/services.h"

namespace fw {

struct MenuItem::Data {
  std::string name;
  std::string text;
  std::string shortcut;
  bool shortcutAssigned = false;
  bool visible = true;
  bool enabled = false;  // until the first menu update or SetEnabled
  bool autoEnabled = false;
  std::vector<std::unique_ptr<MenuItem>> children;
  MenuItem* parent = nullptr;
};

MenuItem::MenuItem() : data_(std::make_unique<Data>()) {
  CheckMainThread();
}

MenuItem::~MenuItem() = default;

const std::string& MenuItem::Name() const {
  CheckMainThread();
  return data_->name;
}

void MenuItem::SetName(std::string_view name) {
  CheckMainThread();
  data_->name = std::string(name);
}

const std::string& MenuItem::Text() const {
  CheckMainThread();
  return data_->text;
}

void MenuItem::SetText(std::string_view text) {
  CheckMainThread();
  if (data_->text == text) return;
  data_->text = std::string(text);
  detail::MenuItemChanged(*this, true);
}

const std::string& MenuItem::Shortcut() const {
  CheckMainThread();
  return data_->shortcut;
}

void MenuItem::SetShortcut(std::string_view shortcut) {
  CheckMainThread();
  data_->shortcutAssigned = true;
  if (data_->shortcut == shortcut) return;
  data_->shortcut = std::string(shortcut);
  detail::MenuItemChanged(*this, true);
}

bool MenuItem::ShortcutAssigned() const {
  CheckMainThread();
  return data_->shortcutAssigned;
}

bool MenuItem::Visible() const {
  CheckMainThread();
  return data_->visible;
}

void MenuItem::SetVisible(bool visible) {
  CheckMainThread();
  if (data_->visible == visible) return;
  data_->visible = visible;
  detail::MenuItemChanged(*this, false);
}

bool MenuItem::Enabled() const {
  CheckMainThread();
  return data_->enabled;
}

void MenuItem::SetEnabled(bool enabled) {
  CheckMainThread();
  if (data_->enabled == enabled) return;
  data_->enabled = enabled;
  detail::MenuItemChanged(*this, false);
}

bool MenuItem::AutoEnabled() const {
  CheckMainThread();
  return data_->autoEnabled;
}

void MenuItem::SetAutoEnabled(bool autoEnabled) {
  CheckMainThread();
  data_->autoEnabled = autoEnabled;
}

void MenuItem::AddMenu(std::unique_ptr<MenuItem> item) {
  CheckMainThread();
  if (item == nullptr) throw NilObjectException("no menu item to add to " + data_->name);
  item->data_->parent = this;
  data_->children.push_back(std::move(item));
  detail::MenuItemChanged(*this, true);
}

MenuItem* MenuItem::Child(std::string_view name) const {
  CheckMainThread();
  for (const auto& child : data_->children) {
    if (child->data_->name == name) return child.get();
  }
  return nullptr;
}

MenuItem* MenuItem::Lookup(std::string_view name) {
  CheckMainThread();
  if (data_->name == name) return this;
  for (const auto& child : data_->children) {
    if (MenuItem* found = child->Lookup(name)) return found;
  }
  return nullptr;
}

std::size_t MenuItem::Count() const {
  CheckMainThread();
  return data_->children.size();
}

MenuItem* MenuItem::Item(std::size_t index) const {
  CheckMainThread();
  if (index >= data_->children.size()) {
    throw OutOfBoundsException("item " + std::to_string(index) + " of menu " + data_->name + " (" +
                               std::to_string(data_->children.size()) + " items)");
  }
  return data_->children[index].get();
}

MenuItem* MenuItem::Parent() const {
  CheckMainThread();
  return data_->parent;
}

void QuitMenuItem::DefaultAction() {
  Quit(0);
}

}  // namespace fw

// How a window shows its menu tree: a QMenuBar built from the tree, kept in step with the items'
// states, with "Cmd+X" shortcuts as Ctrl+X and an access letter on every caption (Alt+F opens
// File); a window without a menu tree of its own answers the shortcuts of the application's.
// Choosing an item runs the window's handler bound to the item's name, or else the item's own
// action.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "framework/application.h"
#include "framework/qt_widgets.h"

namespace fw {
namespace {

// While a shown item's shortcut is enabled, its key goes to the menu even when the focused
// control (a text field's own undo, say) would take it.
class ShortcutFilter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    // The focused widget gets the event first; its parents see it again after it.
    QWidget* focus = widget->window()->focusWidget();
    if (widget != focus && !(focus == nullptr && widget->isWindow())) return false;
    Window* window = detail::WindowOfWidget(widget);
    if (window == nullptr) return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    WindowImpl& impl = window->Impl();
    for (const auto& entry : impl.menuActions) {
      if (entry.opens || entry.action == nullptr || entry.action->shortcut() != pressed) continue;
      MenuItem* item = entry.item;
      window->UpdateMenus();
      if (!item->Enabled()) return false;
      event->ignore();
      return true;
    }
    return false;
  }
};

// The caption a menu shows for an item's text: the text as it is, with the first letter or digit
// that starts a word, or else any letter or digit, not yet `taken` by an earlier caption of the
// same menu made its access letter, as desktops on this platform expect. The item's text itself
// stays as it is; an '&' in it is shown as an '&'.
QString MenuCaption(const std::string& text, QString& taken) {
  const QString plain = QString::fromStdString(text);
  auto free = [&](qsizetype i) {
    return plain[i].isLetterOrNumber() && !taken.contains(plain[i].toLower());
  };
  qsizetype access = -1;
  for (qsizetype i = 0; i < plain.size() && access < 0; ++i) {
    if (free(i) && (i == 0 || !plain[i - 1].isLetterOrNumber())) access = i;
  }
  for (qsizetype i = 0; i < plain.size() && access < 0; ++i) {
    if (free(i)) access = i;
  }
  QString caption;
  for (qsizetype i = 0; i < plain.size(); ++i) {
    if (i == access) caption += QLatin1Char('&');
    caption += plain[i];
    if (plain[i] == QLatin1Char('&')) caption += QLatin1Char('&');
  }
  if (access >= 0) taken += plain[access].toLower();
  return caption;
}

// Makes `action` carry out `item` in `owner` when chosen or when its shortcut is pressed.
void BindItem(QAction& action, Window& owner, MenuItem& item) {
  action.setShortcut(
      QKeySequence::fromString(QString::fromStdString(detail::PortableShortcut(item.Shortcut())),
                               QKeySequence::PortableText));
  QObject::connect(&action, &QAction::triggered, &action,
                   [&owner, &item] { detail::CarryOutMenuItem(owner, item); });
}

}  // namespace

std::shared_ptr<MenuBar> WindowImpl::ServedMenuBar() const {
  if (menuBar != nullptr) return menuBar;
  const Application* app = App();
  return app != nullptr ? app->MenuBar() : nullptr;
}

void WindowImpl::BuildMenuView() {
  menuActions.clear();
  menuViewDirty = false;
  delete menuKeys.data();
  if (menuBar == nullptr) {
    if (menuView != nullptr) top->setMenuBar(nullptr);
    menuView = nullptr;
    BuildMenuKeys();
    return;
  }
  auto* view = new QMenuBar(top);
  view->setNativeMenuBar(false);
  Window* owner = window;
  // Adds the shown children of `parent` to the bar (top level) or to `menu`.
  std::function<void(QMenu*, MenuItem&)> add = [&](QMenu* menu, MenuItem& parent) {
    QString taken;  // the access letters of this menu
    for (std::size_t i = 0; i < parent.Count(); ++i) {
      MenuItem* item = parent.Item(i);
      const std::string& text = item->Text();
      if (text.empty()) continue;
      QAction* action = nullptr;
      bool opens = false;
      if (menu == nullptr || item->Count() > 0) {
        const QString caption = MenuCaption(text, taken);
        QMenu* sub = menu == nullptr ? view->addMenu(caption) : menu->addMenu(caption);
        QObject::connect(sub, &QMenu::aboutToShow, sub, [owner] { owner->UpdateMenus(); });
        action = sub->menuAction();
        opens = true;
        add(sub, *item);
      } else if (text == "-") {
        action = menu->addSeparator();
      } else {
        action = menu->addAction(MenuCaption(text, taken));
        BindItem(*action, *owner, *item);
      }
      action->setObjectName(QString::fromStdString(item->Name()));
      menuActions.push_back({action, item, opens});
    }
  };
  add(nullptr, *menuBar);
  top->setMenuBar(view);
  menuView = view;
  SyncMenuView();
}

// The window shows no menu bar, yet the application's menu bar answers its keys: every item
// that a menu bar would show with a shortcut gets an action of the window, shown nowhere.
void WindowImpl::BuildMenuKeys() {
  const std::shared_ptr<MenuBar> served = ServedMenuBar();
  if (served == nullptr) return;
  menuKeys = new QObject(top);
  std::function<void(MenuItem&, bool)> add = [&](MenuItem& parent, bool topLevel) {
    for (std::size_t i = 0; i < parent.Count(); ++i) {
      MenuItem* item = parent.Item(i);
      if (item->Text().empty()) continue;
      if (topLevel || item->Count() > 0) {
        add(*item, false);
      } else if (item->Text() != "-" && !item->Shortcut().empty()) {
        auto* action = new QAction(menuKeys);
        action->setObjectName(QString::fromStdString(item->Name()));
        BindItem(*action, *window, *item);
        top->addAction(action);
        menuActions.push_back({action, item, false});
      }
    }
  };
  add(*served, true);
  SyncMenuView();
}

void WindowImpl::SyncMenuView() {
  for (const auto& entry : menuActions) {
    if (entry.action == nullptr) continue;
    entry.action->setVisible(entry.item->Visible());
    // Menus always open; their items carry the enabled states.
    if (!entry.opens) entry.action->setEnabled(entry.item->Enabled());
  }
}

void WindowImpl::ScheduleMenuRebuild() {
  menuViewDirty = true;
  if (rebuildQueued || top == nullptr) return;
  rebuildQueued = true;
  QMetaObject::invokeMethod(
      top,
      [this] {
        rebuildQueued = false;
        if (menuViewDirty) BuildMenuView();
      },
      Qt::QueuedConnection);
}

namespace detail {

std::string PortableShortcut(std::string_view shortcut) {
  if (shortcut.empty()) return {};
  std::string result;
  std::size_t start = 0;
  bool modified = false;
  for (;;) {
    const std::size_t plus = shortcut.find('+', start + 1);  // "Cmd++" keeps its '+'
    if (plus == std::string_view::npos) break;
    const std::string_view token = shortcut.substr(start, plus - start);
    if (token == "Cmd" || token == "Command" || token == "Ctrl" || token == "Control") {
      result += "Ctrl+";
    } else if (token == "Option" || token == "Alt") {
      result += "Alt+";
    } else {
      result += std::string(token) + "+";
    }
    modified = true;
    start = plus + 1;
  }
  // A bare key means the command key with it.
  if (!modified) result = "Ctrl+";
  result += std::string(shortcut.substr(start));
  return result;
}

void CarryOutMenuItem(Window& window, MenuItem& item) {
  if (!window.RunMenuHandler(item.Name())) CallHandler([&item] { item.DefaultAction(); });
}

void MenuItemChanged(MenuItem& item, bool shape) {
  MenuItem* root = &item;
  while (root->Parent() != nullptr) root = root->Parent();
  for (Window* window : LiveWindows()) {
    WindowImpl& impl = window->Impl();
    if (impl.ServedMenuBar().get() != root) continue;
    if (impl.menuView == nullptr && impl.menuKeys == nullptr) continue;
    if (shape) {
      impl.ScheduleMenuRebuild();
    } else {
      impl.SyncMenuView();
    }
  }
}

void ApplicationMenuBarChanged() {
  for (Window* window : LiveWindows()) {
    WindowImpl& impl = window->Impl();
    if (impl.menuBar == nullptr && (impl.open || impl.menuKeys != nullptr)) impl.BuildMenuView();
  }
}

void InstallShortcutFilter() {
  static ShortcutFilter* filter = nullptr;
  if (filter != nullptr || QApplication::instance() == nullptr) return;
  filter = new ShortcutFilter;
  QApplication::instance()->installEventFilter(filter);
}

}  // namespace detail
}  // namespace fw

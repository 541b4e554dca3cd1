// The Qt side of the framework layer: what a control, a window and a picture are made of, and
// the framework-internal calls between the parts of the layer. Only framework/ includes this.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/controls.h"
#include "framework/menus.h"
#include "framework/property_record.h"
#include "framework/window.h"

class QAction;
class QMenuBar;
class QMenu;

namespace fw {

// Qt-side state of one control. Subclasses (one per control class) create the widget and give
// the class's own properties their effect.
struct ControlImpl {
  explicit ControlImpl(Window& owner);
  virtual ~ControlImpl();
  ControlImpl(const ControlImpl&) = delete;
  ControlImpl& operator=(const ControlImpl&) = delete;

  // Called once the Control object exists.
  virtual void Attach() {}
  // Gives effect to the class's own properties; `changed` holds what the record just set,
  // `props` everything set so far.
  virtual void Apply(const PropertyValues& changed) { (void)changed; }
  // Containers: the widget that holds the children placed on `page` (the TabPanelIndex),
  // and that widget's top-left corner in window content coordinates.
  virtual QWidget* ChildArea(std::int64_t page);
  virtual QPoint ChildOrigin(std::int64_t page) const;
  // The widget the user sees for the control; null for a store that is never shown.
  virtual QWidget* ShownWidget() const { return widget; }
  // A frame drawn around controls created before it (a group box) stays behind its siblings,
  // so clicks inside it still reach them.
  virtual bool StaysBehindSiblings() const { return false; }

  // Puts the widget into its parent at its window coordinates, as the properties say.
  void Place();
  std::int64_t IntProp(std::string_view name, std::int64_t fallback) const;
  bool BoolProp(std::string_view name, bool fallback) const;
  std::string StringProp(std::string_view name) const;
  // Runs the Action handlers, each through the framework's exception handling.
  void RunActions();

  Window* window;
  Control* control = nullptr;
  std::string name;
  PropertyValues props;
  QPointer<QWidget> widget;  // owned; null for a list that is never shown
  bool placed = false;
  std::vector<std::function<void()>> actions;
};

class TopLevel;

// Qt-side state of one window.
struct WindowImpl {
  explicit WindowImpl(Window& owner);
  ~WindowImpl();
  WindowImpl(const WindowImpl&) = delete;
  WindowImpl& operator=(const WindowImpl&) = delete;

  // The menu bar whose commands the window answers: its own, or else the application's.
  std::shared_ptr<MenuBar> ServedMenuBar() const;
  // Rebuilds the QMenuBar from the window's own menu tree; a window without one gets no bar but
  // the shortcuts of the application's menu bar (its menu keys).
  void BuildMenuView();
  void BuildMenuKeys();
  // Mirrors the items' enabled and visible states into the QActions.
  void SyncMenuView();
  // Rebuilds the menu bar later, from the event loop (the tree changed shape).
  void ScheduleMenuRebuild();
  // The window's default push button when it is shown and enabled, else null.
  PushButton* ShownDefaultButton() const;
  // Presses the default button; false when there is none to press.
  bool PressDefaultButton();
  // Moves the window to where its DefaultLocation asks, before it is first shown.
  void PlaceOnScreen();
  // Ties the window to the one it belongs to, as the system's transient parent.
  void StayWithOpener();
  // The widgets that take the keyboard focus, in the order of the controls' TabIndex.
  std::vector<QWidget*> FocusOrder() const;
  // Makes Tab move the focus in FocusOrder.
  void OrderFocus();
  // Gives the focus to the first control in tab order that Tab reaches and that is shown, within
  // `area` (a tab page) or anywhere in the window when it is null.
  void FocusFirstControl(const QWidget* area = nullptr);
  void ApplyWindowProperties(const PropertyValues& changed);
  // Shows the record's title, or the program's name when the window has none of its own.
  void ApplyTitle();

  Window* window;
  QPointer<TopLevel> top;  // owned
  // The window in front when this one was built: this one belongs to it, as a dialog does.
  QPointer<TopLevel> opener;
  QPointer<QWidget> content;
  PropertyValues props;
  std::vector<std::unique_ptr<Control>> controls;  // in registration order
  std::map<std::string, Control*, std::less<>> byName;
  std::map<std::string, std::function<bool()>, std::less<>> menuHandlers;
  std::shared_ptr<MenuBar> menuBar;  // the window's own
  QPointer<QMenuBar> menuView;
  QPointer<QObject> menuKeys;  // holds the actions of the menu keys
  // What the menu bar (or the menu keys) show: each action with its item; `opens` for menus,
  // which stay enabled.
  struct MenuAction {
    QPointer<QAction> action;
    MenuItem* item;
    bool opens;
  };
  std::vector<MenuAction> menuActions;
  bool menuViewDirty = false;
  bool rebuildQueued = false;
  bool open = false;
  bool closing = false;
  bool adopted = false;
};

// The top-level widget of a window: the menu bar above the fixed content widget.
class TopLevel : public QMainWindow {
 public:
  explicit TopLevel(Window& owner) : owner_(&owner) {}
  Window& Owner() const { return *owner_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Window* owner_;
};

struct PictureImpl {
  QImage image;
};

namespace detail {

// Whether a decoded set (the entries a record just applied) holds `name`.
inline bool Has(const PropertyValues& values, std::string_view name) {
  return values.find(name) != values.end();
}
// The items of a list property ("row\rrow\r..."); the empty text has none.
inline std::vector<std::string> SplitRows(const std::string& text) {
  std::vector<std::string> rows;
  if (text.empty()) return rows;
  std::size_t start = 0;
  for (;;) {
    const std::size_t cr = text.find('\r', start);
    rows.push_back(text.substr(start, cr == std::string::npos ? std::string::npos : cr - start));
    if (cr == std::string::npos) break;
    start = cr + 1;
  }
  return rows;
}
// Captions are plain text: '&' must not turn into a keyboard mnemonic.
inline QString Caption(const std::string& text) {
  return QString::fromStdString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

// Every window object that exists.
const std::vector<Window*>& LiveWindows();
// The live framework window whose top-level widget is `top` (or contains it), or null.
Window* WindowOfWidget(const QWidget* widget);
// Carries out a menu item as the user's choice in `window`: the window's handler bound to the
// item's name, else the item's own default action, through the exception handling.
void CarryOutMenuItem(Window& window, MenuItem& item);
// Tells the menu views that an item changed; `shape` when it appeared, disappeared or moved.
void MenuItemChanged(MenuItem& item, bool shape);
// Gives the open windows without a menu bar of their own the application's menu keys anew.
void ApplicationMenuBarChanged();
// The QKeySequence text for a "Cmd+X" style shortcut ("" for none).
std::string PortableShortcut(std::string_view shortcut);
// Installs the application-wide event filter that lets menu shortcuts win over text fields.
void InstallShortcutFilter();
// Makes the application's style draw the focus frame on push buttons too.
void InstallFocusFrameStyle();

// Observers and hidden pictures set by the testing hooks; a message box's observer is given its
// title and its text.
std::function<void(const std::string&, const std::string&)>& MsgBoxObserver();
std::function<void(const std::string&)>& ShowURLObserver();
std::vector<std::string>& HiddenPictures();

// Forgets an earlier Quit and its code, so RuntimeRun runs the loop again (tests).
void ResetQuitRequest();

}  // namespace detail
}  // namespace fw

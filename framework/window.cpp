// Windows: the top-level widget with its fixed content area, the control registry, the window's
// own properties, opening, showing and closing, and the framework's list of open windows.
#include "framework/window.h"

#include <cxxabi.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPalette>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

#include "framework/application.h"
#include "framework/qt_widgets.h"

namespace fw {
namespace {

struct Windows {
  std::vector<Window*> live;  // every window object that exists
  std::vector<Window*> open;  // front first
  std::map<std::string, Window*, std::less<>> implicit;
  std::vector<std::unique_ptr<Window>> adopted;  // held by the framework while open
};

// Never destroyed: windows still open at exit are left to the process's end.
Windows& W() {
  static Windows* windows = new Windows;
  return *windows;
}

template <class T>
void Erase(std::vector<T>& list, const T& value) {
  list.erase(std::remove(list.begin(), list.end(), value), list.end());
}

// Deletes a closed window once control is back in the event loop.
class WindowDisposal : public QObject {
 public:
  explicit WindowDisposal(std::unique_ptr<Window> window) : window_(std::move(window)) {}

 private:
  std::unique_ptr<Window> window_;
};

std::string Demangled(const char* name) {
  int status = 0;
  char* plain = abi::__cxa_demangle(name, nullptr, nullptr, &status);
  std::string result = status == 0 && plain != nullptr ? plain : name;
  std::free(plain);
  return result;
}

}  // namespace

// --- TopLevel ------------------------------------------------------------------------------

void TopLevel::closeEvent(QCloseEvent* event) {
  if (owner_->IsOpen()) owner_->Close();
  event->accept();
}

void TopLevel::keyPressEvent(QKeyEvent* event) {
  // Return that no control used presses the default button.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      owner_->Impl().PressDefaultButton()) {
    event->accept();
    return;
  }
  // Escape that no control used closes a window that belongs to another, as it does a dialog.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
      owner_->Impl().opener != nullptr) {
    event->accept();
    owner_->Close();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

// --- WindowImpl ----------------------------------------------------------------------------

WindowImpl::WindowImpl(Window& owner) : window(&owner) {
  CheckMainThread();
  if (QApplication::instance() == nullptr) {
    throw RuntimeException("a window was made before the runtime was initialised");
  }
  top = new TopLevel(owner);
  content = new QWidget;
  top->setCentralWidget(content);
  ApplyTitle();
}

WindowImpl::~WindowImpl() {
  // Controls delete their widgets first, then the rest of the window goes.
  controls.clear();
  byName.clear();
  menuActions.clear();
  delete top.data();
}

PushButton* WindowImpl::ShownDefaultButton() const {
  for (const auto& control : controls) {
    auto* button = dynamic_cast<PushButton*>(control.get());
    if (button == nullptr || !button->Default()) continue;
    QWidget* widget = button->Impl().widget;
    if (widget != nullptr && widget->isVisible() && widget->isEnabled()) return button;
  }
  return nullptr;
}

bool WindowImpl::PressDefaultButton() {
  PushButton* button = ShownDefaultButton();
  if (button == nullptr) return false;
  static_cast<QAbstractButton*>(button->Impl().widget.data())->click();
  return true;
}

void WindowImpl::ApplyWindowProperties(const PropertyValues& changed) {
  auto has = [&](std::string_view key) { return detail::Has(changed, key); };
  auto integer = [&](std::string_view key, std::int64_t fallback) {
    auto it = props.find(key);
    return it == props.end() ? fallback : std::get<std::int64_t>(it->second);
  };
  auto boolean = [&](std::string_view key, bool fallback) {
    auto it = props.find(key);
    return it == props.end() ? fallback : std::get<bool>(it->second);
  };
  if (has("Width") || has("Height")) {
    content->setFixedSize(static_cast<int>(integer("Width", content->width())),
                          static_cast<int>(integer("Height", content->height())));
  }
  if (has("Title")) ApplyTitle();
  if (has("Resizeable") || has("Width") || has("Height")) {
    top->layout()->setSizeConstraint(boolean("Resizeable", true) ? QLayout::SetDefaultConstraint
                                                                 : QLayout::SetFixedSize);
  }
  if (has("HasCloseButton") || has("HasMinimizeButton") || has("HasMaximizeButton") ||
      has("Resizeable")) {
    // The title bar offers the buttons the record asks for; a window of fixed size has nothing
    // to maximise to.
    Qt::WindowFlags flags = Qt::WindowFlags(top->windowType()) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (boolean("HasCloseButton", true)) flags |= Qt::WindowCloseButtonHint;
    if (boolean("HasMinimizeButton", true)) flags |= Qt::WindowMinimizeButtonHint;
    if (boolean("HasMaximizeButton", true) && boolean("Resizeable", true)) {
      flags |= Qt::WindowMaximizeButtonHint;
    }
    const bool shown = top->isVisible();
    top->setWindowFlags(flags);  // hides a shown window
    if (shown) top->show();
  }
  if (has("HasBackgroundColor") || has("BackgroundColor")) {
    const bool colored = boolean("HasBackgroundColor", false) && props.count("BackgroundColor");
    content->setAutoFillBackground(colored);
    if (colored) {
      QPalette palette = content->palette();
      palette.setColor(QPalette::Window,
                       QColor::fromRgb(ColorProperty(props, "BackgroundColor").rgb));
      content->setPalette(palette);
    }
  }
  if (has("Visible") && open) top->setVisible(boolean("Visible", true));
}

void WindowImpl::ApplyTitle() {
  auto own = props.find("Title");
  std::string title = own != props.end() ? std::get<std::string>(own->second) : std::string();
  if (title.empty()) title = RuntimeProgramName();
  top->setWindowTitle(QString::fromStdString(title));
}

void WindowImpl::PlaceOnScreen() {
  // DefaultLocation 0 centres the window over the window it belongs to, 2 on the screen; a
  // window of its own with 0, and other values, leave the place to the system.
  auto location = props.find("DefaultLocation");
  if (location == props.end()) return;
  const std::int64_t where = std::get<std::int64_t>(location->second);
  const QScreen* screen = QGuiApplication::primaryScreen();
  QRect area;
  if (where == 0 && opener != nullptr) {
    area = opener->frameGeometry();
  } else if (where == 2 && screen != nullptr) {
    area = screen->availableGeometry();
  } else {
    return;
  }
  top->adjustSize();
  // Until it is first shown the window has no frame yet; it gets one like its opener's.
  QRect frame = top->geometry();
  if (opener != nullptr) {
    const QRect outer = opener->frameGeometry();
    const QRect inner = opener->geometry();
    frame.adjust(outer.left() - inner.left(), outer.top() - inner.top(),
                 outer.right() - inner.right(), outer.bottom() - inner.bottom());
  }
  frame.moveCenter(area.center());
  top->move(frame.topLeft());
}

void WindowImpl::StayWithOpener() {
  if (opener == nullptr || opener->windowHandle() == nullptr) return;
  top->winId();  // gives the window its handle before it is shown
  top->windowHandle()->setTransientParent(opener->windowHandle());
}

std::vector<QWidget*> WindowImpl::FocusOrder() const {
  // Siblings in TabIndex order; a tab panel's controls grouped by their tab, in tab order.
  std::vector<Control*> sorted;
  for (const auto& control : controls) sorted.push_back(control.get());
  std::stable_sort(sorted.begin(), sorted.end(), [](const Control* a, const Control* b) {
    const ControlImpl& x = a->Impl();
    const ControlImpl& y = b->Impl();
    return std::pair(x.IntProp("TabPanelIndex", 0), x.IntProp("TabIndex", 0)) <
           std::pair(y.IntProp("TabPanelIndex", 0), y.IntProp("TabIndex", 0));
  });
  // Each control comes before the controls it holds.
  std::vector<QWidget*> order;
  std::set<const Control*> placed;
  std::function<void(const std::string&)> add = [&](const std::string& parent) {
    for (const Control* control : sorted) {
      const ControlImpl& impl = control->Impl();
      if (impl.StringProp("InitialParent") != parent || !placed.insert(control).second) continue;
      QWidget* focus = impl.widget;
      if (focus != nullptr && focus->focusPolicy() != Qt::NoFocus) order.push_back(focus);
      if (!impl.name.empty()) add(impl.name);
    }
  };
  add("");
  return order;
}

void WindowImpl::OrderFocus() {
  const std::vector<QWidget*> order = FocusOrder();
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void WindowImpl::FocusFirstControl(const QWidget* area) {
  for (QWidget* widget : FocusOrder()) {
    if ((widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isEnabled() &&
        widget->isVisibleTo(top) && (area == nullptr || area->isAncestorOf(widget))) {
      // As Tab gives it, the focus cue included: the style shows the focus of a button or a
      // check box only once the keyboard has moved the focus in the window.
      top->setAttribute(Qt::WA_KeyboardFocusChange);
      widget->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

// --- Window --------------------------------------------------------------------------------

Window::Window() : impl_(std::make_unique<WindowImpl>(*this)) {
  W().live.push_back(this);
}

Window::~Window() {
  Windows& w = W();
  Erase(w.live, this);
  Erase(w.open, this);
  for (auto it = w.implicit.begin(); it != w.implicit.end();) {
    it = it->second == this ? w.implicit.erase(it) : std::next(it);
  }
}

void Window::Constructor() {
  CheckMainThread();
  // A window opened while another is in front belongs to it, as a dialog does: the system keeps
  // it in front of that window and gives it no taskbar entry of its own.
  for (Window* front : W().open) {
    if (!front->IsVisible()) continue;
    impl_->opener = front->impl_->top;
    impl_->top->setWindowFlags((impl_->top->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    break;
  }
  Layout();
  CreateControls();
  AddMenuHandlers();
  impl_->OrderFocus();
  if (impl_->menuBar == nullptr) impl_->BuildMenuView();
  impl_->open = true;
  Windows& w = W();
  w.implicit.insert_or_assign(std::string(ClassName()), this);
  w.open.insert(w.open.begin(), this);
  UpdateMenus();
  impl_->PlaceOnScreen();
  auto visible = impl_->props.find("Visible");
  if (visible == impl_->props.end() || std::get<bool>(visible->second)) Show();
}

void Window::Show() {
  CheckMainThread();
  const bool unfocused = impl_->top->focusWidget() == nullptr;
  impl_->StayWithOpener();
  impl_->top->show();
  // Typing into a window that has just opened goes to its first control; given after showing,
  // which hides the focus cue.
  if (unfocused) impl_->FocusFirstControl();
  impl_->top->raise();
  impl_->top->activateWindow();
  if (impl_->open) {
    Windows& w = W();
    Erase(w.open, this);
    w.open.insert(w.open.begin(), this);
  }
}

void Window::Close() {
  CheckMainThread();
  if (!impl_->open || impl_->closing) return;
  impl_->closing = true;
  CallHandler([this] { Event_Close(); });
  impl_->closing = false;
  impl_->open = false;
  impl_->top->hide();
  Windows& w = W();
  Erase(w.open, this);
  auto implicit = w.implicit.find(ClassName());
  if (implicit != w.implicit.end() && implicit->second == this) w.implicit.erase(implicit);
  if (impl_->adopted) {
    auto held = std::find_if(w.adopted.begin(), w.adopted.end(),
                             [this](const auto& window) { return window.get() == this; });
    if (held != w.adopted.end()) {
      auto* disposal = new WindowDisposal(std::move(*held));
      w.adopted.erase(held);
      disposal->deleteLater();
    }
  }
}

bool Window::IsOpen() const {
  CheckMainThread();
  return impl_->open;
}

bool Window::IsVisible() const {
  CheckMainThread();
  return impl_->top->isVisible();
}

std::shared_ptr<fw::MenuBar> Window::MenuBar() const {
  CheckMainThread();
  return impl_->menuBar;
}

void Window::SetMenuBar(std::shared_ptr<fw::MenuBar> bar) {
  CheckMainThread();
  impl_->menuBar = std::move(bar);
  impl_->BuildMenuView();
}

void Window::SetProperties(std::string_view record) {
  CheckMainThread();
  const PropertyValues changed = DecodeProperties(record, DeclaredProperties());
  for (const auto& [key, value] : changed) impl_->props.insert_or_assign(key, value);
  impl_->ApplyWindowProperties(changed);
}

const PropertyValues& Window::Properties() const {
  CheckMainThread();
  return impl_->props;
}

std::string Window::Title() const {
  CheckMainThread();
  return impl_->top->windowTitle().toStdString();
}

void Window::AddControl(std::string_view name, std::unique_ptr<Control> control) {
  CheckMainThread();
  if (control == nullptr)
    throw NilObjectException("no control to register as " + std::string(name));
  if (&control->OwnerWindow() != this) {
    throw RuntimeException("control " + std::string(name) + " belongs to another window");
  }
  if (impl_->byName.count(name) != 0) {
    throw RuntimeException("a control named " + std::string(name) + " is already registered");
  }
  control->Impl().name = std::string(name);
  impl_->byName.emplace(std::string(name), control.get());
  impl_->controls.push_back(std::move(control));
}

Control* Window::ControlByName(std::string_view name) const {
  CheckMainThread();
  auto it = impl_->byName.find(name);
  return it == impl_->byName.end() ? nullptr : it->second;
}

std::vector<std::string> Window::ControlNames() const {
  CheckMainThread();
  std::vector<std::string> names;
  names.reserve(impl_->controls.size());
  for (const auto& control : impl_->controls) names.push_back(control->Impl().name);
  return names;
}

void Window::AddMenuHandler(std::string_view itemName, std::function<bool()> handler) {
  CheckMainThread();
  impl_->menuHandlers.insert_or_assign(std::string(itemName), std::move(handler));
}

bool Window::RunMenuHandler(std::string_view itemName) {
  CheckMainThread();
  auto it = impl_->menuHandlers.find(itemName);
  if (it == impl_->menuHandlers.end()) return false;
  const std::function<bool()> handler = it->second;  // the handler may rebind the name
  CallHandler([&handler] { handler(); });
  return true;
}

void Window::UpdateMenus() {
  CheckMainThread();
  if (const std::shared_ptr<fw::MenuBar> bar = impl_->ServedMenuBar()) {
    // Every item below the bar; depth first, so each menu before its items.
    std::vector<MenuItem*> pending{bar.get()};
    while (!pending.empty()) {
      MenuItem* item = pending.back();
      pending.pop_back();
      if (item != bar.get()) item->SetEnabled(item->AutoEnabled());
      for (std::size_t i = item->Count(); i > 0; --i) pending.push_back(item->Item(i - 1));
    }
  }
  CallHandler([this] { Event_EnableMenuItems(); });
  impl_->SyncMenuView();
}

Window* GetImplicitWindow(std::string_view className) {
  CheckMainThread();
  auto it = W().implicit.find(className);
  return it == W().implicit.end() ? nullptr : it->second;
}

std::vector<Window*> OpenWindows() {
  CheckMainThread();
  return W().open;
}

namespace detail {

void AdoptWindow(std::unique_ptr<Window> window) {
  CheckMainThread();
  window->Impl().adopted = true;
  W().adopted.push_back(std::move(window));
}

void ThrowNoControl(std::string_view name) {
  throw NilObjectException("no control named " + std::string(name));
}

void ThrowWrongClass(std::string_view name, const char* actual, const char* wanted) {
  throw IllegalCastException("control " + std::string(name) + " is a " + actual + ", not a " +
                             Demangled(wanted));
}

const std::vector<Window*>& LiveWindows() {
  return W().live;
}

Window* WindowOfWidget(const QWidget* widget) {
  if (widget == nullptr) return nullptr;
  const QWidget* top = widget->window();
  for (Window* window : W().live) {
    if (window->Impl().top == top) return window;
  }
  return nullptr;
}

}  // namespace detail
}  // namespace fw

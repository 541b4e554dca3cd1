// Driving real widgets as a person would, without waiting for one. Key presses are real key
// events sent through the application, so key filters, shortcuts and focus moves run exactly
// as they do for typing; focus is tracked per window, which does not depend on the platform
// activating windows.
#include "framework/testing.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTabBar>
#include <QWindow>

#include "framework/application.h"
#include "framework/qt_widgets.h"

namespace fw::testing {
namespace {

QWidget* WidgetOf(const Control& control) {
  QWidget* widget = control.Impl().widget;
  if (widget == nullptr) {
    throw RuntimeException("control " + control.Impl().name + " is not shown by any widget");
  }
  return widget;
}

// Makes the widget's window the active one, when it is shown.
void Activate(QWidget* widget) {
  QWidget* top = widget->window();
  if (top->isVisible() && QApplication::activeWindow() != top) {
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(top);
    QT_WARNING_POP
  }
}

// Makes the control's window the active one (when it is shown) and focuses the control. A text
// field that did not have the focus gets the insertion point after its text, as a click after
// the text would put it; one that had it keeps its insertion point and selection.
void Focus(QWidget* widget) {
  Activate(widget);
  const bool had = widget->window()->focusWidget() == widget;
  widget->setFocus(Qt::OtherFocusReason);
  auto* edit = qobject_cast<QLineEdit*>(widget);
  if (edit != nullptr && !had) edit->end(false);
}

void SendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QPointer<QWidget> alive(target);
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  if (alive == nullptr) return;
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
}

// Decodes UTF-8; a malformed byte reads as U+FFFD.
std::vector<char32_t> CodePoints(std::string_view text) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80           ? 1
                       : (lead >> 5) == 0x6  ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 0;
    char32_t point = length == 1   ? lead
                     : length == 2 ? lead & 0x1F
                     : length == 3 ? lead & 0x0F
                                   : lead & 0x07;
    bool valid = length != 0 && i + static_cast<std::size_t>(length) <= text.size();
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      valid = (next & 0xC0) == 0x80;
      point = (point << 6) | (next & 0x3F);
    }
    points.push_back(valid ? point : U'\uFFFD');
    i += valid ? static_cast<std::size_t>(length) : 1;
  }
  return points;
}

// The key a keyboard would report for a character, with its modifiers and text.
void KeyFor(char32_t point, int& key, Qt::KeyboardModifiers& modifiers, QString& text) {
  modifiers = Qt::NoModifier;
  text = QString::fromUcs4(&point, 1);
  switch (point) {
    case U'\b':
      key = Qt::Key_Backspace;
      return;
    case U'\t':
      key = Qt::Key_Tab;
      return;
    case U'\r':
    case U'\n':
      key = Qt::Key_Return;
      text = QStringLiteral("\r");
      return;
    case U'\x1b':
      key = Qt::Key_Escape;
      return;
    case U'\x7f':
      key = Qt::Key_Delete;
      return;
    default:
      break;
  }
  if (point >= U'a' && point <= U'z') {
    key = Qt::Key_A + static_cast<int>(point - U'a');
  } else if (point >= U'A' && point <= U'Z') {
    key = Qt::Key_A + static_cast<int>(point - U'A');
    modifiers = Qt::ShiftModifier;
  } else if (point >= 0x20 && point <= 0xFF && point != 0x7F) {
    key = static_cast<int>(point);  // digits, punctuation and Latin-1 keys are their code
  } else {
    key = Qt::Key_unknown;
  }
}

// The text a keyboard sends with a key combination: a character key's character (Ctrl with a
// letter gives its control character); "" for other keys.
QString KeyboardText(QKeyCombination combination) {
  const int key = combination.key();
  const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
  if (key < Qt::Key_Space || key > Qt::Key_AsciiTilde) return {};
  if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    if (modifiers.testFlag(Qt::ControlModifier)) return QChar(key - Qt::Key_A + 1);
    return QChar(modifiers.testFlag(Qt::ShiftModifier) ? key : key - Qt::Key_A + 'a');
  }
  return QChar(key);
}

// Presses the keys on `target`, and on whatever has the focus once a key has moved it.
void SendKeys(QWidget* target, std::string_view keys) {
  QPointer<QWidget> receiver(target);
  QPointer<QWidget> top(target->window());
  for (char32_t point : CodePoints(keys)) {
    if (receiver == nullptr || top == nullptr) return;
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
    KeyFor(point, key, modifiers, text);
    QWidget* focusBefore = top->focusWidget();
    SendKey(receiver, key, modifiers, text);
    // A key that moved the focus (Tab, or a filter that did) sends the next keys there.
    if (top != nullptr && top->focusWidget() != nullptr && top->focusWidget() != focusBefore) {
      receiver = top->focusWidget();
    }
  }
}

// The control shown by `widget` or by the nearest of its parents that shows one ("" for none).
std::string ControlOfWidget(const Window& window, const QWidget* widget) {
  for (; widget != nullptr && widget != window.Impl().content; widget = widget->parentWidget()) {
    for (const auto& control : window.Impl().controls) {
      if (control->Impl().widget == widget) return control->Impl().name;
    }
  }
  return {};
}

// The title the last observed message box carried.
std::string& LastTitle() {
  static auto* title = new std::string;
  return *title;
}

}  // namespace

void SetMsgBoxObserver(std::function<void(const std::string&)> observer) {
  if (!observer) {
    detail::MsgBoxObserver() = nullptr;
    return;
  }
  detail::MsgBoxObserver() = [observer = std::move(observer)](const std::string& title,
                                                              const std::string& text) {
    LastTitle() = title;
    observer(text);
  };
}

std::string LastMsgBoxTitle() {
  return LastTitle();
}

void SetShowURLObserver(std::function<void(const std::string&)> observer) {
  detail::ShowURLObserver() = std::move(observer);
}

void HidePicture(std::string_view name) {
  detail::HiddenPictures().emplace_back(name);
}

void TypeKeys(Control& control, std::string_view keys) {
  CheckMainThread();
  QWidget* target = WidgetOf(control);
  Focus(target);
  SendKeys(target, keys);
}

void TypeKeys(Window& window, std::string_view keys) {
  CheckMainThread();
  QWidget* top = window.Impl().top;
  Activate(top);
  QWidget* focus = top->focusWidget();
  SendKeys(focus != nullptr ? focus : top, keys);
}

void PressKey(Control& control, Key key) {
  CheckMainThread();
  QWidget* target = WidgetOf(control);
  Focus(target);
  switch (key) {
    case Key::Backspace:
      SendKey(target, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
      break;
    case Key::Delete:
      SendKey(target, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
      break;
    case Key::Return:
      SendKey(target, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
      break;
    case Key::Tab:
      SendKey(target, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
      break;
  }
}

void PressShortcut(Control& control, std::string_view keys) {
  CheckMainThread();
  QWidget* target = WidgetOf(control);
  const QKeySequence sequence =
      QKeySequence::fromString(QString::fromUtf8(keys.data(), static_cast<qsizetype>(keys.size())),
                               QKeySequence::PortableText);
  if (sequence.isEmpty()) throw RuntimeException("no key combination in " + std::string(keys));
  Focus(target);
  const QKeyCombination combination = sequence[0];
  SendKey(target, combination.key(), combination.keyboardModifiers(), KeyboardText(combination));
}

void Click(Control& control) {
  CheckMainThread();
  auto* button = qobject_cast<QAbstractButton*>(WidgetOf(control));
  if (button == nullptr) {
    throw RuntimeException(std::string(control.ClassName()) + " " + control.Impl().name +
                           " cannot be clicked");
  }
  button->click();
}

void ClickTab(TabPanel& panel, int tab) {
  CheckMainThread();
  auto* bar = WidgetOf(panel)->findChild<QTabBar*>();
  if (bar == nullptr || tab < 0 || tab >= bar->count()) {
    throw RuntimeException("tab panel " + panel.Impl().name + " has no tab " + std::to_string(tab));
  }
  Activate(bar);
  const QPointF at = bar->tabRect(tab).center();
  const QPointF global = bar->mapToGlobal(at);
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, global, Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(bar, &event);
  }
}

bool ChooseMenuItem(Window& window, std::string_view name) {
  CheckMainThread();
  window.UpdateMenus();
  const std::shared_ptr<MenuBar> bar = window.MenuBar();
  MenuItem* item = bar != nullptr ? bar->Lookup(name) : nullptr;
  if (item == nullptr) throw NilObjectException("no menu item named " + std::string(name));
  if (!item->Enabled()) return false;
  detail::CarryOutMenuItem(window, *item);
  return true;
}

bool HasFocus(const Control& control) {
  CheckMainThread();
  QWidget* widget = control.Impl().widget;
  return widget != nullptr && widget->window()->focusWidget() == widget;
}

std::string FocusedControl(const Window& window) {
  CheckMainThread();
  return ControlOfWidget(window, window.Impl().top->focusWidget());
}

bool IsShown(const Control& control) {
  CheckMainThread();
  QWidget* widget = control.Impl().ShownWidget();
  return widget != nullptr && widget->isVisible();
}

void ProcessEvents() {
  CheckMainThread();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::vector<ShownMenuItem> ShownMenu(Window& window) {
  CheckMainThread();
  WindowImpl& impl = window.Impl();
  if (impl.menuViewDirty) impl.BuildMenuView();
  std::vector<ShownMenuItem> shown;
  if (impl.menuView == nullptr) return shown;
  std::function<void(const QList<QAction*>&, int)> walk = [&](const QList<QAction*>& actions,
                                                              int depth) {
    for (QAction* action : actions) {
      if (!action->isVisible()) continue;
      ShownMenuItem entry;
      entry.name = action->objectName().toStdString();
      // "&&" shows an '&'; a single '&' underlines the next character as the access key.
      const QString text = action->text();
      QString caption;
      for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
          ++i;
          if (text[i] != QLatin1Char('&')) entry.accessKey = QString(text[i]).toStdString();
        }
        caption += text[i];
      }
      entry.caption = action->isSeparator() ? "-" : caption.toStdString();
      entry.keys = action->shortcut().toString(QKeySequence::PortableText).toStdString();
      entry.depth = depth;
      entry.enabled = action->isEnabled();
      shown.push_back(entry);
      if (QMenu* menu = action->menu()) walk(menu->actions(), depth + 1);
    }
  };
  walk(impl.menuView->actions(), 1);
  return shown;
}

std::string OpenMenu() {
  CheckMainThread();
  const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  return menu != nullptr ? menu->menuAction()->objectName().toStdString() : std::string();
}

void CloseMenus() {
  CheckMainThread();
  while (QWidget* popup = QApplication::activePopupWidget()) {
    if (!popup->close()) break;
  }
}

bool RenderToPng(Window& window, const std::string& path) {
  CheckMainThread();
  WindowImpl& impl = window.Impl();
  if (impl.menuViewDirty) impl.BuildMenuView();
  QMainWindow* top = impl.top;
  top->ensurePolished();
  if (top->layout() != nullptr) top->layout()->activate();
  if (!top->isVisible()) top->adjustSize();
  const QFileInfo file(QString::fromStdString(path));
  if (!QDir().mkpath(file.absolutePath())) return false;
  const QPixmap picture = top->grab();
  return !picture.isNull() && picture.save(file.absoluteFilePath(), "PNG");
}

Drawing Draw(const Control& control) {
  CheckMainThread();
  const QImage image = WidgetOf(control)->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  Drawing drawing{image.width(), image.height(), {}};
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    drawing.pixels.insert(drawing.pixels.end(), row, row + image.width());
  }
  return drawing;
}

std::string ShownText(const TextField& field) {
  CheckMainThread();
  auto* edit = qobject_cast<QLineEdit*>(WidgetOf(field));
  if (edit == nullptr) throw RuntimeException("text field " + field.Impl().name + " has no line");
  edit->grab();  // drawing scrolls the text to where the field shows it
  const int middle = edit->height() / 2;
  const int first = edit->cursorPositionAt(QPoint(0, middle));
  const int last = edit->cursorPositionAt(QPoint(edit->width() - 1, middle));
  return edit->text().mid(first, last - first).toStdString();
}

Geometry ShownGeometry(const Control& control) {
  CheckMainThread();
  QWidget* widget = control.Impl().widget;
  QWidget* content = control.Impl().window->Impl().content;
  if (widget == nullptr || content == nullptr || !content->isAncestorOf(widget)) return {};
  const QPoint origin = widget->mapTo(content, QPoint(0, 0));
  return {origin.x(), origin.y(), widget->width(), widget->height()};
}

ScreenPlacement ShownScreenPlacement(const Window& window) {
  CheckMainThread();
  const QRect frame = window.Impl().top->frameGeometry();
  const QScreen* screen = window.Impl().top->screen();
  const QRect area = screen != nullptr ? screen->availableGeometry() : QRect();
  return {{frame.x(), frame.y(), frame.width(), frame.height()},
          {area.x(), area.y(), area.width(), area.height()}};
}

void MoveWindow(Window& window, int left, int top) {
  CheckMainThread();
  window.Impl().top->move(left, top);
  QCoreApplication::processEvents();
}

TitleBarButtons ShownTitleBarButtons(const Window& window) {
  CheckMainThread();
  const Qt::WindowFlags flags = window.Impl().top->windowFlags();
  return {flags.testFlag(Qt::WindowCloseButtonHint), flags.testFlag(Qt::WindowMinimizeButtonHint),
          flags.testFlag(Qt::WindowMaximizeButtonHint)};
}

Window* ShownOwner(const Window& window) {
  CheckMainThread();
  const QWindow* handle = window.Impl().top->windowHandle();
  const QWindow* parent = handle != nullptr ? handle->transientParent() : nullptr;
  for (Window* other : detail::LiveWindows()) {
    if (parent != nullptr && other->Impl().top->windowHandle() == parent) return other;
  }
  return nullptr;
}

std::string ControlAt(const Window& window, int x, int y) {
  CheckMainThread();
  QWidget* content = window.Impl().content;
  if (content == nullptr) return {};
  return ControlOfWidget(window, content->childAt(x, y));
}

void ResetQuit() {
  detail::ResetQuitRequest();
}

}  // namespace fw::testing

// Controls that hold text: text fields (with their key filter), labels, pop-up menus and lists.
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <deque>
#include <limits>

#include "framework/application.h"
#include "framework/controls.h"
#include "framework/exceptions.h"
#include "framework/qt_widgets.h"

namespace fw {
namespace {

using detail::Has;
using detail::SplitRows;

void SetColor(QWidget& widget, QPalette::ColorRole role, std::uint32_t rgb) {
  QPalette palette = widget.palette();
  palette.setColor(role, QColor::fromRgb(static_cast<QRgb>(rgb & 0xFFFFFFu)));
  widget.setPalette(palette);
}

Qt::Alignment HorizontalAlignment(std::int64_t alignment) {
  switch (alignment) {
    case 2:
      return Qt::AlignHCenter;
    case 3:
      return Qt::AlignRight;
    default:  // 0 the default, 1 left
      return Qt::AlignLeft;
  }
}

bool IsLoneModifier(int key) {
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
      return true;
    default:
      return false;
  }
}

// Alt with a character is a menu's access key, never typing: the menu bar takes the letters it
// knows before the field sees them, and the others do nothing. (Ctrl+Alt is AltGr on some
// keyboards and types.)
bool IsAccessKey(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) &&
         !event.text().isEmpty() && event.text().front().isPrint();
}

// The key as the program's key filters see it: its text, with the editing and moving keys
// given their control characters.
std::string KeyText(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Backspace:
      return "\b";
    case Qt::Key_Delete:
      return "\x7f";
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return "\r";
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return "\t";
    case Qt::Key_Escape:
      return "\x1b";
    case Qt::Key_Left:
      return "\x1c";
    case Qt::Key_Right:
      return "\x1d";
    case Qt::Key_Up:
      return "\x1e";
    case Qt::Key_Down:
      return "\x1f";
    case Qt::Key_Home:
      return "\x01";
    case Qt::Key_End:
      return "\x04";
    case Qt::Key_PageUp:
      return "\x0b";
    case Qt::Key_PageDown:
      return "\x0c";
    default:
      return event.text().toStdString();
  }
}

// --- TextField -----------------------------------------------------------------------------

struct TextFieldImpl : ControlImpl {
  explicit TextFieldImpl(Window& owner) : ControlImpl(owner) {
    edit = new QLineEdit(owner.Impl().content);
    edit->setMaxLength(MaxLength(0));  // the toolkit's own default would cut at 32767
    edit->hide();
    widget = edit;
  }

  // A field's MaximumCharactersAllowed of 0 (or less) means no limit: it holds text of any
  // length, set from code or pasted.
  static int MaxLength(std::int64_t allowed) {
    constexpr int kNoLimit = std::numeric_limits<int>::max();
    return allowed > 0 && allowed < kNoLimit ? static_cast<int>(allowed) : kNoLimit;
  }

  void Attach() override { edit->installEventFilter(new KeyFilter(*this, edit)); }

  // Puts a text into the field from code. A field the user is not typing in shows it from its
  // first character (a long result would otherwise show its tail and read as another number); the
  // field that holds the focus keeps the insertion point after the text, so typing there goes on,
  // until the focus moves to another control of the window.
  void ShowText(const QString& text) {
    edit->setText(text);
    writtenWithFocus = edit->window()->focusWidget() == edit;
    if (!writtenWithFocus) edit->setCursorPosition(0);
  }

  void OnFocusOut(const QFocusEvent& event) {
    const bool staysInWindow =
        event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
    if (writtenWithFocus && staysInWindow) edit->setCursorPosition(0);
    if (staysInWindow) writtenWithFocus = false;
  }

  void Apply(const PropertyValues& changed) override {
    if (Has(changed, "Text")) ShowText(QString::fromStdString(StringProp("Text")));
    if (Has(changed, "ReadOnly")) edit->setReadOnly(BoolProp("ReadOnly", false));
    if (Has(changed, "HasBorder")) edit->setFrame(BoolProp("HasBorder", true));
    if (Has(changed, "Password")) {
      edit->setEchoMode(BoolProp("Password", false) ? QLineEdit::Password : QLineEdit::Normal);
    }
    if (Has(changed, "MaximumCharactersAllowed")) {
      edit->setMaxLength(MaxLength(IntProp("MaximumCharactersAllowed", 0)));
    }
    if (Has(changed, "Hint")) edit->setPlaceholderText(QString::fromStdString(StringProp("Hint")));
    if (Has(changed, "TextAlignment")) {
      edit->setAlignment(HorizontalAlignment(IntProp("TextAlignment", 0)) | Qt::AlignVCenter);
    }
    if (Has(changed, "BackgroundColor")) {
      SetColor(*edit, QPalette::Base, ColorProperty(props, "BackgroundColor").rgb);
    }
    if (Has(changed, "TextColor")) {
      SetColor(*edit, QPalette::Text, ColorProperty(props, "TextColor").rgb);
    }
  }

  // Runs the key filters before the key reaches the field; true when the key is consumed.
  bool OnKeyPress(const QKeyEvent& event) {
    if (IsLoneModifier(event.key())) return false;
    if (IsAccessKey(event)) return true;
    const std::string key = KeyText(event);
    auto& field = static_cast<TextField&>(*control);
    const auto handlers = keyDowns;
    for (const auto& handler : handlers) {
      bool consumed = false;
      CallHandler([&] { consumed = handler(field, key); });
      if (consumed) return true;
    }
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
      return window->Impl().PressDefaultButton();
    }
    return false;
  }

  class KeyFilter : public QObject {
   public:
    KeyFilter(TextFieldImpl& impl, QObject* parent) : QObject(parent), impl_(&impl) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
      (void)watched;
      if (event->type() == QEvent::FocusOut) impl_->OnFocusOut(*static_cast<QFocusEvent*>(event));
      if (event->type() != QEvent::KeyPress) return false;
      const bool consumed = impl_->OnKeyPress(*static_cast<QKeyEvent*>(event));
      impl_->writtenWithFocus = false;  // what the field holds now is the user's typing
      return consumed;
    }

   private:
    TextFieldImpl* impl_;
  };

  QLineEdit* edit;
  std::vector<TextField::KeyDownHandler> keyDowns;
  // Code wrote the text while the field held the focus, and no key has been typed since.
  bool writtenWithFocus = false;
};

// --- Label ---------------------------------------------------------------------------------

struct LabelImpl : ControlImpl {
  explicit LabelImpl(Window& owner) : ControlImpl(owner) {
    label = new QLabel(owner.Impl().content);
    label->setTextFormat(Qt::PlainText);
    label->hide();
    widget = label;
  }

  void Apply(const PropertyValues& changed) override {
    if (Has(changed, "Text") || Has(changed, "Multiline")) {
      const bool multiline = BoolProp("Multiline", false);
      QString text = QString::fromStdString(StringProp("Text"));
      text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
      text.replace(QLatin1Char('\r'), multiline ? QLatin1Char('\n') : QLatin1Char(' '));
      label->setText(text);
      label->setWordWrap(multiline);
    }
    if (Has(changed, "TextAlignment") || Has(changed, "Multiline")) {
      const Qt::Alignment vertical = BoolProp("Multiline", false) ? Qt::AlignTop : Qt::AlignVCenter;
      label->setAlignment(HorizontalAlignment(IntProp("TextAlignment", 0)) | vertical);
    }
    if (Has(changed, "TextColor")) {
      SetColor(*label, QPalette::WindowText, ColorProperty(props, "TextColor").rgb);
    }
    if (Has(changed, "Selectable")) {
      label->setTextInteractionFlags(BoolProp("Selectable", false) ? Qt::TextSelectableByMouse
                                                                   : Qt::NoTextInteraction);
    }
  }

  QLabel* label;
};

// --- PopupMenu -----------------------------------------------------------------------------

struct PopupMenuImpl : ControlImpl {
  explicit PopupMenuImpl(Window& owner) : ControlImpl(owner) {
    combo = new QComboBox(owner.Impl().content);
    combo->hide();
    widget = combo;
  }

  void Apply(const PropertyValues& changed) override {
    if (Has(changed, "InitialValue")) {
      combo->clear();
      for (const std::string& row : SplitRows(StringProp("InitialValue"))) {
        combo->addItem(QString::fromStdString(row));
      }
    }
    if (Has(changed, "InitialValue") || Has(changed, "SelectedRowIndex")) {
      const std::int64_t row = IntProp("SelectedRowIndex", combo->count() > 0 ? 0 : -1);
      combo->setCurrentIndex(row >= 0 && row < combo->count() ? static_cast<int>(row) : -1);
    }
  }

  QComboBox* combo;
};

// --- Listbox -------------------------------------------------------------------------------

// The rows live in memory (a deque grows in fixed blocks, so a long history costs about one
// string per row); a widget is made only if the list is ever shown.
struct ListboxImpl : ControlImpl {
  explicit ListboxImpl(Window& owner) : ControlImpl(owner) {}

  void Apply(const PropertyValues& changed) override {
    if (Has(changed, "InitialValue")) {
      const std::vector<std::string> initial = SplitRows(StringProp("InitialValue"));
      rows.assign(initial.begin(), initial.end());
      if (list != nullptr) {
        list->clear();
        for (const std::string& row : rows) list->addItem(QString::fromStdString(row));
      }
    }
    if (list == nullptr && BoolProp("Visible", false)) {
      list = new QListWidget(window->Impl().content);
      for (const std::string& row : rows) list->addItem(QString::fromStdString(row));
      widget = list;
      Place();
    }
  }

  void CheckRow(std::int64_t row) const {
    if (row < 0 || row >= static_cast<std::int64_t>(rows.size())) {
      throw OutOfBoundsException("row " + std::to_string(row) + " of list " + name + " (" +
                                 std::to_string(rows.size()) + " rows)");
    }
  }

  std::deque<std::string> rows;
  QPointer<QListWidget> list;
};

}  // namespace

// --- TextField -----------------------------------------------------------------------------

TextField::TextField(Window& owner) : RectControl(owner, std::make_unique<TextFieldImpl>(owner)) {}

std::string TextField::Text() const {
  CheckMainThread();
  return static_cast<TextFieldImpl&>(Impl()).edit->text().toStdString();
}

void TextField::SetText(std::string_view text) {
  CheckMainThread();
  static_cast<TextFieldImpl&>(Impl()).ShowText(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

bool TextField::ReadOnly() const {
  CheckMainThread();
  return static_cast<TextFieldImpl&>(Impl()).edit->isReadOnly();
}

void TextField::AddKeyDownHandler(KeyDownHandler handler) {
  CheckMainThread();
  static_cast<TextFieldImpl&>(Impl()).keyDowns.push_back(std::move(handler));
}

// --- Label ---------------------------------------------------------------------------------

Label::Label(Window& owner) : RectControl(owner, std::make_unique<LabelImpl>(owner)) {}

std::string Label::Text() const {
  CheckMainThread();
  return Impl().StringProp("Text");
}

// --- PopupMenu -----------------------------------------------------------------------------

PopupMenu::PopupMenu(Window& owner) : RectControl(owner, std::make_unique<PopupMenuImpl>(owner)) {}

std::int64_t PopupMenu::ListIndex() const {
  CheckMainThread();
  return static_cast<PopupMenuImpl&>(Impl()).combo->currentIndex();
}

void PopupMenu::SetListIndex(std::int64_t index) {
  CheckMainThread();
  QComboBox* combo = static_cast<PopupMenuImpl&>(Impl()).combo;
  if (index < -1 || index >= combo->count()) {
    throw OutOfBoundsException("row " + std::to_string(index) + " of pop-up menu " + Name() + " (" +
                               std::to_string(combo->count()) + " rows)");
  }
  combo->setCurrentIndex(static_cast<int>(index));
}

std::string PopupMenu::Text() const {
  CheckMainThread();
  QComboBox* combo = static_cast<PopupMenuImpl&>(Impl()).combo;
  return combo->currentIndex() < 0 ? std::string() : combo->currentText().toStdString();
}

std::int64_t PopupMenu::ListCount() const {
  CheckMainThread();
  return static_cast<PopupMenuImpl&>(Impl()).combo->count();
}

std::string PopupMenu::List(std::int64_t row) const {
  CheckMainThread();
  QComboBox* combo = static_cast<PopupMenuImpl&>(Impl()).combo;
  if (row < 0 || row >= combo->count()) {
    throw OutOfBoundsException("row " + std::to_string(row) + " of pop-up menu " + Name() + " (" +
                               std::to_string(combo->count()) + " rows)");
  }
  return combo->itemText(static_cast<int>(row)).toStdString();
}

// --- Listbox -------------------------------------------------------------------------------

Listbox::Listbox(Window& owner) : RectControl(owner, std::make_unique<ListboxImpl>(owner)) {}

void Listbox::AddRow(const std::vector<std::string>& texts) {
  CheckMainThread();
  auto& impl = static_cast<ListboxImpl&>(Impl());
  impl.rows.push_back(texts.empty() ? std::string() : texts.front());
  if (impl.list != nullptr) impl.list->addItem(QString::fromStdString(impl.rows.back()));
}

const std::string& Listbox::List(std::int64_t row) const {
  CheckMainThread();
  const auto& impl = static_cast<const ListboxImpl&>(Impl());
  impl.CheckRow(row);
  return impl.rows[static_cast<std::size_t>(row)];
}

void Listbox::RemoveRow(std::int64_t row) {
  CheckMainThread();
  auto& impl = static_cast<ListboxImpl&>(Impl());
  impl.CheckRow(row);
  impl.rows.erase(impl.rows.begin() + static_cast<std::ptrdiff_t>(row));
  if (impl.list != nullptr) delete impl.list->takeItem(static_cast<int>(row));
}

std::int64_t Listbox::ListCount() const {
  CheckMainThread();
  return static_cast<std::int64_t>(static_cast<const ListboxImpl&>(Impl()).rows.size());
}

}  // namespace fw

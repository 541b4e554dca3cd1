// Controls with an Action: push buttons, bevel buttons and check boxes. The Action runs on a
// click (a person's or testing::Click), never when code changes a state.
#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QToolButton>

#include "framework/application.h"
#include "framework/controls.h"
#include "framework/qt_widgets.h"
#include "framework/services.h"

namespace fw {
namespace {

using detail::Caption;
using detail::Has;

// The application's style, drawing the style's own focus frame on push buttons. The standard
// style shows a push button's focus only by the outline it also gives the default button, so the
// default button looked the same with the focus as without it.
class FocusFrameStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !option->state.testFlag(State_HasFocus)) return;
    QStyleOptionFocusRect frame;
    frame.QStyleOption::operator=(*option);
    frame.rect = subElementRect(SE_PushButtonFocusRect, option, widget);
    drawPrimitive(PE_FrameFocusRect, &frame, painter, widget);
  }
};

template <class Button>
Button* MakeButton(ControlImpl& impl, Window& owner) {
  auto* button = new Button(owner.Impl().content);
  button->hide();
  impl.widget = button;
  return button;
}

template <class Button>
void BindClicked(ControlImpl& impl, Button* button) {
  QObject::connect(button, &QAbstractButton::clicked, button, [&impl] { impl.RunActions(); });
}

struct PushButtonImpl : ControlImpl {
  explicit PushButtonImpl(Window& owner)
      : ControlImpl(owner), button(MakeButton<QPushButton>(*this, owner)) {}
  void Attach() override { BindClicked(*this, button); }
  void Apply(const PropertyValues& changed) override {
    if (Has(changed, "Caption")) button->setText(Caption(StringProp("Caption")));
    if (Has(changed, "Default")) button->setDefault(BoolProp("Default", false));
  }
  QPushButton* button;
};

struct BevelButtonImpl : ControlImpl {
  explicit BevelButtonImpl(Window& owner)
      : ControlImpl(owner), button(MakeButton<QToolButton>(*this, owner)) {}
  void Attach() override { BindClicked(*this, button); }
  void Apply(const PropertyValues& changed) override {
    if (Has(changed, "Caption")) button->setText(Caption(StringProp("Caption")));
    if (Has(changed, "AllowFocus")) {
      button->setFocusPolicy(BoolProp("AllowFocus", true) ? Qt::StrongFocus : Qt::NoFocus);
    }
    if (Has(changed, "HasBackgroundColor") || Has(changed, "BackgroundColor") ||
        Has(changed, "TextColor")) {
      QPalette palette = button->palette();
      auto color = props.find("BackgroundColor");
      if (BoolProp("HasBackgroundColor", false) && color != props.end()) {
        palette.setColor(QPalette::Button, QColor::fromRgb(std::get<Color>(color->second).rgb));
        button->setAutoFillBackground(true);
      }
      auto text = props.find("TextColor");
      if (text != props.end()) {
        palette.setColor(QPalette::ButtonText, QColor::fromRgb(std::get<Color>(text->second).rgb));
      }
      button->setPalette(palette);
    }
    ShowIcon();
  }
  // The picture fits inside the button; the caption, if any, goes under it.
  void ShowIcon() {
    const bool hasCaption = !StringProp("Caption").empty();
    if (icon) {
      const QImage& image = icon->Impl().image;
      button->setIcon(QIcon(QPixmap::fromImage(image)));
      const QSize room = button->size() - QSize(6, 6);
      button->setIconSize(image.size().boundedTo(room.expandedTo(QSize(1, 1))));
    } else {
      button->setIcon(QIcon());
    }
    button->setToolButtonStyle(!hasCaption ? Qt::ToolButtonIconOnly
                               : icon      ? Qt::ToolButtonTextUnderIcon
                                           : Qt::ToolButtonTextOnly);
  }
  QToolButton* button;
  std::shared_ptr<Picture> icon;
};

struct CheckBoxImpl : ControlImpl {
  explicit CheckBoxImpl(Window& owner)
      : ControlImpl(owner), box(MakeButton<QCheckBox>(*this, owner)) {}
  void Attach() override { BindClicked(*this, box); }
  void Apply(const PropertyValues& changed) override {
    if (Has(changed, "Caption")) box->setText(Caption(StringProp("Caption")));
    if (Has(changed, "VisualState")) {
      const std::int64_t state = IntProp("VisualState", 0);
      box->setTristate(state == 2);
      box->setCheckState(state == 1   ? Qt::Checked
                         : state == 2 ? Qt::PartiallyChecked
                                      : Qt::Unchecked);
    }
  }
  QCheckBox* box;
};

}  // namespace

namespace detail {
void InstallFocusFrameStyle() {
  static bool installed = false;
  if (installed || QApplication::instance() == nullptr) return;
  installed = true;
  // Over the style the application was given (by the platform, or by -style).
  QApplication::setStyle(new FocusFrameStyle(QApplication::style()->name()));
}
}  // namespace detail

void ActionControl::AddActionHandler(ActionHandler handler) {
  CheckMainThread();
  Impl().actions.push_back(std::move(handler));
}

PushButton::PushButton(Window& owner)
    : ActionControl(owner, std::make_unique<PushButtonImpl>(owner)) {}

std::string PushButton::Caption() const {
  CheckMainThread();
  return Impl().StringProp("Caption");
}

bool PushButton::Default() const {
  CheckMainThread();
  return Impl().BoolProp("Default", false);
}

BevelButton::BevelButton(Window& owner)
    : ActionControl(owner, std::make_unique<BevelButtonImpl>(owner)) {}

std::string BevelButton::Caption() const {
  CheckMainThread();
  return Impl().StringProp("Caption");
}

void BevelButton::SetIcon(std::shared_ptr<Picture> icon) {
  CheckMainThread();
  auto& impl = static_cast<BevelButtonImpl&>(Impl());
  impl.icon = std::move(icon);
  impl.ShowIcon();
}

std::shared_ptr<Picture> BevelButton::Icon() const {
  CheckMainThread();
  return static_cast<BevelButtonImpl&>(Impl()).icon;
}

CheckBox::CheckBox(Window& owner) : ActionControl(owner, std::make_unique<CheckBoxImpl>(owner)) {}

std::string CheckBox::Caption() const {
  CheckMainThread();
  return Impl().StringProp("Caption");
}

bool CheckBox::Value() const {
  CheckMainThread();
  return static_cast<CheckBoxImpl&>(Impl()).box->checkState() == Qt::Checked;
}

void CheckBox::SetValue(bool value) {
  CheckMainThread();
  static_cast<CheckBoxImpl&>(Impl()).box->setCheckState(value ? Qt::Checked : Qt::Unchecked);
}

}  // namespace fw

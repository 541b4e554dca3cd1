// What every control shares: its registry identity, its stored properties, its place in the
// window (window coordinates mapped into whatever widget holds it) and the common properties.
#include "framework/controls.h"

#include <QApplication>
#include <QFont>
#include <QWidget>
#include <cmath>

#include "framework/application.h"
#include "framework/exceptions.h"
#include "framework/qt_widgets.h"

namespace fw {
namespace {

using detail::Has;

void ApplyFont(QWidget& widget, const PropertyValues& props, const PropertyValues& changed) {
  if (!Has(changed, "FontName") && !Has(changed, "FontSize") && !Has(changed, "Bold") &&
      !Has(changed, "Italic") && !Has(changed, "Underline")) {
    return;
  }
  QFont font = QApplication::font();
  auto name = props.find("FontName");
  if (name != props.end()) {
    const std::string& family = std::get<std::string>(name->second);
    // "System" and "SmallSystem" stand for the toolkit's own interface font.
    if (!family.empty() && family != "System" && family != "SmallSystem") {
      font.setFamily(QString::fromStdString(family));
    }
  }
  auto size = props.find("FontSize");
  if (size != props.end()) {
    // Sizes are in the pixels of the window's fixed layout; 0 keeps the toolkit's size.
    const float pixels = std::get<float>(size->second);
    if (pixels > 0 && pixels < 1000) font.setPixelSize(static_cast<int>(std::lround(pixels)));
  }
  auto flag = [&](std::string_view key) {
    auto it = props.find(key);
    return it != props.end() && std::get<bool>(it->second);
  };
  font.setBold(flag("Bold"));
  font.setItalic(flag("Italic"));
  font.setUnderline(flag("Underline"));
  widget.setFont(font);
}

}  // namespace

// --- ControlImpl ---------------------------------------------------------------------------

ControlImpl::ControlImpl(Window& owner) : window(&owner) {
  // Widgets may only be made on the main thread; check before a subclass makes one.
  CheckMainThread();
}

ControlImpl::~ControlImpl() {
  delete widget.data();
}

QWidget* ControlImpl::ChildArea(std::int64_t page) {
  (void)page;
  return nullptr;
}

QPoint ControlImpl::ChildOrigin(std::int64_t page) const {
  (void)page;
  return QPoint(static_cast<int>(IntProp("Left", 0)), static_cast<int>(IntProp("Top", 0)));
}

std::int64_t ControlImpl::IntProp(std::string_view key, std::int64_t fallback) const {
  auto it = props.find(key);
  if (it == props.end()) return fallback;
  if (const auto* value = std::get_if<std::int64_t>(&it->second)) return *value;
  return fallback;
}

bool ControlImpl::BoolProp(std::string_view key, bool fallback) const {
  auto it = props.find(key);
  if (it == props.end()) return fallback;
  if (const auto* value = std::get_if<bool>(&it->second)) return *value;
  return fallback;
}

std::string ControlImpl::StringProp(std::string_view key) const {
  auto it = props.find(key);
  if (it == props.end()) return {};
  if (const auto* value = std::get_if<std::string>(&it->second)) return *value;
  return {};
}

void ControlImpl::Place() {
  QWidget* w = widget;
  if (w == nullptr) return;
  const std::string parentName = StringProp("InitialParent");
  const std::int64_t page = IntProp("TabPanelIndex", 0);
  QWidget* area = window->Impl().content;
  QPoint origin(0, 0);
  if (!parentName.empty()) {
    Control* parent = window->ControlByName(parentName);
    if (parent == nullptr) {
      throw NilObjectException("no control named " + parentName + " to hold " + name);
    }
    area = parent->Impl().ChildArea(page);
    if (area == nullptr) {
      throw RuntimeException(parentName + " (" + parent->ClassName() + ") cannot hold " + name);
    }
    origin = parent->Impl().ChildOrigin(page);
  }
  if (w->parentWidget() != area) w->setParent(area);  // hides it; shown again below
  if (StaysBehindSiblings()) w->lower();
  const QSize hint = w->sizeHint();
  const auto x = IntProp("Left", 0) - origin.x();
  const auto y = IntProp("Top", 0) - origin.y();
  w->setGeometry(static_cast<int>(x), static_cast<int>(y),
                 static_cast<int>(IntProp("Width", hint.width())),
                 static_cast<int>(IntProp("Height", hint.height())));
  w->setVisible(BoolProp("Visible", true));
  placed = true;
}

void ControlImpl::RunActions() {
  // A handler may add handlers; run the ones bound when the event came.
  const auto handlers = actions;
  for (const auto& handler : handlers) CallHandler(handler);
}

// --- Control -------------------------------------------------------------------------------

Control::Control(Window& owner, std::unique_ptr<ControlImpl> impl) : impl_(std::move(impl)) {
  (void)owner;
  impl_->control = this;
  impl_->Attach();
}

Control::~Control() = default;

const std::string& Control::Name() const {
  CheckMainThread();
  return impl_->name;
}

Window& Control::OwnerWindow() const {
  CheckMainThread();
  return *impl_->window;
}

const PropertyValues& Control::Properties() const {
  CheckMainThread();
  return impl_->props;
}

void Control::SetProperties(std::string_view record) {
  CheckMainThread();
  const PropertyValues changed = DecodeProperties(record, DeclaredProperties());
  for (const auto& [key, value] : changed) impl_->props.insert_or_assign(key, value);

  impl_->Place();
  if (QWidget* w = impl_->widget) {
    if (Has(changed, "Enabled")) w->setEnabled(impl_->BoolProp("Enabled", true));
    if (Has(changed, "Tooltip"))
      w->setToolTip(QString::fromStdString(impl_->StringProp("Tooltip")));
    if (Has(changed, "TabStop") && !impl_->BoolProp("TabStop", true) &&
        (w->focusPolicy() & Qt::TabFocus) != 0) {
      w->setFocusPolicy(Qt::ClickFocus);
    }
    ApplyFont(*w, impl_->props, changed);
  }
  impl_->Apply(changed);

  // A container that moved or changed its pages moves the controls it holds.
  if (!impl_->name.empty() && impl_->ChildArea(0) != nullptr) {
    for (const auto& other : impl_->window->Impl().controls) {
      ControlImpl& child = other->Impl();
      if (child.placed && &child != impl_.get() &&
          child.StringProp("InitialParent") == impl_->name) {
        child.Place();
      }
    }
  }
  // A record applied to an open window may have moved the control in the tab order.
  if (impl_->window->Impl().open) impl_->window->Impl().OrderFocus();
}

// --- RectControl ---------------------------------------------------------------------------

void RectControl::SetFocus() {
  CheckMainThread();
  if (QWidget* w = Impl().widget) w->setFocus(Qt::OtherFocusReason);
}

bool RectControl::Visible() const {
  CheckMainThread();
  if (QWidget* w = Impl().widget) return !w->isHidden();
  return Impl().BoolProp("Visible", false);
}

bool RectControl::Enabled() const {
  CheckMainThread();
  if (QWidget* w = Impl().widget) return w->isEnabled();
  return Impl().BoolProp("Enabled", true);
}

std::int64_t RectControl::Left() const {
  CheckMainThread();
  return Impl().IntProp("Left", 0);
}

std::int64_t RectControl::Top() const {
  CheckMainThread();
  return Impl().IntProp("Top", 0);
}

std::int64_t RectControl::Width() const {
  CheckMainThread();
  if (QWidget* w = Impl().widget) return w->width();
  return Impl().IntProp("Width", 0);
}

std::int64_t RectControl::Height() const {
  CheckMainThread();
  if (QWidget* w = Impl().widget) return w->height();
  return Impl().IntProp("Height", 0);
}

}  // namespace fw

#include "window/records.h"

namespace window {

namespace {

// No control is ever found by its index.
constexpr std::int64_t kNoIndex = -2147483648LL;

void AddPlace(fw::PropertyRecord& e, const Placement& p) {
  e.String("Name", p.name)
      .Integer("Index", kNoIndex)
      .Integer("Left", p.left)
      .Integer("Top", p.top)
      .Integer("Width", p.width)
      .Integer("Height", p.height);
}

void AddFlags(fw::PropertyRecord& e, const Placement& p) {
  e.Boolean("LockLeft", false)
      .Boolean("LockTop", false)
      .Boolean("LockRight", false)
      .Boolean("LockBottom", false)
      .Integer("TabIndex", p.tabIndex)
      .Integer("TabPanelIndex", p.parent.tab)
      .Boolean("TabStop", true)
      .Boolean("Visible", p.visible)
      .Boolean("Enabled", true)
      .String("Tooltip", "");
}

// The start of most records: place, flags, then AllowAutoDeactivate.
fw::PropertyRecord Begin(const Placement& p) {
  fw::PropertyRecord e;
  AddPlace(e, p);
  AddFlags(e, p);
  e.Boolean("AllowAutoDeactivate", true);
  return e;
}

// The start of the separators' and the bevel button's records.
fw::PropertyRecord BeginTransparent(const Placement& p) {
  fw::PropertyRecord e;
  e.Boolean("AllowAutoDeactivate", true).Boolean("Transparent", true);
  AddPlace(e, p);
  AddFlags(e, p);
  return e;
}

// The toolkit's standard interface font, plain.
void AddFont(fw::PropertyRecord& e, float size) {
  e.String("FontName", "System")
      .Single("FontSize", size)
      .Byte("FontUnit", 0)
      .Boolean("Bold", false)
      .Boolean("Italic", false)
      .Boolean("Underline", false);
}

void AddNoDataBinding(fw::PropertyRecord& e) {
  e.String("DataSource", "").String("DataField", "");
}

fw::PropertyRecord& End(fw::PropertyRecord& e, const Placement& p) {
  return e.String("InitialParent", p.parent.name);
}

}  // namespace

fw::PropertyRecord TextFieldRecord(const Placement& place, bool readOnly, std::uint32_t background,
                                   std::uint32_t textColor) {
  fw::PropertyRecord e = Begin(place);
  e.String("Text", "")
      .Boolean("HasBorder", true)
      .Boolean("Password", false)
      .Boolean("Transparent", true)
      .Boolean("AllowFocusRing", true);
  AddFont(e, 12);
  e.String("Format", "")
      .String("Hint", "")
      .String("ValidationMask", "")
      .Integer("MaximumCharactersAllowed", 0)
      .Boolean("AllowTabs", false)
      .Integer("TextAlignment", 0)
      .Boolean("AllowSpellChecking", false);
  AddNoDataBinding(e);
  e.Boolean("ReadOnly", readOnly)
      .ColorValue("BackgroundColor", background)
      .ColorValue("TextColor", textColor);
  return End(e, place);
}

fw::PropertyRecord LabelRecord(const Placement& place, std::string_view text, bool multiline) {
  fw::PropertyRecord e = Begin(place);
  e.String("Text", text)
      .Boolean("Multiline", multiline)
      .Boolean("Selectable", false)
      .Integer("TextAlignment", 0)
      .ColorValue("TextColor", kBlack)
      .Boolean("Transparent", false);
  AddFont(e, 0);
  AddNoDataBinding(e);
  return End(e, place);
}

fw::PropertyRecord PushButtonRecord(const Placement& place, std::string_view caption,
                                    bool isDefault) {
  fw::PropertyRecord e = Begin(place);
  e.String("Caption", caption)
      .Boolean("Default", isDefault)
      .Boolean("Cancel", false)
      .Integer("MacButtonStyle", 0)
      .Boolean("Transparent", true);
  AddFont(e, 12);
  return End(e, place);
}

fw::PropertyRecord SeparatorRecord(const Placement& place) {
  fw::PropertyRecord e = BeginTransparent(place);
  return End(e, place);
}

fw::PropertyRecord PopupMenuRecord(const Placement& place, std::string_view rows,
                                   std::int64_t selectedRow) {
  fw::PropertyRecord e = Begin(place);
  e.String("InitialValue", rows)
      .Integer("SelectedRowIndex", selectedRow)
      .Boolean("Transparent", true);
  AddFont(e, 12);
  AddNoDataBinding(e);
  return End(e, place);
}

fw::PropertyRecord CheckBoxRecord(const Placement& place, std::string_view caption) {
  fw::PropertyRecord e = Begin(place);
  e.String("Caption", caption).Integer("VisualState", 0).Boolean("Transparent", true);
  AddFont(e, 12);
  AddNoDataBinding(e);
  return End(e, place);
}

fw::PropertyRecord GroupBoxRecord(const Placement& place, std::string_view caption) {
  fw::PropertyRecord e = Begin(place);
  e.String("Caption", caption).Boolean("Transparent", true);
  AddFont(e, 12);
  return End(e, place);
}

fw::PropertyRecord TabPanelRecord(const Placement& place, std::string_view tabs) {
  fw::PropertyRecord e = Begin(place);
  e.String("TabDefinition", tabs)
      .Integer("Value", 0)
      .Boolean("SmallTabs", false)
      .Boolean("Transparent", true);
  AddFont(e, 12);
  return End(e, place);
}

fw::PropertyRecord BevelButtonRecord(const Placement& place) {
  fw::PropertyRecord e = BeginTransparent(place);
  e.String("Caption", "")
      .Integer("CaptionAlignment", 3)
      .Integer("CaptionPosition", 1)
      .Integer("CaptionDelta", 0)
      .Integer("IconAlignment", 0)
      .Integer("IconDeltaX", 0)
      .Integer("IconDeltaY", 0)
      .Integer("BevelStyle", 0)
      .Integer("MenuStyle", 0)
      .Integer("ButtonStyle", 0)
      .Boolean("HasBackgroundColor", false)
      .ColorValue("BackgroundColor", 0xDEDC7A)
      .ColorValue("TextColor", kBlack)
      .Boolean("Value", false)
      .Boolean("AllowFocus", false);
  AddFont(e, 12);
  return End(e, place);
}

fw::PropertyRecord ListboxRecord(const Placement& place) {
  fw::PropertyRecord e = Begin(place);
  e.Integer("ColumnCount", 1)
      .String("ColumnWidths", "")
      .Boolean("HasHeader", false)
      .Integer("HeadingIndex", -1)
      .String("InitialValue", "")
      .Boolean("HasBorder", true)
      .Boolean("HasVerticalScrollbar", true)
      .Boolean("HasHorizontalScrollbar", false)
      .Boolean("AllowAutoHideScrollbars", true)
      .Integer("DefaultRowHeight", -1)
      .Integer("GridLinesHorizontalStyle", 0)
      .Integer("GridLinesVerticalStyle", 0)
      .Integer("RowSelectionType", 0)
      .Boolean("RequiresSelection", false)
      .Boolean("DropIndicatorVisible", false)
      .Boolean("AllowResizableColumns", false)
      .Boolean("AllowRowDragging", false)
      .Boolean("AllowRowReordering", false)
      .Boolean("AllowExpandableRows", false)
      .Boolean("Transparent", true)
      .Boolean("AllowFocusRing", true);
  AddFont(e, 12);
  AddNoDataBinding(e);
  e.Integer("ScrollOffset", 0).Integer("ScrollWidth", -1);
  return End(e, place);
}

fw::PropertyRecord WindowRecord(const WindowLook& look) {
  fw::PropertyRecord e;
  e.Integer("Width", look.width)
      .Integer("Height", look.height)
      .Integer("MinimumWidth", 64)
      .Integer("MinimumHeight", 64)
      .Integer("MaximumWidth", 32000)
      .Integer("MaximumHeight", 32000)
      .Integer("Type", 0)
      .String("Title", look.title)
      .Boolean("HasCloseButton", true)
      .Boolean("HasMaximizeButton", look.hasMaximizeButton)
      .Boolean("HasMinimizeButton", false)
      .Boolean("HasFullScreenButton", false)
      .Boolean("Resizeable", false)
      .Boolean("Composite", false)
      .Integer("MacProcID", 0)
      .Boolean("FullScreen", false)
      .Integer("DefaultLocation", look.defaultLocation)
      .Boolean("Visible", true)
      .Boolean("HasBackgroundColor", false)
      .ColorValue("BackgroundColor", look.backgroundColor)
      .Boolean("MenuBarVisible", true)
      .Boolean("LiveResize", false);
  return e;
}

}  // namespace window

// The properties each class declares, with their types: a record is decoded by these tables, so
// a name missing here cannot be set by a record.
#include <initializer_list>
#include <utility>

#include "framework/controls.h"
#include "framework/window.h"

namespace fw {
namespace {

using Entries = std::initializer_list<std::pair<const char*, PropertyType>>;
constexpr PropertyType kInt = PropertyType::Integer;
constexpr PropertyType kBool = PropertyType::Boolean;
constexpr PropertyType kText = PropertyType::String;
constexpr PropertyType kColor = PropertyType::Color;

// Builds one table from groups of entries.
PropertyTypes Table(std::initializer_list<Entries> groups) {
  PropertyTypes table;
  for (const Entries& group : groups) {
    for (const auto& [name, type] : group) table.emplace(name, type);
  }
  return table;
}

// Every control: identity, place, tab order, parent and flags.
const Entries kCommon = {
    {"Name", kText},        {"Index", kInt},          {"Left", kInt},
    {"Top", kInt},          {"Width", kInt},          {"Height", kInt},
    {"LockLeft", kBool},    {"LockTop", kBool},       {"LockRight", kBool},
    {"LockBottom", kBool},  {"TabIndex", kInt},       {"TabPanelIndex", kInt},
    {"TabStop", kBool},     {"InitialParent", kText}, {"Visible", kBool},
    {"Enabled", kBool},     {"Tooltip", kText},       {"AllowAutoDeactivate", kBool},
    {"Transparent", kBool},
};
// Every control that shows text.
const Entries kFont = {
    {"FontName", kText},
    {"FontSize", PropertyType::Single},
    {"FontUnit", PropertyType::Byte},
    {"Bold", kBool},
    {"Italic", kBool},
    {"Underline", kBool},
};
const Entries kData = {{"DataSource", kText}, {"DataField", kText}};

}  // namespace

const PropertyTypes& Window::DeclaredProperties() {
  static const PropertyTypes table = Table({{
      {"Width", kInt},
      {"Height", kInt},
      {"MinimumWidth", kInt},
      {"MinimumHeight", kInt},
      {"MaximumWidth", kInt},
      {"MaximumHeight", kInt},
      {"Type", kInt},
      {"Title", kText},
      {"HasCloseButton", kBool},
      {"HasMaximizeButton", kBool},
      {"HasMinimizeButton", kBool},
      {"HasFullScreenButton", kBool},
      {"Resizeable", kBool},
      {"Composite", kBool},
      {"MacProcID", kInt},
      {"FullScreen", kBool},
      {"DefaultLocation", kInt},
      {"Visible", kBool},
      {"HasBackgroundColor", kBool},
      {"BackgroundColor", kColor},
      {"MenuBarVisible", kBool},
      {"LiveResize", kBool},
  }});
  return table;
}

const PropertyTypes& TextField::DeclaredProperties() const {
  static const PropertyTypes table = Table({kCommon,
                                            kFont,
                                            kData,
                                            {
                                                {"Text", kText},
                                                {"HasBorder", kBool},
                                                {"Password", kBool},
                                                {"AllowFocusRing", kBool},
                                                {"Format", kText},
                                                {"Hint", kText},
                                                {"ValidationMask", kText},
                                                {"MaximumCharactersAllowed", kInt},
                                                {"AllowTabs", kBool},
                                                {"TextAlignment", kInt},
                                                {"AllowSpellChecking", kBool},
                                                {"ReadOnly", kBool},
                                                {"BackgroundColor", kColor},
                                                {"TextColor", kColor},
                                            }});
  return table;
}

const PropertyTypes& Label::DeclaredProperties() const {
  static const PropertyTypes table = Table({kCommon,
                                            kFont,
                                            kData,
                                            {
                                                {"Text", kText},
                                                {"Multiline", kBool},
                                                {"Selectable", kBool},
                                                {"TextAlignment", kInt},
                                                {"TextColor", kColor},
                                            }});
  return table;
}

const PropertyTypes& PushButton::DeclaredProperties() const {
  static const PropertyTypes table = Table({kCommon,
                                            kFont,
                                            {
                                                {"Caption", kText},
                                                {"Default", kBool},
                                                {"Cancel", kBool},
                                                {"MacButtonStyle", kInt},
                                            }});
  return table;
}

const PropertyTypes& BevelButton::DeclaredProperties() const {
  static const PropertyTypes table = Table({kCommon,
                                            kFont,
                                            {
                                                {"Caption", kText},
                                                {"CaptionAlignment", kInt},
                                                {"CaptionPosition", kInt},
                                                {"CaptionDelta", kInt},
                                                {"IconAlignment", kInt},
                                                {"IconDeltaX", kInt},
                                                {"IconDeltaY", kInt},
                                                {"BevelStyle", kInt},
                                                {"MenuStyle", kInt},
                                                {"ButtonStyle", kInt},
                                                {"HasBackgroundColor", kBool},
                                                {"BackgroundColor", kColor},
                                                {"TextColor", kColor},
                                                {"Value", kBool},
                                                {"AllowFocus", kBool},
                                            }});
  return table;
}

const PropertyTypes& CheckBox::DeclaredProperties() const {
  static const PropertyTypes table =
      Table({kCommon, kFont, kData, {{"Caption", kText}, {"VisualState", kInt}}});
  return table;
}

const PropertyTypes& PopupMenu::DeclaredProperties() const {
  static const PropertyTypes table =
      Table({kCommon, kFont, kData, {{"InitialValue", kText}, {"SelectedRowIndex", kInt}}});
  return table;
}

const PropertyTypes& GroupBox::DeclaredProperties() const {
  static const PropertyTypes table = Table({kCommon, kFont, {{"Caption", kText}}});
  return table;
}

const PropertyTypes& TabPanel::DeclaredProperties() const {
  static const PropertyTypes table =
      Table({kCommon, kFont, {{"TabDefinition", kText}, {"Value", kInt}, {"SmallTabs", kBool}}});
  return table;
}

const PropertyTypes& Separator::DeclaredProperties() const {
  static const PropertyTypes table = Table({kCommon});
  return table;
}

const PropertyTypes& Listbox::DeclaredProperties() const {
  static const PropertyTypes table = Table({kCommon,
                                            kFont,
                                            kData,
                                            {
                                                {"ColumnCount", kInt},
                                                {"ColumnWidths", kText},
                                                {"HasHeader", kBool},
                                                {"HeadingIndex", kInt},
                                                {"InitialValue", kText},
                                                {"HasBorder", kBool},
                                                {"HasVerticalScrollbar", kBool},
                                                {"HasHorizontalScrollbar", kBool},
                                                {"AllowAutoHideScrollbars", kBool},
                                                {"DefaultRowHeight", kInt},
                                                {"GridLinesHorizontalStyle", kInt},
                                                {"GridLinesVerticalStyle", kInt},
                                                {"RowSelectionType", kInt},
                                                {"RequiresSelection", kBool},
                                                {"DropIndicatorVisible", kBool},
                                                {"AllowResizableColumns", kBool},
                                                {"AllowRowDragging", kBool},
                                                {"AllowRowReordering", kBool},
                                                {"AllowExpandableRows", kBool},
                                                {"AllowFocusRing", kBool},
                                                {"ScrollOffset", kInt},
                                                {"ScrollWidth", kInt},
                                            }});
  return table;
}

}  // namespace fw

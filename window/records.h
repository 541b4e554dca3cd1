// Property records of windows and controls, built entry by entry. Each builder gives exactly the
// entries one class of control carries: the values every control shares, the values of its
// class, and the place, parent and texts of the control at hand.
#pragma once

#include <cstdint>
#include <string_view>

#include "framework/property_record.h"

namespace window {

// The container a control is created in: the window itself ("") or a control, and the tab page
// (1 "Calculator", 2 "Fraction/Decimal", 0 none).
struct Parent {
  std::string_view name;
  std::int64_t tab;
};
inline constexpr Parent kWindow{"", 0};
inline constexpr Parent kCalculatorTab{"TabPanel1", 1};
inline constexpr Parent kFractionTab{"TabPanel1", 2};
inline constexpr Parent kRoundingGroup{"GroupBox1", 2};

// Name, container and place of one control; Left and Top are window coordinates whatever the
// parent.
struct Placement {
  std::string_view name;
  Parent parent;
  std::int64_t left, top, width, height;
  std::int64_t tabIndex;
  bool visible = true;
};

// Colours are 0xRRGGBB words.
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;

fw::PropertyRecord TextFieldRecord(const Placement& place, bool readOnly, std::uint32_t background,
                                   std::uint32_t textColor);
// Labels: "System" at size 0, black, not selectable.
fw::PropertyRecord LabelRecord(const Placement& place, std::string_view text, bool multiline);
fw::PropertyRecord PushButtonRecord(const Placement& place, std::string_view caption,
                                    bool isDefault);
fw::PropertyRecord SeparatorRecord(const Placement& place);
fw::PropertyRecord PopupMenuRecord(const Placement& place, std::string_view rows,
                                   std::int64_t selectedRow);
fw::PropertyRecord CheckBoxRecord(const Placement& place, std::string_view caption);
fw::PropertyRecord GroupBoxRecord(const Placement& place, std::string_view caption);
fw::PropertyRecord TabPanelRecord(const Placement& place, std::string_view tabs);
// A bevel button showing its icon only.
fw::PropertyRecord BevelButtonRecord(const Placement& place);
// A hidden one-column list that only stores rows.
fw::PropertyRecord ListboxRecord(const Placement& place);

// What distinguishes one window's record from another's.
struct WindowLook {
  std::int64_t width, height;
  std::string_view title;
  bool hasMaximizeButton;
  std::int64_t defaultLocation;
  std::uint32_t backgroundColor;
};
// A fixed-size document window with a close button, shown as soon as it is built.
fw::PropertyRecord WindowRecord(const WindowLook& look);

}  // namespace window

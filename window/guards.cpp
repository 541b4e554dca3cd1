// Input guards of the main window: the key filters of the two Calculator denominators and of the
// Fraction to Decimal numerator and denominator, the exclusive rounding check boxes, and the
// clearing of the Calculator tab by the eraser and File > Reset.
#include <cstdint>
#include <string>

#include "framework/services.h"
#include "framework/value.h"
#include "window/window1.h"

namespace {

constexpr const char* kDenominatorMessage =
    "All negative numbers in the denominator will be changed to a positive. If you wish to assign "
    "negative values, use the whole number or the numerator.";
constexpr const char* kPositiveMessage = "This field can only accept positive integers.";

// A negative denominator becomes the magnitude of its integer part ("-2.5" becomes "2"). The key
// being pressed is not part of the text yet. An integer part beyond the 64-bit range has no exact
// 64-bit magnitude: the field then shows the magnitude of the value in the double form, positive
// at least, so the next key brings no message again.
void MakeDenominatorPositive(fw::TextField& field) {
  const std::string text = field.Text();
  const std::int64_t t = fw::TruncText(text);
  const double v = fw::Val(text);
  if (v < 0) {
    fw::MsgBox(kDenominatorMessage);
    field.SetText(t == fw::kOutOfRange ? fw::Str(fw::Abs(v)) : fw::Str(-t));
  }
}

// The Fraction to Decimal inputs only warn; the text stays as typed.
void WarnIfNegative(const fw::TextField& field) {
  if (fw::CDbl(field.Text()) < 0) fw::MsgBox(kPositiveMessage);
}

// The rounding check boxes, 1/8, 1/16, 1/32, 1/64 and feet and inches.
fw::CheckBox& RoundingBox(const Window1& window, int number) {
  return window.ControlAs<fw::CheckBox>("CheckBox" + std::to_string(number));
}

// When box `checked` has just been checked, the other four are unchecked in the order 1 to 4,
// box 5 taking the place of the checked box. Unchecking a box changes no other.
void KeepOnlyChecked(const Window1& window, int checked) {
  if (!RoundingBox(window, checked).Value()) return;
  for (int other = 1; other <= 4; ++other) {
    RoundingBox(window, other == checked ? 5 : other).SetValue(false);
  }
}

}  // namespace

bool Window1::numbottom1_KeyDown(fw::TextField& /*field*/, const std::string& /*key*/) {
  MakeDenominatorPositive(numbottom1());
  return false;
}

bool Window1::numbottom2_KeyDown(fw::TextField& /*field*/, const std::string& /*key*/) {
  MakeDenominatorPositive(numbottom2());
  return false;
}

bool Window1::topper_KeyDown(fw::TextField& /*field*/, const std::string& /*key*/) {
  WarnIfNegative(topper());
  return false;
}

bool Window1::bottomer_KeyDown(fw::TextField& /*field*/, const std::string& /*key*/) {
  WarnIfNegative(bottomer());
  return false;
}

void Window1::CheckBox1_Action(fw::CheckBox& /*box*/) {
  KeepOnlyChecked(*this, 1);
}
void Window1::CheckBox2_Action(fw::CheckBox& /*box*/) {
  KeepOnlyChecked(*this, 2);
}
void Window1::CheckBox3_Action(fw::CheckBox& /*box*/) {
  KeepOnlyChecked(*this, 3);
}
void Window1::CheckBox4_Action(fw::CheckBox& /*box*/) {
  KeepOnlyChecked(*this, 4);
}
void Window1::CheckBox5_Action(fw::CheckBox& /*box*/) {
  KeepOnlyChecked(*this, 5);
}

void Window1::BevelButton1_Action(fw::BevelButton& /*button*/) {
  ClearCalculatorTab();
}

// The operation, "Multiple Operations", the history and the other tab stay as they are.
void Window1::ClearCalculatorTab() {
  whole1().SetText("");
  numtop1().SetText("");
  numbottom1().SetText("");
  numtop2().SetText("");
  numbottom2().SetText("");
  whole2().SetText("");
  EditField1().SetText("");
  EditField2().SetText("");
  EditField3().SetText("");
  EditField4().SetText("");
}

// "Calculate" on the Calculator tab: settles the operands' signs, repairs zero denominators, runs
// the chosen operation, records the press and, with "Multiple Operations", chains the result on.
#include "calc/calculate.h"

#include <cstdint>
#include <string>

#include "calc/calc_window.h"
#include "calc/integers.h"
#include "framework/services.h"
#include "framework/value.h"

namespace calc {
namespace {

// An operand is negative when its whole part or its numerator is. When both are, the user is
// told, and the numerator is made positive so that the sign stays on the whole part alone.
std::string SettleSign(std::int64_t whole, std::int64_t numerator, fw::TextField& numeratorField) {
  if (!(whole < 0 || numerator < 0)) return "+";
  if (whole < 0 && numerator < 0) {
    fw::MsgBox("There can only be one negative value for each mixed number.");
    numeratorField.SetText(fw::Str(WrappingNegate(numerator)));
  }
  return "-";
}

// A denominator left at 0 (or empty) counts as 1.
void RepairZeroDenominator(fw::TextField& field) {
  if (fw::CDbl(field.Text()) == 0) field.SetText("1");
}

// The result carried into operand 1 is the exact integer value of its field ("" gives "0").
void CarryResult(const fw::TextField& from, fw::TextField& to) {
  to.SetText(fw::Str(fw::TruncText(from.Text())));
}

}  // namespace

void CalcWindow::PushButton2_Action(fw::PushButton& /*button*/) {
  const std::int64_t sw1 = fw::TruncText(whole1().Text());
  const std::int64_t sw2 = fw::TruncText(whole2().Text());
  const std::int64_t sn1 = fw::TruncText(numtop1().Text());
  const std::int64_t sn2 = fw::TruncText(numtop2().Text());

  // Every press is counted before anything is tested; the history record follows near the end.
  keeptrack().SetText(fw::Str(WrappingAdd(fw::TruncText(keeptrack().Text()), 1)));

  SignFlags signs;
  signs.flag1 = SettleSign(sw1, sn1, numtop1());
  signs.flag2 = SettleSign(sw2, sn2, numtop2());

  RepairZeroDenominator(numbottom1());
  RepairZeroDenominator(numbottom2());

  // EditField4 keeps its text until reduce writes the new decimal.
  EditField3().SetText("");
  EditField2().SetText("");
  EditField1().SetText("");

  if (PopupMenu3().Text() == " +") {
    RunOperation(*this, Operation::kAdd, signs);
  } else if (PopupMenu3().Text() == " -") {
    RunOperation(*this, Operation::kSubtract, signs);
  } else if (PopupMenu3().Text() == " x") {
    RunOperation(*this, Operation::kMultiply, signs);
  } else if (PopupMenu3().Text() == " ÷") {
    RunOperation(*this, Operation::kDivide, signs);
  }

  // A result without a fractional part shows only its whole part and its decimal.
  if (fw::Val(EditField1().Text()) == 0) {
    EditField1().SetText("");
    EditField2().SetText("");
  }

  RecordPress(*this);

  if (multiple().Value()) {
    CarryResult(EditField3(), whole1());
    CarryResult(EditField1(), numtop1());
    CarryResult(EditField2(), numbottom1());
    numtop2().SetText("");
    numbottom2().SetText("");
    whole2().SetText("");
    whole2().SetFocus();
  }

  if (fw::CDbl(numtop1().Text()) == 0) numtop1().SetText("0");
  RepairZeroDenominator(numbottom1());
}

}  // namespace calc

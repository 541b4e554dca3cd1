// The computing handlers of the main window. They are methods of the main window's class (which
// derives from this one) and reach every control by name, on every use, through the accessors
// below; no control is kept between events.
#pragma once

#include <string>

#include "framework/controls.h"
#include "framework/window.h"

namespace calc {

class CalcWindow : public fw::Window {
 public:
  // Calculator tab: the two operands.
  fw::TextField& whole1() const { return ControlAs<fw::TextField>("whole1"); }
  fw::TextField& numtop1() const { return ControlAs<fw::TextField>("numtop1"); }
  fw::TextField& numbottom1() const { return ControlAs<fw::TextField>("numbottom1"); }
  fw::TextField& whole2() const { return ControlAs<fw::TextField>("whole2"); }
  fw::TextField& numtop2() const { return ControlAs<fw::TextField>("numtop2"); }
  fw::TextField& numbottom2() const { return ControlAs<fw::TextField>("numbottom2"); }
  // Calculator tab: the result (numerator, denominator, whole part, decimal).
  fw::TextField& EditField1() const { return ControlAs<fw::TextField>("EditField1"); }
  fw::TextField& EditField2() const { return ControlAs<fw::TextField>("EditField2"); }
  fw::TextField& EditField3() const { return ControlAs<fw::TextField>("EditField3"); }
  fw::TextField& EditField4() const { return ControlAs<fw::TextField>("EditField4"); }
  fw::PopupMenu& PopupMenu3() const { return ControlAs<fw::PopupMenu>("PopupMenu3"); }
  fw::CheckBox& multiple() const { return ControlAs<fw::CheckBox>("multiple"); }

  // The calculation history: the press counter and eleven lists moved in step.
  fw::TextField& keeptrack() const { return ControlAs<fw::TextField>("keeptrack"); }
  fw::Listbox& whole1temp() const { return ControlAs<fw::Listbox>("whole1temp"); }
  fw::Listbox& num1temp() const { return ControlAs<fw::Listbox>("num1temp"); }
  fw::Listbox& denom1temp() const { return ControlAs<fw::Listbox>("denom1temp"); }
  fw::Listbox& whole2temp() const { return ControlAs<fw::Listbox>("whole2temp"); }
  fw::Listbox& num2temp() const { return ControlAs<fw::Listbox>("num2temp"); }
  fw::Listbox& denom2temp() const { return ControlAs<fw::Listbox>("denom2temp"); }
  fw::Listbox& wholetemp() const { return ControlAs<fw::Listbox>("wholetemp"); }
  fw::Listbox& numtemp() const { return ControlAs<fw::Listbox>("numtemp"); }
  fw::Listbox& denomtemp() const { return ControlAs<fw::Listbox>("denomtemp"); }
  fw::Listbox& decimaltemp() const { return ControlAs<fw::Listbox>("decimaltemp"); }
  fw::Listbox& operation() const { return ControlAs<fw::Listbox>("operation"); }

  // Fraction/Decimal tab: Fraction to Decimal.
  fw::TextField& main() const { return ControlAs<fw::TextField>("main"); }
  fw::TextField& topper() const { return ControlAs<fw::TextField>("topper"); }
  fw::TextField& bottomer() const { return ControlAs<fw::TextField>("bottomer"); }
  fw::TextField& answerd() const { return ControlAs<fw::TextField>("answerd"); }
  // Fraction/Decimal tab: Decimal to Fraction and its rounding choice.
  fw::TextField& dec() const { return ControlAs<fw::TextField>("dec"); }
  fw::TextField& main2() const { return ControlAs<fw::TextField>("main2"); }
  fw::TextField& topnum() const { return ControlAs<fw::TextField>("topnum"); }
  fw::TextField& bnum() const { return ControlAs<fw::TextField>("bnum"); }
  fw::CheckBox& CheckBox1() const { return ControlAs<fw::CheckBox>("CheckBox1"); }
  fw::CheckBox& CheckBox2() const { return ControlAs<fw::CheckBox>("CheckBox2"); }
  fw::CheckBox& CheckBox3() const { return ControlAs<fw::CheckBox>("CheckBox3"); }
  fw::CheckBox& CheckBox4() const { return ControlAs<fw::CheckBox>("CheckBox4"); }
  fw::CheckBox& CheckBox5() const { return ControlAs<fw::CheckBox>("CheckBox5"); }

  // "Calculate" on the Calculator tab.
  void PushButton2_Action(fw::PushButton& button);
  // "Calculate" of Fraction to Decimal.
  void PushButton3_Action(fw::PushButton& button);
  // "Calculate" of Decimal to Fraction.
  void PushButton4_Action(fw::PushButton& button);
  // Edit > Undo: puts the newest recorded press back and discards it.
  bool EditUndo_Action();
  // Reduces EditField1 / EditField2 and writes the decimal of the whole result into EditField4.
  void reduce();
  // Reduces topnum / bnum.
  void reduction();
};

}  // namespace calc

// The steps of the "Calculate" press that live in files of their own: the four operations and the
// history record. Only the calculate*.cpp and history.cpp files include this.
#pragma once

#include <string>

#include "calc/calc_window.h"

namespace calc {

// The sign of each operand for the length of one press: "-" when the operand is negative, "+"
// otherwise. A flag belongs to the whole mixed number; the operations take each part without its
// sign and apply the flag to the operand as a whole.
struct SignFlags {
  std::string flag1;
  std::string flag2;
  // Exactly one operand negative: two negative operands make a positive product or quotient.
  bool ExactlyOneNegative() const {
    return (flag1 == "+" && flag2 == "-") || (flag1 == "-" && flag2 == "+");
  }
};

enum class Operation { kAdd, kSubtract, kMultiply, kDivide };

// Runs one operation on the operand fields: writes the result's whole part, numerator and
// denominator into EditField3, EditField1 and EditField2 and reduces it (reduce writes the decimal
// into EditField4); writes nothing when a denominator is below 1 in size; writes only "Overflow"
// into EditField4 when a part is out of range or a result field cannot hold the exact result, and
// only "Undefined" when dividing by 0.
void RunOperation(CalcWindow& window, Operation operation, const SignFlags& signs);

// Appends the press's record (operands, results, operation) to the eleven history lists.
void RecordPress(CalcWindow& window);

}  // namespace calc

// The calculation history: one record per "Calculate" press, eleven hidden lists moved in step
// with the press counter keeptrack. Edit > Undo puts the newest record back and discards it.
#include <cstdint>

#include "calc/calc_window.h"
#include "calc/calculate.h"
#include "calc/integers.h"
#include "framework/value.h"

namespace calc {

void RecordPress(CalcWindow& window) {
  window.whole1temp().AddRow({window.whole1().Text()});
  window.num1temp().AddRow({window.numtop1().Text()});
  window.denom1temp().AddRow({window.numbottom1().Text()});
  window.whole2temp().AddRow({window.whole2().Text()});
  window.num2temp().AddRow({window.numtop2().Text()});
  window.denom2temp().AddRow({window.numbottom2().Text()});
  window.decimaltemp().AddRow({window.EditField4().Text()});
  window.wholetemp().AddRow({window.EditField3().Text()});
  window.numtemp().AddRow({window.EditField1().Text()});
  window.denomtemp().AddRow({window.EditField2().Text()});
  window.operation().AddRow({fw::Str(window.PopupMenu3().ListIndex())});
}

bool CalcWindow::EditUndo_Action() {
  std::int64_t k = fw::TruncText(keeptrack().Text());
  if (k == 0) return false;
  const std::int64_t row = WrappingAdd(k, -1);
  whole1().SetText(whole1temp().List(row));
  whole2().SetText(whole2temp().List(row));
  EditField3().SetText(wholetemp().List(row));
  numtop1().SetText(num1temp().List(row));
  numtop2().SetText(num2temp().List(row));
  numbottom2().SetText(denom2temp().List(row));
  numbottom1().SetText(denom1temp().List(row));
  EditField1().SetText(numtemp().List(row));
  EditField2().SetText(denomtemp().List(row));
  EditField4().SetText(decimaltemp().List(row));
  PopupMenu3().SetListIndex(fw::TruncText(operation().List(row)));

  k = WrappingAdd(k, -1);
  keeptrack().SetText(fw::Str(k));
  whole1temp().RemoveRow(k);
  whole2temp().RemoveRow(k);
  wholetemp().RemoveRow(k);
  num1temp().RemoveRow(k);
  num2temp().RemoveRow(k);
  numtemp().RemoveRow(k);
  denom1temp().RemoveRow(k);
  denom2temp().RemoveRow(k);
  denomtemp().RemoveRow(k);
  decimaltemp().RemoveRow(k);
  operation().RemoveRow(k);
  return false;
}

}  // namespace calc

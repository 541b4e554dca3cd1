// The 55 controls of the main window, in creation order, one line each: class, name, container,
// Left, Top, Width, Height, tab order, then what differs per control. Containers come before the
// controls they hold.
#include "window/create_control.h"
#include "window/eraser.h"
#include "window/records.h"
#include "window/window1.h"

using namespace window;
using fw::BevelButton, fw::CheckBox, fw::GroupBox, fw::Label, fw::Listbox, fw::PopupMenu,
    fw::PushButton, fw::Separator, fw::TabPanel, fw::TextField;

namespace {

// Calculator tab: light blue operands, nearly white results with dark brown fraction digits.
constexpr std::uint32_t kOperandBlue = 0x8CBBFF;
constexpr std::uint32_t kResultWhite = 0xF9F3FF;
constexpr std::uint32_t kResultBrown = 0x291A10;
// Fraction/Decimal tab: two slightly different blues for the inputs, white results.
constexpr std::uint32_t kFractionBlue = 0x9EC6F3;
constexpr std::uint32_t kDecimalBlue = 0xA2C4F1;

fw::PropertyRecord Operand(const Placement& place) {
  return TextFieldRecord(place, false, kOperandBlue, kBlack);
}
fw::PropertyRecord FractionResult(const Placement& place) {
  return TextFieldRecord(place, true, kResultWhite, kResultBrown);
}
fw::PropertyRecord FractionInput(const Placement& place) {
  return TextFieldRecord(place, false, kFractionBlue, kBlack);
}
fw::PropertyRecord ConverterResult(const Placement& place) {
  return TextFieldRecord(place, true, kWhite, kBlack);
}
fw::PropertyRecord EqualsSign(const Placement& place) {
  return LabelRecord(place, "=", false);
}

// The operation rows: a blank and one sign each; the last sign is U+00F7.
constexpr const char* kOperations = " +\r -\r x\r \u00F7";

// A hidden history list: a direct child of the window on no tab, below the window's content.
fw::PropertyRecord HistoryList(std::string_view name, std::int64_t left, std::int64_t top,
                               std::int64_t tabIndex) {
  return ListboxRecord({name, kWindow, left, top, 100, 100, tabIndex, false});
}

}  // namespace

void Window1::CreateControls0() {
  CreateControl<TabPanel>(*this, TabPanelRecord({"TabPanel1", kWindow, 7, 7, 375, 344, 0},
                                                "Calculator\rFraction/Decimal"));
  // Calculator tab: the two operands, each a whole part beside a numerator over a denominator.
  CreateControl<TextField>(*this, Operand({"whole1", kCalculatorTab, 74, 78, 42, 22, 0}));
  CreateControl<TextField>(*this, Operand({"numtop1", kCalculatorTab, 138, 54, 62, 22, 1}));
  CreateControl<TextField>(*this, Operand({"numbottom1", kCalculatorTab, 138, 105, 62, 22, 2}),
                           &Window1::numbottom1_KeyDown);
  CreateControl<Separator>(*this,
                           SeparatorRecord({"Separator1", kCalculatorTab, 123, 296, 97, 4, 3}));
  CreateControl<TextField>(*this, Operand({"whole2", kCalculatorTab, 74, 187, 42, 22, 4}));
  CreateControl<TextField>(*this, Operand({"numtop2", kCalculatorTab, 138, 163, 62, 22, 5}));
  CreateControl<TextField>(*this, Operand({"numbottom2", kCalculatorTab, 138, 214, 62, 22, 6}),
                           &Window1::numbottom2_KeyDown);
  // The result: numerator, denominator, whole part and decimal value.
  CreateControl<TextField>(*this,
                           FractionResult({"EditField1", kCalculatorTab, 138, 261, 62, 22, 7}));
  CreateControl<TextField>(*this,
                           FractionResult({"EditField2", kCalculatorTab, 138, 312, 62, 22, 8}));
  CreateControl<Separator>(*this,
                           SeparatorRecord({"Separator2", kCalculatorTab, 123, 197, 97, 4, 9}));
  CreateControl<Separator>(*this,
                           SeparatorRecord({"Separator3", kCalculatorTab, 123, 88, 97, 4, 10}));
  CreateControl<Label>(*this, EqualsSign({"StaticText3", kCalculatorTab, 47, 286, 15, 21, 11}));
  CreateControl<TextField>(*this,
                           FractionResult({"EditField3", kCalculatorTab, 74, 285, 41, 22, 12}));
  CreateControl<PushButton>(
      *this,
      PushButtonRecord({"PushButton2", kCalculatorTab, 263, 183, 95, 30, 13}, "Calculate", true),
      &Window1::PushButton2_Action);
  CreateControl<PopupMenu>(
      *this, PopupMenuRecord({"PopupMenu3", kCalculatorTab, 24, 125, 64, 26, 14}, kOperations, 0));
  CreateControl<Label>(*this, EqualsSign({"StaticText1", kCalculatorTab, 222, 285, 15, 21, 15}));
  CreateControl<TextField>(
      *this, TextFieldRecord({"EditField4", kCalculatorTab, 255, 285, 103, 22, 16}, true,
                             kResultWhite, kBlack));

  // Fraction/Decimal tab, Fraction to Decimal: a mixed number and its decimal value.
  CreateControl<TextField>(*this, FractionInput({"main", kFractionTab, 28, 97, 55, 22, 0}));
  CreateControl<TextField>(*this, FractionInput({"topper", kFractionTab, 108, 73, 80, 22, 1}),
                           &Window1::topper_KeyDown);
  CreateControl<TextField>(*this, FractionInput({"bottomer", kFractionTab, 108, 124, 80, 22, 2}),
                           &Window1::bottomer_KeyDown);
  CreateControl<TextField>(*this, ConverterResult({"answerd", kFractionTab, 257, 97, 87, 21, 3}));
  CreateControl<PushButton>(
      *this,
      PushButtonRecord({"PushButton3", kFractionTab, 256, 143, 88, 25, 4}, "Calculate", false),
      &Window1::PushButton3_Action);
  CreateControl<Separator>(*this, SeparatorRecord({"Separator6", kFractionTab, 99, 108, 98, 4, 5}));
  CreateControl<Label>(*this, EqualsSign({"StaticText4", kFractionTab, 223, 98, 21, 20, 6}));
  // Decimal to Fraction: a decimal, its whole part and its fraction.
  CreateControl<TextField>(*this, TextFieldRecord({"dec", kFractionTab, 39, 243, 80, 22, 7}, false,
                                                  kDecimalBlue, kBlack));
  CreateControl<Label>(*this, EqualsSign({"StaticText2", kFractionTab, 131, 244, 19, 21, 8}));
  CreateControl<TextField>(*this, ConverterResult({"main2", kFractionTab, 156, 243, 79, 22, 9}));
  CreateControl<TextField>(*this, ConverterResult({"topnum", kFractionTab, 256, 215, 80, 22, 10}));
  CreateControl<TextField>(*this, ConverterResult({"bnum", kFractionTab, 256, 265, 80, 22, 11}));
}

void Window1::CreateControls1() {
  CreateControl<Separator>(*this,
                           SeparatorRecord({"Separator4", kFractionTab, 247, 249, 98, 4, 12}));
  CreateControl<PushButton>(
      *this,
      PushButtonRecord({"PushButton4", kFractionTab, 257, 306, 88, 25, 13}, "Calculate", false),
      &Window1::PushButton4_Action);
  // The rounding choice, in the box "Decimal to Fraction".
  CreateControl<GroupBox>(*this, GroupBoxRecord({"GroupBox1", kFractionTab, 20, 193, 351, 148, 14},
                                                "Decimal to Fraction"));
  CreateControl<CheckBox>(*this,
                          CheckBoxRecord({"CheckBox1", kRoundingGroup, 113, 285, 52, 20, 0}, "1/8"),
                          &Window1::CheckBox1_Action);
  CreateControl<CheckBox>(
      *this, CheckBoxRecord({"CheckBox2", kRoundingGroup, 178, 285, 57, 20, 1}, "1/16"),
      &Window1::CheckBox2_Action);
  CreateControl<CheckBox>(
      *this, CheckBoxRecord({"CheckBox3", kRoundingGroup, 112, 311, 55, 20, 2}, "1/32"),
      &Window1::CheckBox3_Action);
  CreateControl<CheckBox>(
      *this, CheckBoxRecord({"CheckBox4", kRoundingGroup, 178, 311, 57, 20, 3}, "1/64"),
      &Window1::CheckBox4_Action);
  CreateControl<Label>(*this, LabelRecord({"StaticText5", kRoundingGroup, 39, 277, 54, 34, 4},
                                          "To the\rnearest:", true));
  CreateControl<CheckBox>(
      *this, CheckBoxRecord({"CheckBox5", kRoundingGroup, 39, 311, 55, 22, 5}, "ft in"),
      &Window1::CheckBox5_Action);
  CreateControl<GroupBox>(*this, GroupBoxRecord({"GroupBox2", kFractionTab, 20, 43, 351, 138, 15},
                                                "Fraction to Decimal"));

  // Calculator tab: the eraser. Its icon goes on before its record, which leaves the icon alone.
  const fw::PropertyRecord eraserButton =
      BevelButtonRecord({"BevelButton1", kCalculatorTab, 278, 112, 53, 41, 17});
  AddControl("BevelButton1", New<BevelButton>());
  ControlAs<BevelButton>("BevelButton1").SetIcon(eraser());
  ControlAs<BevelButton>("BevelButton1").SetProperties(eraserButton.Bytes());
  AddEventHandler(ControlAs<BevelButton>("BevelButton1"), &Window1::BevelButton1_Action);
  CreateControl<Separator>(*this,
                           SeparatorRecord({"Separator5", kCalculatorTab, 20, 247, 354, 2, 18}));
  CreateControl<CheckBox>(*this, CheckBoxRecord({"multiple", kCalculatorTab, 240, 58, 139, 23, 19},
                                                "Multiple Operations"));

  // The hidden calculation history: eleven lists of one row per press and the press counter.
  CreateControl<Listbox>(*this, HistoryList("whole1temp", 15, 363, 1));
  CreateControl<Listbox>(*this, HistoryList("num1temp", 127, 363, 2));
  CreateControl<Listbox>(*this, HistoryList("denom1temp", 239, 363, 3));
  CreateControl<Listbox>(*this, HistoryList("whole2temp", 9, 480, 4));
  CreateControl<Listbox>(*this, HistoryList("num2temp", 133, 480, 5));
  CreateControl<Listbox>(*this, HistoryList("denom2temp", 245, 480, 6));
  CreateControl<Listbox>(*this, HistoryList("wholetemp", 0, 597, 7));
  CreateControl<Listbox>(*this, HistoryList("numtemp", 127, 597, 8));
  CreateControl<Listbox>(*this, HistoryList("denomtemp", 239, 597, 9));
  CreateControl<TextField>(
      *this,
      TextFieldRecord({"keeptrack", kWindow, 340, 387, 42, 22, 10, false}, false, kWhite, kBlack));
  CreateControl<Listbox>(*this, HistoryList("decimaltemp", 351, 451, 11));
  CreateControl<Listbox>(*this, HistoryList("operation", 351, 577, 12));
}

// The calculation history: one record of eleven rows per press, and Edit > Undo walking back
// through them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/testing.h"
#include "tests/calc/calc_fixture.h"

namespace {

class HistoryTest : public CalcFixture {
 protected:
  // The lists in the order a press appends to them.
  std::vector<fw::Listbox*> Lists() {
    Window1& w = window();
    return {&w.whole1temp(), &w.num1temp(),   &w.denom1temp(),  &w.whole2temp(),
            &w.num2temp(),   &w.denom2temp(), &w.decimaltemp(), &w.wholetemp(),
            &w.numtemp(),    &w.denomtemp(),  &w.operation()};
  }
  std::vector<std::string> Record(std::int64_t row) {
    std::vector<std::string> texts;
    for (fw::Listbox* list : Lists()) texts.push_back(list->List(row));
    return texts;
  }
  std::vector<std::int64_t> Counts() {
    std::vector<std::int64_t> counts;
    for (fw::Listbox* list : Lists()) counts.push_back(list->ListCount());
    return counts;
  }
  // The Calculator tab as Undo restores it: operands, results, operation.
  std::vector<std::string> Shown() {
    Window1& w = window();
    return {w.whole1().Text(),
            w.numtop1().Text(),
            w.numbottom1().Text(),
            w.whole2().Text(),
            w.numtop2().Text(),
            w.numbottom2().Text(),
            w.EditField4().Text(),
            w.EditField3().Text(),
            w.EditField1().Text(),
            w.EditField2().Text(),
            std::to_string(w.PopupMenu3().ListIndex())};
  }
  bool Undo() { return fw::testing::ChooseMenuItem(window(), "EditUndo"); }
  // What Undo must leave alone: "Multiple Operations" and the keyboard focus.
  std::string Untouched() {
    return std::string(window().multiple().Value() ? "multiple" : "single") +
           " focus=" + fw::testing::FocusedControl(window());
  }
};

struct RecordCase {
  MixedTexts a;
  Op op;
  MixedTexts b;
  std::vector<std::string> record;
};

TEST_F(HistoryTest, EachPressRecordsElevenRows) {
  const std::vector<RecordCase> cases = {
      {{"", "3", "2"}, kPlus, {"", "1", "2"}, {"", "3", "2", "", "1", "2", "2", "2", "", "", "0"}},
      // Computes nothing: the decimal of the press before is recorded again.
      {{"", "1", "0.5"},
       kMinus,
       {"", "1", "2"},
       {"", "1", "0.5", "", "1", "2", "2", "", "", "", "1"}},
      {{"-2", "-1", ""},
       kTimes,
       {"", "1", "3"},
       {"-2", "1", "1", "", "1", "3", "-1", "", "-3", "3", "2"}},
      {{"", "1", "2"},
       kDivide,
       {"", "1", "0"},
       {"", "1", "2", "", "1", "1", "0.5", "", "1", "2", "3"}},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    Press(cases[i].a, cases[i].op, cases[i].b);
    EXPECT_EQ(Record(static_cast<std::int64_t>(i)), cases[i].record) << i;
    EXPECT_EQ(window().keeptrack().Text(), std::to_string(i + 1));
    EXPECT_EQ(Counts(), std::vector<std::int64_t>(11, static_cast<std::int64_t>(i + 1)));
  }
}

// With nothing recorded Undo changes no field, row, check box or focus and reports nothing.
TEST_F(HistoryTest, UndoWithNothingRecordedDoesNothing) {
  Window1& w = window();
  int n = 0;
  for (fw::TextField* field :
       {&w.whole1(), &w.numtop1(), &w.numbottom1(), &w.whole2(), &w.numtop2(), &w.numbottom2(),
        &w.EditField4(), &w.EditField3(), &w.EditField1(), &w.EditField2()}) {
    field->SetText(std::to_string(++n));
  }
  w.PopupMenu3().SetListIndex(kDivide);
  w.multiple().SetValue(true);
  w.numtop2().SetFocus();
  const std::vector<std::string> before = Shown();
  EXPECT_TRUE(Undo());  // always enabled
  EXPECT_EQ(Shown(), before);
  EXPECT_EQ(Untouched(), "multiple focus=numtop2");
  EXPECT_EQ(w.keeptrack().Text(), "");
  EXPECT_FALSE(w.EditUndo_Action());
  EXPECT_TRUE(messages.empty());
}

// Three presses, then Undo four times: presses 3, 2, 1 come back, the fourth changes nothing.
TEST_F(HistoryTest, UndoWalksBack) {
  std::vector<std::vector<std::string>> after;
  Press({"", "1", "2"}, kPlus, {"", "1", "3"});
  after.push_back(Shown());
  Press({"1", "1", "4"}, kTimes, {"-2", "", ""});
  after.push_back(Shown());
  Press({"", "2", "3"}, kDivide, {"", "4", "5"});
  after.push_back(Shown());
  // The screen no longer shows the last press, so the first Undo has all of it to restore.
  ASSERT_TRUE(fw::testing::ChooseMenuItem(window(), "FileReset"));
  window().PopupMenu3().SetListIndex(kMinus);
  ASSERT_NE(Shown(), after[2]);
  for (int i = 2; i >= 0; --i) {
    const std::vector<std::string> recorded = Record(i);
    EXPECT_TRUE(Undo());
    EXPECT_EQ(Shown(), recorded) << i;
    EXPECT_EQ(Shown(), after[i]) << i;
    EXPECT_EQ(window().keeptrack().Text(), std::to_string(i));
    EXPECT_EQ(Counts(), std::vector<std::int64_t>(11, i));
  }
  const std::vector<std::string> before = Shown();
  EXPECT_TRUE(Undo());
  EXPECT_EQ(Shown(), before);
  EXPECT_EQ(window().keeptrack().Text(), "0");
  EXPECT_TRUE(messages.empty());
}

// Undo restores fields and the operation only: "Multiple Operations" and the keyboard focus stay
// as they were, wherever the focus is.
TEST_F(HistoryTest, UndoLeavesMultipleOperationsAndTheFocusAlone) {
  const struct {
    bool multiple;
    const char* focus;
  } cases[] = {{true, "numbottom2"}, {false, "EditField4"}, {true, "PopupMenu3"}};
  for (const auto& c : cases) {
    window().multiple().SetValue(c.multiple);
    Press({"", "1", "2"}, kPlus, {"", "1", "3"});
    window().ControlAs<fw::RectControl>(c.focus).SetFocus();
    const std::string before = Untouched();
    ASSERT_EQ(before, std::string(c.multiple ? "multiple" : "single") + " focus=" + c.focus);
    EXPECT_TRUE(Undo());
    EXPECT_EQ(Untouched(), before);
  }
}

// Three presses, one Undo, one more press: the records of presses 1, 2 and 4, in this order.
TEST_F(HistoryTest, PressAfterUndoAppendsAtTheEnd) {
  for (const char* n : {"1", "2", "3"}) Press({n, "", ""}, kPlus, {"", "", ""});
  Undo();
  Press({"4", "", ""}, kPlus, {"", "", ""});
  EXPECT_EQ(window().keeptrack().Text(), "3");
  EXPECT_EQ(Counts(), std::vector<std::int64_t>(11, 3));
  EXPECT_EQ(
      window().whole1temp().List(0) + window().whole1temp().List(1) + window().whole1temp().List(2),
      "124");
}

// With "Multiple Operations" the record keeps the operands as typed, before the carry.
TEST_F(HistoryTest, UndoAfterCarryRestoresTypedOperands) {
  window().multiple().SetValue(true);
  Press({"", "1", "2"}, kPlus, {"", "1", "3"});
  EXPECT_EQ(window().numtop1().Text(), "5");
  Undo();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"", "1", "2", "", "1", "3", "0.833333333333333", "",
                                               "5", "6", "0"}));
}

// File > Reset clears the fields but not the history: Undo brings the last press back in full.
TEST_F(HistoryTest, ResetThenUndo) {
  Press({"1", "1", "2"}, kMinus, {"", "1", "4"});
  const std::vector<std::string> pressed = Shown();
  ASSERT_TRUE(fw::testing::ChooseMenuItem(window(), "FileReset"));
  EXPECT_EQ(window().whole1().Text() + window().EditField4().Text(), "");
  EXPECT_TRUE(Undo());
  EXPECT_EQ(Shown(), pressed);
}

}  // namespace

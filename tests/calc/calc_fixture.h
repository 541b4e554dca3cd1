// Shared helpers of the Calculator tests: type two operands, pick the operation, press Calculate
// and read the four result fields.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "framework/testing.h"
#include "tests/support/app_fixture.h"

// Rows of the operation pop-up.
enum Op : std::int64_t { kPlus = 0, kMinus = 1, kTimes = 2, kDivide = 3 };

struct MixedTexts {
  std::string whole, num, den;
};

struct ResultTexts {
  std::string whole, num, den, decimal;
  bool operator==(const ResultTexts&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const ResultTexts& r) {
  return os << "{'" << r.whole << "' '" << r.num << "'/'" << r.den << "' = '" << r.decimal << "'}";
}

// One press and the result it must show.
struct PressCase {
  MixedTexts a;
  Op op;
  MixedTexts b;
  ResultTexts expected;
};

inline std::ostream& operator<<(std::ostream& os, const PressCase& c) {
  return os << c.a.whole << " " << c.a.num << "/" << c.a.den << " op " << c.op << " " << c.b.whole
            << " " << c.b.num << "/" << c.b.den;
}

class CalcFixture : public AppFixture {
 protected:
  void SetOperands(const MixedTexts& a, const MixedTexts& b) {
    window().whole1().SetText(a.whole);
    window().numtop1().SetText(a.num);
    window().numbottom1().SetText(a.den);
    window().whole2().SetText(b.whole);
    window().numtop2().SetText(b.num);
    window().numbottom2().SetText(b.den);
  }
  void Press() { fw::testing::Click(window().PushButton2()); }
  void Press(const MixedTexts& a, Op op, const MixedTexts& b) {
    SetOperands(a, b);
    window().PopupMenu3().SetListIndex(op);
    Press();
  }
  ResultTexts Result() {
    return {window().EditField3().Text(), window().EditField1().Text(),
            window().EditField2().Text(), window().EditField4().Text()};
  }
  // Each press in turn; the decimal left by the press before is marked stale first, so a press
  // that writes nothing cannot pass on its predecessor's answer.
  void Check(const std::vector<PressCase>& cases) {
    for (const PressCase& c : cases) {
      window().EditField4().SetText("stale");
      Press(c.a, c.op, c.b);
      EXPECT_EQ(Result(), c.expected) << c;
    }
  }
};

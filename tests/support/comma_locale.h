// Puts the C library into a locale that writes a decimal comma, as the toolkit does at start-up
// when the user's environment names one, and puts the earlier locale back afterwards. Tests use
// it to show that no number <-> text path depends on the locale.
#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <string>

class CommaLocale {
 public:
  // The locale the set-up command generates when the system lacks it.
  static constexpr const char* kName = "de_DE.UTF-8";

  CommaLocale() : saved_(std::setlocale(LC_ALL, nullptr)) {}
  ~CommaLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;

  // Switches `category` (LC_NUMERIC, LC_ALL) to the comma locale. A missing locale is a fatal
  // test failure, never a quiet run in the C locale.
  static void Use(int category) {
    ASSERT_NE(std::setlocale(category, kName), nullptr)
        << "the locale " << kName << " is missing (scripts/test.sh generates it)";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",") << kName << " should write a comma";
  }

 private:
  std::string saved_;
};

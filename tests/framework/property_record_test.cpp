// Property records: the exact bytes each entry type writes (also back to front), decoding by the
// declared types, and the malformed records that must be refused.
#include "framework/property_record.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "framework/controls.h"
#include "framework/exceptions.h"
#include "framework/window.h"

namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

struct EncodingCase {
  const char* what;
  fw::PropertyRecord record;
  std::string expected;
};

TEST(PropertyRecordTest, EntriesAreNameBlankAndLittleEndianValue) {
  const EncodingCase cases[] = {
      {"Integer 395", fw::PropertyRecord().Integer("Width", 395),
       "Width " + Bytes({0x8B, 0x01, 0, 0, 0, 0, 0, 0})},
      {"Integer -2^31", fw::PropertyRecord().Integer("Index", -2147483648LL),
       "Index " + Bytes({0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF, 0xFF})},
      {"Boolean True", fw::PropertyRecord().Boolean("Visible", true), "Visible " + Bytes({1})},
      {"Boolean False", fw::PropertyRecord().Boolean("Visible", false), "Visible " + Bytes({0})},
      {"Byte", fw::PropertyRecord().Byte("FontUnit", 0), "FontUnit " + Bytes({0})},
      {"Single 12", fw::PropertyRecord().Single("FontSize", 12.0f),
       "FontSize " + Bytes({0, 0, 0x40, 0x41})},
      {"Color", fw::PropertyRecord().ColorValue("BackgroundColor", 0xD1D1D1),
       "BackgroundColor " + Bytes({0xD1, 0xD1, 0xD1, 0})},
      {"String", fw::PropertyRecord().String("Title", "Tessimo 1.3.6"),
       "Title " + Bytes({13, 0, 0, 0}) + "Tessimo 1.3.6"},
      {"String with CR and UTF-8", fw::PropertyRecord().String("InitialValue", " x\r \xC3\xB7"),
       "InitialValue " + Bytes({6, 0, 0, 0}) + " x\r \xC3\xB7"},
      {"empty String", fw::PropertyRecord().String("Text", ""), "Text " + Bytes({0, 0, 0, 0})},
      {"entries concatenate", fw::PropertyRecord().Boolean("Visible", true).Integer("Height", 362),
       "Visible " + Bytes({1}) + "Height " + Bytes({0x6A, 0x01, 0, 0, 0, 0, 0, 0})},
      {"reversed, back to front",
       fw::PropertyRecord().Boolean("Visible", true).Integer("Height", 362).Reversed(),
       "Height " + Bytes({0x6A, 0x01, 0, 0, 0, 0, 0, 0}) + "Visible " + Bytes({1})},
  };
  for (const EncodingCase& c : cases) {
    EXPECT_EQ(c.record.Bytes(), c.expected) << c.what;
  }
}

TEST(PropertyRecordTest, StringEntryGivesTheTextOfTheNamedStringEntry) {
  const fw::PropertyRecord record =
      fw::PropertyRecord().Integer("Index", 5).String("Name", "whole1").String("Text", "");
  EXPECT_EQ(record.StringEntry("Name"), "whole1");
  EXPECT_EQ(record.Reversed().StringEntry("Name"), "whole1");
  EXPECT_EQ(record.StringEntry("Index"), "");  // not a String entry
  EXPECT_EQ(record.StringEntry("Caption"), "");
}

const fw::PropertyTypes kTypes = {
    {"Width", fw::PropertyType::Integer}, {"Visible", fw::PropertyType::Boolean},
    {"FontUnit", fw::PropertyType::Byte}, {"FontSize", fw::PropertyType::Single},
    {"Fill", fw::PropertyType::Color},    {"Title", fw::PropertyType::String},
};

TEST(PropertyRecordTest, DecodingGivesBackEveryTypeExactly) {
  const fw::PropertyRecord record = fw::PropertyRecord()
                                        .Integer("Width", -9007199254740993LL)
                                        .Boolean("Visible", true)
                                        .Byte("FontUnit", 200)
                                        .Single("FontSize", 12.5f)
                                        .ColorValue("Fill", 0x291A10)
                                        .String("Title", "To the\rnearest: \xC3\xB7 ");
  const fw::PropertyValues values = fw::DecodeProperties(record.Bytes(), kTypes);
  ASSERT_EQ(values.size(), 6u);
  EXPECT_EQ(fw::IntegerProperty(values, "Width"), -9007199254740993LL);
  EXPECT_TRUE(fw::BooleanProperty(values, "Visible"));
  EXPECT_EQ(std::get<std::uint8_t>(values.at("FontUnit")), 200);
  EXPECT_EQ(fw::SingleProperty(values, "FontSize"), 12.5f);
  EXPECT_EQ(fw::ColorProperty(values, "Fill").rgb, 0x291A10u);
  EXPECT_EQ(fw::StringProperty(values, "Title"), "To the\rnearest: \xC3\xB7 ");
}

TEST(PropertyRecordTest, TheSameNameDecodesByTheTargetClass) {
  // Value is an Integer on a tab panel and a Boolean on a bevel button.
  const fw::PropertyTypes tab = {{"Value", fw::PropertyType::Integer}};
  const fw::PropertyTypes bevel = {{"Value", fw::PropertyType::Boolean}};
  const std::string asInteger = fw::PropertyRecord().Integer("Value", 1).Bytes();
  EXPECT_EQ(fw::IntegerProperty(fw::DecodeProperties(asInteger, tab), "Value"), 1);
  EXPECT_THROW(fw::DecodeProperties(asInteger, bevel), fw::RuntimeException);  // 7 bytes left
  const std::string asBoolean = fw::PropertyRecord().Boolean("Value", true).Bytes();
  EXPECT_TRUE(fw::BooleanProperty(fw::DecodeProperties(asBoolean, bevel), "Value"));
  EXPECT_THROW(fw::DecodeProperties(asBoolean, tab), fw::RuntimeException);  // truncated
}

TEST(PropertyRecordTest, MalformedRecordsAreRefused) {
  const std::string width = fw::PropertyRecord().Integer("Width", 395).Bytes();
  const std::string title = fw::PropertyRecord().String("Title", "abc").Bytes();
  const struct {
    const char* what;
    std::string record;
    const char* mentions;
  } cases[] = {
      {"unknown name", fw::PropertyRecord().Integer("Depth", 1).Bytes(), "unknown property Depth"},
      {"truncated Integer", width.substr(0, width.size() - 1), "truncated Integer"},
      {"truncated String body", title.substr(0, title.size() - 1), "truncated String"},
      {"truncated String count", title.substr(0, 8), "truncated String"},
      {"name without blank", "Width", "no blank"},
      {"trailing bytes", width + "X", "no blank"},
      {"trailing blank", width + " ", "malformed property name"},
      {"Boolean neither 0 nor 1", "Visible " + Bytes({2}), "neither 0 nor 1"},
  };
  for (const auto& c : cases) {
    try {
      fw::DecodeProperties(c.record, kTypes);
      ADD_FAILURE() << c.what << ": decoded";
    } catch (const fw::RuntimeException& e) {
      EXPECT_NE(std::string(e.what()).find(c.mentions), std::string::npos)
          << c.what << ": " << e.what();
    }
  }
}

TEST(PropertyRecordTest, TypedReadsRefuseMissingAndMistypedEntries) {
  const fw::PropertyValues values =
      fw::DecodeProperties(fw::PropertyRecord().Integer("Width", 5).Bytes(), kTypes);
  EXPECT_THROW(fw::IntegerProperty(values, "Height"), fw::RuntimeException);
  EXPECT_THROW(fw::BooleanProperty(values, "Width"), fw::RuntimeException);
  EXPECT_THROW(fw::StringProperty(values, "Width"), fw::RuntimeException);
}

TEST(PropertyRecordTest, WindowRecordOfTheMainWindowDecodesExactly) {
  const fw::PropertyRecord record = fw::PropertyRecord()
                                        .Integer("Width", 395)
                                        .Integer("Height", 362)
                                        .Integer("Type", 0)
                                        .String("Title", "Tessimo 1.3.6")
                                        .Boolean("Resizeable", false)
                                        .Integer("MacProcID", 0)
                                        .Integer("DefaultLocation", 2)
                                        .Boolean("HasBackgroundColor", false)
                                        .ColorValue("BackgroundColor", 0xD1D1D1)
                                        .Boolean("LiveResize", false);
  const fw::PropertyValues values =
      fw::DecodeProperties(record.Bytes(), fw::Window::DeclaredProperties());
  EXPECT_EQ(values.size(), 10u);
  EXPECT_EQ(fw::StringProperty(values, "Title"), "Tessimo 1.3.6");
  EXPECT_EQ(fw::ColorProperty(values, "BackgroundColor").rgb, 0xD1D1D1u);
}

}  // namespace

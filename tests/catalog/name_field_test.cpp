#include "catalog/name_field.h"

#include <gtest/gtest.h>

#include <QString>
#include <climits>

namespace motrevix::catalog {
namespace {

struct FieldCase {
  const char16_t* text;
  int field;
  int expected;
};

TEST(NameField, ReadsUnderscoreFieldsLikeADecimalConversion) {
  const FieldCase cases[] = {
      // A camera name: prefix, year, month, day, hour, minute, the rest.
      {u"A_2012_08_15_10_20_30.AVI", 0, 0},
      {u"A_2012_08_15_10_20_30.AVI", 1, 2012},
      {u"A_2012_08_15_10_20_30.AVI", 2, 8},
      {u"A_2012_08_15_10_20_30.AVI", 3, 15},
      {u"A_2012_08_15_10_20_30.AVI", 4, 10},
      {u"A_2012_08_15_10_20_30.AVI", 5, 20},
      {u"A_2012_08_15_10_20_30.AVI", 6, 30},  // "30.AVI": digits up to the dot
      {u"A_2012_08_15_10_20_30.AVI", 7, 0},   // beyond the last underscore
      {u"A_2012_08_15_10_20_30.AVI", -1, 0},
      // A numeric prefix is field 0; missing fields read 0.
      {u"2012_08", 0, 2012},
      {u"X_2012.AVI", 1, 2012},
      {u"X_2012.AVI", 2, 0},
      {u"short.AVI", 4, 0},
      {u"", 0, 0},
      // Signs: one optional sign directly before the digits.
      {u"A_-5_+7_--3_- 4_+-1", 1, -5},
      {u"A_-5_+7_--3_- 4_+-1", 2, 7},
      {u"A_-5_+7_--3_- 4_+-1", 3, 0},
      {u"A_-5_+7_--3_- 4_+-1", 4, 0},
      {u"A_-5_+7_--3_- 4_+-1", 5, 0},
      // White space before the number is skipped; reading stops at the first other character.
      {u"A_ 12_\t 7_1 2_ _\n-3", 1, 12},
      {u"A_ 12_\t 7_1 2_ _\n-3", 2, 7},
      {u"A_ 12_\t 7_1 2_ _\n-3", 3, 1},
      {u"A_ 12_\t 7_1 2_ _\n-3", 4, 0},
      {u"A_ 12_\t 7_1 2_ _\n-3", 5, -3},
      // No digits, digits after letters, an empty last field, leading zeros.
      {u"A_ab_x9_", 1, 0},
      {u"A_ab_x9_", 2, 0},
      {u"A_ab_x9_", 3, 0},
      {u"A_007", 1, 7},
      {u"A_\uFF11\uFF12", 1, 0},  // full-width digits are not decimal digits here
      // Values outside 32 bits saturate instead of wrapping.
      {u"A_2147483647", 1, INT_MAX},
      {u"A_-2147483648", 1, INT_MIN},
      {u"A_99999999999999999999", 1, INT_MAX},
      {u"A_-99999999999999999999", 1, INT_MIN},
      // Fields are counted over the whole text given, folders included.
      {u"/media/my_card/N_2024_05", 1, 0},
      {u"/media/my_card/N_2024_05", 2, 2024},
  };
  for (const auto& c : cases) {
    const QString text = QString::fromUtf16(c.text);
    SCOPED_TRACE(text.toStdString() + " field " + std::to_string(c.field));
    EXPECT_EQ(NameField(text, c.field), c.expected);
  }
}

struct ExtensionCase {
  const char16_t* name;
  QStringView extension;
  bool expected;
};

TEST(NameField, ExtensionIsTheUpperCasedLastFourCharacters) {
  const ExtensionCase cases[] = {
      {u"X.AVI", kAviExtension, true},      {u"x.avi", kAviExtension, true},
      {u"x.aVi", kAviExtension, true},      {u"X.tar.avi", kAviExtension, true},
      {u".AVI", kAviExtension, true},       {u"X.mp4", kAviExtension, false},
      {u"X.mp4", kMp4Extension, true},      {u"X.AVI", kMp4Extension, false},
      {u"AVI", kAviExtension, false},       {u"", kAviExtension, false},
      {u"XAVI", kAviExtension, false},      {u"X.AVI ", kAviExtension, false},
      {u"X.AVIX", kAviExtension, false},    {u"X.AV", kAviExtension, false},
      {u"X.avi.mp4", kAviExtension, false},
  };
  for (const auto& c : cases) {
    const QString name = QString::fromUtf16(c.name);
    SCOPED_TRACE(name.toStdString() + " vs " + c.extension.toString().toStdString());
    EXPECT_EQ(HasExtension(name, c.extension), c.expected);
  }
}

}  // namespace
}  // namespace motrevix::catalog

// The printed report's page against its template, its values and hostile text.
#include "view/report_page.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tests/support/test_support.h"

namespace motrevix {
namespace {

using test::SplitLines;

// The template, one entry per line; %FILE%, %USER%, %CAR% and %GPS% are filled in.
const std::vector<std::string>& TemplateLines() {
  static const std::vector<std::string> lines = {
      R"(<body scroll="no" style="margin: 0px 0px 0px 0px">)",
      R"(<table style="width: 850px; height: 1110px; word-break:break-all;border:1px solid #000" border="0" cellpadding="0" cellspacing="0" align="center">)",
      R"(<tr><td style="font-size:14px;color:#000000" align="center" height="40">)",
      R"(Motrevix RD-310&nbsp;)",
      R"(</td></tr>)",
      R"(<tr valign="top">)",
      R"(<tr><td>)",
      R"(&nbsp;&nbsp;&nbsp;File name : %FILE% )",
      R"(</td></tr>)",
      R"(<tr><td>)",
      R"(&nbsp;&nbsp;&nbsp;User : %USER% )",
      R"(</td></tr>)",
      R"(<tr><td>)",
      R"(&nbsp;&nbsp;&nbsp;Car number : %CAR% )",
      R"(</td></tr>)",
      R"(<tr><td>)",
      R"(&nbsp;&nbsp;&nbsp;GPS speed :  %GPS% )",
      R"(</td></tr>)",
      R"(</tr>)",
      R"(<tr valign="top">)",
      R"(<td align="center">)",
      R"(<table border="0" align="center" cellpadding="3" cellspacing="3" style="padding:1px; border:1px solid #000">)",
      R"(<tr><td>)",
      R"(ch.1)",
      R"(</td></tr>)",
      R"(<tr>)",
      R"(<td align="center" colspan="2"><img src="./_MX_front.bmp" style="width: 800px" style="height: 480px"></td>)",
      R"(</tr>)",
      R"(<tr><td>)",
      R"(ch.2)",
      R"(</td></tr>)",
      R"(<tr>)",
      R"(<td align="center" colspan="2"><img src="./_MX_rear.bmp" style="width: 800px" style="height: 480px"></td>)",
      R"(</tr>)",
      R"(<tr>)",
      R"(</tr>)",
      R"(</table>)",
      R"(</td>)",
      R"(</tr>)",
      R"(<tr>)",
      R"(<td>)",
      R"(&nbsp;)",
      R"(</td>)",
      R"(</tr>)",
      R"(</table>)",
  };
  return lines;
}

void Fill(std::string& line, const std::string& key, const std::string& value) {
  const std::size_t at = line.find(key);
  if (at != std::string::npos) line.replace(at, key.size(), value);
}

// The page as the template gives it: lines 29 to 34 only with two channels, a
// line feed after every line but line 42.
std::string ExpectedPage(int channels, const std::string& file, const std::string& user,
                         const std::string& car, const std::string& gps) {
  std::string page;
  for (std::size_t i = 0; i < TemplateLines().size(); ++i) {
    const std::size_t number = i + 1;
    if (channels < 2 && number >= 29 && number <= 34) continue;
    std::string line = TemplateLines()[i];
    Fill(line, "%FILE%", file);
    Fill(line, "%USER%", user);
    Fill(line, "%CAR%", car);
    Fill(line, "%GPS%", gps);
    page += line;
    if (number != 42) page += '\n';
  }
  return page;
}

void ExpectSamePage(const std::string& actual, const std::string& expected) {
  const std::vector<std::string> a = SplitLines(actual);
  const std::vector<std::string> e = SplitLines(expected);
  for (std::size_t i = 0; i < std::min(a.size(), e.size()); ++i)
    EXPECT_EQ(a[i], e[i]) << "line " << i + 1;
  EXPECT_EQ(a.size(), e.size());
  EXPECT_EQ(actual, expected);
}

TEST(ReportPage, FollowsTheTemplateForOneAndTwoChannels) {
  ReportValues values;
  values.fileName = "N_2024_05_17_08_31_05";
  values.user = "Jane Roe";
  values.carNumber = "12 AB 3456";
  values.speed = 52.8;
  values.latitude = 37.552057;
  values.longitude = 126.9914;
  for (const int channels : {1, 2}) {
    SCOPED_TRACE(channels);
    values.channelCount = channels;
    const std::string page = ReportPageText(values);
    ExpectSamePage(page, ExpectedPage(channels, "N_2024_05_17_08_31_05", "Jane Roe", "12 AB 3456",
                                      "52 km/h, Lat : 37.552057, Lng : 126.991400"));
    EXPECT_EQ(page.find("ch.2") != std::string::npos, channels == 2);
    EXPECT_EQ(page.find("_MX_rear.bmp") != std::string::npos, channels == 2);
  }
}

TEST(ReportPage, SpeedLineWritesTheUnitTheTruncatedSpeedAndSixDecimals) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double speed, latitude, longitude;
    bool miles;
    const char* decimalPoint;
    const char* line;
  } cases[] = {
      {37.9, 37.552057, -122.4194, true, ".", "37 mph, Lat : 37.552057, Lng : -122.419400"},
      {37.9, 37.552057, -122.4194, false, ".", "37 km/h, Lat : 37.552057, Lng : -122.419400"},
      // Before the first fix every value is 0.
      {0, 0, 0, false, ".", "0 km/h, Lat : 0.000000, Lng : 0.000000"},
      // Truncation toward zero; six decimals rounded.
      {-3.7, -37.5520574, 0.0000006, false, ".", "-3 km/h, Lat : -37.552057, Lng : 0.000001"},
      // The user's locale decides the decimal separator, as the page is for people.
      {18.52, 37.552057, 126.9914, true, ",", "18 mph, Lat : 37,552057, Lng : 126,991400"},
      // Values that are not numbers read as 0; a speed past int stays in range.
      {nan, inf, -inf, false, ".", "0 km/h, Lat : 0.000000, Lng : 0.000000"},
      {1e12, 1.0, 2.0, false, ".", "2147483647 km/h, Lat : 1.000000, Lng : 2.000000"},
  };
  for (const auto& c : cases) {
    ReportValues values;
    values.speed = c.speed;
    values.latitude = c.latitude;
    values.longitude = c.longitude;
    values.speedInMiles = c.miles;
    values.decimalPoint = c.decimalPoint;
    const std::vector<std::string> lines = SplitLines(ReportPageText(values));
    ASSERT_GE(lines.size(), 17u);
    EXPECT_EQ(lines[16], std::string("&nbsp;&nbsp;&nbsp;GPS speed :  ") + c.line + " ") << c.line;
  }
}

TEST(ReportPage, TextValuesAreEscapedSoTheyCannotAddMarkup) {
  const struct {
    const char* value;
    const char* written;
  } cases[] = {
      {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
      {"Tom & Jerry", "Tom &amp; Jerry"},
      {R"(a" onerror="x)", "a&quot; onerror=&quot;x"},
      {"O'Neil", "O&#39;Neil"},
      {"&nbsp;", "&amp;nbsp;"},
      // Outside ASCII as character references: the page has no charset of its own.
      {"\xea\xb9\x80\xec\xb2\xa0\xec\x88\x98", "&#xAE40;&#xCCA0;&#xC218;"},
      {"Jos\xc3\xa9", "Jos&#xE9;"},
      {"\xf0\x9f\x9a\x97", "&#x1F697;"},
      // Bytes that are not UTF-8, and line breaks, cannot break the line.
      {"bad\xff", "bad&#xFFFD;"},
      {"two\nlines\r", "two lines "},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HtmlEscaped(c.value), c.written) << c.value;
    ReportValues values;
    values.fileName = c.value;
    values.user = c.value;
    values.carNumber = c.value;
    ExpectSamePage(ReportPageText(values), ExpectedPage(1, c.written, c.written, c.written,
                                                        "0 km/h, Lat : 0.000000, Lng : 0.000000"));
  }
}

}  // namespace
}  // namespace motrevix

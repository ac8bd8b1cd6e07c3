#include "view/report_page.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace motrevix {
namespace {

// A value as "%lf" writes it (six decimals) with the given separator; a value
// that is not finite as 0.
std::string SixDecimals(double value, const std::string& decimalPoint) {
  if (!std::isfinite(value)) value = 0;
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  std::string text(buffer, result.ptr);
  const std::size_t dot = text.find('.');
  if (dot != std::string::npos) text.replace(dot, 1, decimalPoint);
  return text;
}

// The speed as "%d" writes a value truncated toward zero.
std::string WholeSpeed(double speed) {
  if (!std::isfinite(speed)) return "0";
  const double whole = std::trunc(speed);
  constexpr double kMax = std::numeric_limits<int>::max();
  constexpr double kMin = std::numeric_limits<int>::min();
  return std::to_string(static_cast<int>(std::clamp(whole, kMin, kMax)));
}

}  // namespace

std::string HtmlEscaped(std::string_view utf8) {
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  std::string out;
  out.reserve(utf8.size());
  for (const char32_t c : text.toUcs4()) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        if (c < 0x80 && (c >= 0x20 || c == '\t')) {
          out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7f) {
          out += ' ';  // control characters have no place in a one-line value
        } else {
          out += "&#x" + QString::number(static_cast<uint>(c), 16).toUpper().toStdString() + ';';
        }
    }
  }
  return out;
}

std::string ReportPageText(const ReportValues& v) {
  const std::string unit = v.speedInMiles ? "mph" : "km/h";
  const std::string gps = "&nbsp;&nbsp;&nbsp;GPS speed :  " + WholeSpeed(v.speed) + " " + unit +
                          ", Lat : " + SixDecimals(v.latitude, v.decimalPoint) +
                          ", Lng : " + SixDecimals(v.longitude, v.decimalPoint) + " ";
  std::vector<std::string> lines = {
      R"(<body scroll="no" style="margin: 0px 0px 0px 0px">)",
      R"(<table style="width: 850px; height: 1110px; word-break:break-all;border:1px solid #000" border="0" cellpadding="0" cellspacing="0" align="center">)",
      R"(<tr><td style="font-size:14px;color:#000000" align="center" height="40">)",
      R"(Motrevix RD-310&nbsp;)",
      R"(</td></tr>)",
      R"(<tr valign="top">)",
      R"(<tr><td>)",
      "&nbsp;&nbsp;&nbsp;File name : " + HtmlEscaped(v.fileName) + " ",
      R"(</td></tr>)",
      R"(<tr><td>)",
      "&nbsp;&nbsp;&nbsp;User : " + HtmlEscaped(v.user) + " ",
      R"(</td></tr>)",
      R"(<tr><td>)",
      "&nbsp;&nbsp;&nbsp;Car number : " + HtmlEscaped(v.carNumber) + " ",
      R"(</td></tr>)",
      R"(<tr><td>)",
      gps,
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
  };
  if (v.channelCount > 1) {
    lines.insert(
        lines.end(),
        {
            R"(<tr><td>)",
            R"(ch.2)",
            R"(</td></tr>)",
            R"(<tr>)",
            R"(<td align="center" colspan="2"><img src="./_MX_rear.bmp" style="width: 800px" style="height: 480px"></td>)",
            R"(</tr>)",
        });
  }
  const char* const tail[] = {"<tr>", "</tr>", "</table>", "</td>", "</tr>", "<tr>", "<td>"};
  lines.insert(lines.end(), std::begin(tail), std::end(tail));

  std::string page;
  for (const std::string& line : lines) page += line + '\n';
  page += "&nbsp;";  // the one line without a line feed
  for (const char* line : {"</td>", "</tr>", "</table>"}) page += std::string(line) + '\n';
  return page;
}

}  // namespace motrevix

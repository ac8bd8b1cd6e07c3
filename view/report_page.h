#pragma once
// The printed report's page: a fixed HTML template with the moment's values put
// in. The page has no document head and refers to its pictures relative to its
// own folder. Text values are HTML-escaped and every character outside ASCII is
// written as a character reference, so the page reads the same whatever
// encoding a browser assumes.

#include <string>
#include <string_view>

namespace motrevix {

struct ReportValues {
  // The playing row's name, the owner's name and car number (UTF-8).
  std::string fileName;
  std::string user;
  std::string carNumber;
  // The values at the play position: speed in the unit chosen, degrees.
  double speed = 0;
  double latitude = 0;
  double longitude = 0;
  bool speedInMiles = false;
  // The rear picture's block is written only with more than one channel.
  int channelCount = 1;
  // The decimal separator of the user's locale.
  std::string decimalPoint = ".";
};

// Text for an HTML element's content or an attribute value: & < > " ' as
// entities, characters outside ASCII as numeric references, bytes that are not
// UTF-8 as U+FFFD.
std::string HtmlEscaped(std::string_view utf8);

// The page, line by line, each line followed by a line feed except the one that
// holds only "&nbsp;".
std::string ReportPageText(const ReportValues& values);

}  // namespace motrevix

#pragma once
// The 30 rows of the time-zone list `g_strTimeZones`, in the order the SETTING page
// shows them; each row's minute offset east of GMT is what the record stores.

#include <array>
#include <string_view>

namespace motrevix::config {

struct TimeZoneRow {
  std::string_view caption;
  int minutes;
};

constexpr int kTimeZoneRowCount = 30;
// The GMT row: unknown offsets select it and it saves as 0.
constexpr int kGmtTimeZoneRow = 13;
// No row selected (also free text in the box that matches no row).
constexpr int kNoTimeZoneRow = -1;

extern const std::array<TimeZoneRow, kTimeZoneRowCount> g_strTimeZones;

// The row that shows a stored offset; kGmtTimeZoneRow for an offset not in the table.
int TimeZoneRowForOffset(int minutes);
// The offset a selected row saves: 0 for no selection, the GMT row or a row out of range.
int TimeZoneOffsetForRow(int row);
// The row whose caption is exactly the given text, or kNoTimeZoneRow.
int TimeZoneRowForCaption(std::string_view caption);

}  // namespace motrevix::config

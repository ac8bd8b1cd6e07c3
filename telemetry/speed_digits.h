#pragma once
// The three-digit speed read-out: which cell of the digit strip each of its
// positions shows, and where the cells lie.

#include <array>

namespace motrevix {

// The digit strip: eleven cells side by side, digits 0 to 9, then a blank cell.
inline constexpr int kDigitCellWidth = 26;
inline constexpr int kDigitCellHeight = 37;
inline constexpr int kBlankDigitCell = 10;
inline constexpr int kDigitStripWidth = 11 * kDigitCellWidth;
// The read-out's hundreds cell in the main window's client area; the tens and
// units cells follow it without a gap.
inline constexpr int kSpeedReadoutX = 922;
inline constexpr int kSpeedReadoutY = 639;
// The largest speed the three cells can show; faster speeds show it.
inline constexpr int kLargestShownSpeed = 999;

// Strip cells for the hundreds, tens and units positions.
using SpeedCells = std::array<int, 3>;

// Cells for a speed in the read-out's unit: blank leading positions, always a
// units digit (0 shows as a single 0); all blank when the speed is not valid.
SpeedCells SpeedDigitCells(bool speedValid, double speed);

inline constexpr SpeedCells kBlankSpeedCells{kBlankDigitCell, kBlankDigitCell, kBlankDigitCell};

}  // namespace motrevix

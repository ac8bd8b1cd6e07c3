#pragma once
// Main-window values that the filtered listings read and write. The main window
// holds one of these for its whole life; the listings take it by reference.

namespace motrevix::catalog {

struct ListingState {
  // Hour field of the recordings shown; the hour listing leaves here the hour
  // field of the last file it examined, listed or not.
  int m_nCurrentHour = 0;
  // Day chosen in the calendar; the day listing lists recordings of it.
  int m_nCalYear = 0;
  int m_nCalMonth = 0;
  int m_nCalDay = 0;
};

}  // namespace motrevix::catalog

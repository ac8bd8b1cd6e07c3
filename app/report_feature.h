#pragma once
// Print (command 1163): a one-page report of the moment being watched, with the
// recording's name, the owner and car number from the card, the speed and
// position, and the front (and rear) picture. The page and its pictures are
// written to the report folder in the temporary folder and printed through the
// print dialog; playback is paused and stays paused.

#include <functional>
#include <string>

#include "view/report_folder.h"
#include "view/report_printer.h"

namespace motrevix {

class CSamplePlayerDlg;

class CReportFeature {
 public:
  struct Moment {
    double speed = 0;
    double latitude = 0;
    double longitude = 0;
  };
  struct Sources {
    // The chosen card's root folder; empty when no card is chosen.
    std::function<std::string()> cardRoot;
    // The speed (in the unit shown) and the position at the play position.
    std::function<Moment()> moment;
  };

  CReportFeature(CSamplePlayerDlg& window, Sources sources);

  void Print();

 private:
  // Writes the pictures and the page; false after telling the user what failed.
  bool WriteReport(const ReportFiles& files);

  CSamplePlayerDlg& m_window;
  Sources m_sources;
  CReportPrinter m_printer;
};

}  // namespace motrevix

#pragma once
// The file list's commands: the category buttons, List review (1132), the
// calendar's day and the hour and minute sliders, and the list refresh they and
// the source choice share.

#include <QDate>
#include <vector>

#include "catalog/category_buttons.h"

namespace motrevix {

class CSamplePlayerDlg;

void InstallFileListCommands(CSamplePlayerDlg& window);

// Rebuilds the list from the current folder: every recording below it, in name
// order; the thumbnail page then works on that folder.
void RefreshList(CSamplePlayerDlg& window);

// The played row: m_nCurrentItem, and the row the list draws in its own colour.
void SetCurrentItem(CSamplePlayerDlg& window, int row);

void ApplyFaces(CSamplePlayerDlg& window, const std::vector<catalog::ButtonFaceChange>& faces);

// A day chosen by the user in the calendar: that day's recordings of the current folder.
void ListCalendarDay(CSamplePlayerDlg& window, QDate day);

}  // namespace motrevix

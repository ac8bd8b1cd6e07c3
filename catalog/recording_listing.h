#pragma once
// The listings that fill the file list from the file system. Each appends rows
// to `rows` and removes none; a folder that cannot be read appends nothing and
// says nothing. No listing keeps anything between calls.
//
// The path column is the searched folder with its separators collapsed to one,
// a separator, and the file name.

#include <QString>

#include "catalog/listing_state.h"
#include "catalog/recording_entry.h"

namespace motrevix::catalog {

// Every ".AVI" file (extension compared upper-cased) below `folder` at all
// depths, depth first in directory order; a sub-folder is listed at the moment
// it is met. Column 0 is the title (the name before its last dot). Symbolic
// links are followed, but a directory already listed in this call is not
// listed again, so link loops end. A sub-folder that cannot be read adds
// nothing and the rest goes on. The rows are not sorted.
void ListAll(const QString& folder, RecordingRows& rows);

// The ".AVI" files directly in `folder` whose hour field equals
// g_nSelectedHour. Sets state.m_nCurrentHour to the hour field of every file it
// examines, so afterwards it holds that of the folder's last file.
void ListByHour(const QString& folder, ListingState& state, RecordingRows& rows);

// The ".AVI" and ".MP4" files directly in `folder` whose minute field equals
// g_nSelectedMinute.
void ListByMinute(const QString& folder, RecordingRows& rows);

// The ".AVI" files directly in `folder` whose year, month and day fields equal
// the calendar day of `state`.
void ListByDay(const QString& folder, const ListingState& state, RecordingRows& rows);

// The name order of a full listing: ascending by column 0, comparing UTF-16
// code units (case-sensitive, no locale; a prefix sorts first).
bool NameOrderLess(const RecordingEntry& a, const RecordingEntry& b);
void SortByNameOrder(RecordingRows& rows);

}  // namespace motrevix::catalog

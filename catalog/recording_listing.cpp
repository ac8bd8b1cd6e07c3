#include "catalog/recording_listing.h"

#include <algorithm>
#include <set>
#include <string_view>
#include <vector>

#include "catalog/catalog_globals.h"
#include "catalog/directory_stream.h"
#include "catalog/file_name_text.h"
#include "catalog/folder_path.h"
#include "catalog/name_field.h"
#include "catalog/row_text.h"

namespace motrevix::catalog {
namespace {

using VisitedDirectories = std::set<DirectoryIdentity>;

QString Title(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(u'.');
  return dot < 0 ? fileName : fileName.left(dot);
}

// Appends the row of one accepted file; a file that vanished or cannot be
// examined since it was enumerated is left out.
void AppendRow(const DirectoryStream& dir, const char* rawName, QString column0,
               const QString& folder, const QString& fileName, RecordingRows& rows) {
  const std::optional<FileFacts> facts = dir.Facts(rawName);
  if (!facts) return;
  rows.push_back(RecordingEntry{std::move(column0), SizeText(facts->sizeInBytes),
                                DateText(facts->creationTime), PathInFolder(folder, fileName)});
}

// A folder being read by ListAll, and the length of the path text up to it.
struct OpenFolder {
  DirectoryStream dir;
  qsizetype pathLength;
};

// Depth first without recursion: the open folders are a stack on the heap, so a
// tree of any depth costs no call stack. `path` is the folder on top of the stack.
void ListAllFrom(DirectoryStream root, QString path, VisitedDirectories& visited,
                 RecordingRows& rows) {
  std::vector<OpenFolder> open;
  open.push_back({std::move(root), path.size()});
  while (!open.empty()) {
    DirectoryStream& dir = open.back().dir;
    const dirent* entry = dir.Next();
    if (entry == nullptr) {
      open.pop_back();
      if (!open.empty()) path.truncate(open.back().pathLength);
      continue;
    }
    const EntryKind kind = dir.KindOf(*entry);
    const QString name = FileNameText(entry->d_name);
    if (kind == EntryKind::Directory) {
      DirectoryStream child = dir.OpenChild(entry->d_name);
      const std::optional<DirectoryIdentity> identity = child.Identity();
      if (!identity || !visited.insert(*identity).second) continue;
      path = PathInFolder(path, name);
      open.push_back({std::move(child), path.size()});
    } else if (kind == EntryKind::RegularFile && HasExtension(name, kAviExtension)) {
      AppendRow(dir, entry->d_name, Title(name), path, name, rows);
    }
  }
}

// The files directly in `folder`, in directory order, each offered to `accept`
// by its name; an accepted file gets a row named with its whole file name.
template <typename Accept>
void ListFilesIn(const QString& folder, RecordingRows& rows, Accept accept) {
  DirectoryStream dir(folder);
  const QString normalised = NormalisedFolder(folder);
  while (const dirent* entry = dir.Next()) {
    if (dir.KindOf(*entry) != EntryKind::RegularFile) continue;
    const QString name = FileNameText(entry->d_name);
    if (accept(QStringView(name))) AppendRow(dir, entry->d_name, name, normalised, name, rows);
  }
}

}  // namespace

void ListAll(const QString& folder, RecordingRows& rows) {
  DirectoryStream dir(folder);
  const std::optional<DirectoryIdentity> identity = dir.Identity();
  if (!identity) return;
  VisitedDirectories visited{*identity};
  ListAllFrom(std::move(dir), NormalisedFolder(folder), visited, rows);
}

void ListByHour(const QString& folder, ListingState& state, RecordingRows& rows) {
  ListFilesIn(folder, rows, [&state](QStringView name) {
    state.m_nCurrentHour = NameField(name, kHourField);
    return HasExtension(name, kAviExtension) && state.m_nCurrentHour == g_nSelectedHour;
  });
}

void ListByMinute(const QString& folder, RecordingRows& rows) {
  ListFilesIn(folder, rows, [](QStringView name) {
    return (HasExtension(name, kAviExtension) || HasExtension(name, kMp4Extension)) &&
           NameField(name, kMinuteField) == g_nSelectedMinute;
  });
}

void ListByDay(const QString& folder, const ListingState& state, RecordingRows& rows) {
  ListFilesIn(folder, rows, [&state](QStringView name) {
    return HasExtension(name, kAviExtension) && NameField(name, kYearField) == state.m_nCalYear &&
           NameField(name, kMonthField) == state.m_nCalMonth &&
           NameField(name, kDayField) == state.m_nCalDay;
  });
}

bool NameOrderLess(const RecordingEntry& a, const RecordingEntry& b) {
  const std::u16string_view left(reinterpret_cast<const char16_t*>(a.m_strName.utf16()),
                                 static_cast<std::size_t>(a.m_strName.size()));
  const std::u16string_view right(reinterpret_cast<const char16_t*>(b.m_strName.utf16()),
                                  static_cast<std::size_t>(b.m_strName.size()));
  return left < right;
}

void SortByNameOrder(RecordingRows& rows) {
  std::stable_sort(rows.begin(), rows.end(), NameOrderLess);
}

}  // namespace motrevix::catalog

#include "app/source_choice.h"

#include "app/control_ids.h"
#include "app/file_list_commands.h"
#include "app/sample_player_dlg.h"
#include "catalog/card_selection.h"
#include "catalog/drive_entries.h"
#include "catalog/list_filters.h"
#include "platform/mount_watcher.h"

namespace motrevix {

void InstallSourceChoice(CSamplePlayerDlg& window) {
  window.Commands().Register(kIdSelectDrive, [&window] { SelectDrive(window); });
  window.Commands().Register(kIdFolderOpen, [&window] { OpenFolder(window); });
}

bool SelectDrive(CSamplePlayerDlg& window) {
  const std::vector<QString> entries =
      window.Options().driveEntries ? window.Options().driveEntries() : catalog::DriveEntries();
  std::optional<QString> chosen;
  // Without any card the dialog ends at once, as cancelled.
  if (!entries.empty()) {
    std::vector<std::string> texts;
    for (const QString& entry : entries) texts.push_back(entry.toStdString());
    if (const std::optional<std::string> text = window.Prompt().ChooseDrive(texts))
      chosen = QString::fromStdString(*text);
  }
  const std::optional<QString> cardRoot =
      chosen ? catalog::CardRootOfDriveText(*chosen) : std::nullopt;
  if (!cardRoot) {
    window.Prompt().ShowMessage("Please check the SD card drive.", "Motrevix",
                                MessageIcon::Exclamation);
    return false;
  }
  window.OnStop();
  ListCard(window, *chosen, *cardRoot);
  window.ReloadMapAfterSourceChoice();
  return true;
}

void ListCard(CSamplePlayerDlg& window, const QString& driveText, const QString& cardRoot) {
  catalog::SelectCard(driveText, cardRoot);
  window.m_strCurrentFolder = cardRoot;
  RefreshList(window);
  ApplyFaces(window, catalog::FacesWithSelected(catalog::RecordingCategory::All));
}

void OpenFolder(CSamplePlayerDlg& window) {
  const QString path = QString::fromStdString(window.Prompt().ChooseFolder("Select directory"));
  const catalog::ChosenFolder kind =
      catalog::ClassifyChosenFolder(path, ReadMountPoints(window.Options().mountsFile));
  if (kind == catalog::ChosenFolder::Cancelled) return;
  window.m_strCurrentFolder = path;
  if (kind == catalog::ChosenFolder::DriveRoot) {
    window.Prompt().ShowMessage("Select folder in Drive.", "Motrevix", MessageIcon::Exclamation);
    return;
  }
  catalog::SelectFolder();
  window.OnStop();
  RefreshList(window);
  SetCurrentItem(window, 0);
  ApplyFaces(window, catalog::FacesWithSelected(catalog::RecordingCategory::All));
  window.ReloadMapAfterSourceChoice();
}

}  // namespace motrevix

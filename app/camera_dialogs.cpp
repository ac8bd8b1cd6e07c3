#include "app/camera_dialogs.h"

#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "catalog/card_selection.h"
#include "config/file_writer.h"
#include "config/tabset_dlg.h"
#include "format/fat32_formatter_dlg.h"
#include "platform/udisks2_client.h"

namespace motrevix {
namespace {

void RunModal(CSamplePlayerDlg& window, QDialog& dialog) {
  if (window.Options().runModal)
    window.Options().runModal(dialog);
  else
    dialog.exec();
}

void OpenConfiguration(CSamplePlayerDlg& window) {
  if (catalog::g_bCardSelected != 1) {
    window.Prompt().ShowMessage("Please select the SD card drive.", "Motrevix",
                                MessageIcon::Exclamation);
    return;
  }
  const std::filesystem::path cardRoot = catalog::g_szCardRoot;
  config::ReplacingFileWriter writer;
  config::CTabsetDlg dialog(cardRoot, config::CardRootIdentity{}, window.Prompt(), writer,
                            QDateTime::currentDateTime(), &window);
  RunModal(window, dialog);
}

void OpenFormatter(CSamplePlayerDlg& window) {
  // No recording on the card may stay open while it is formatted.
  window.OnStop();
  UDisks2Client diskService;
  std::unique_ptr<IVolumeSource> volumes;
  if (window.Options().formatVolumes) volumes = window.Options().formatVolumes();
  format::CFAT32FormatterDlg dialog(window.Prompt(), std::move(volumes), &diskService, &window);
  RunModal(window, dialog);
}

}  // namespace

void InstallCameraDialogs(CSamplePlayerDlg& window) {
  window.Commands().Register(kIdConfiguration, [&window] { OpenConfiguration(window); });
  window.Commands().Register(kIdFormatCard, [&window] { OpenFormatter(window); });
}

}  // namespace motrevix

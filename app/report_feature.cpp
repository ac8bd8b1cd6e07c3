#include "app/report_feature.h"

#include <QLocale>
#include <QPrinter>
#include <QStandardPaths>
#include <filesystem>

#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "catalog/file_list_widget.h"
#include "config/camera_files.h"
#include "config/owner_file.h"
#include "view/picture_file.h"
#include "view/report_page.h"
#include "view/view_globals.h"

namespace motrevix {
namespace {

constexpr const char* kPrintCaption = "Print";
// The pictures are printed at this resolution (a page is rendered whole).
constexpr int kPrintDotsPerInch = 300;

}  // namespace

CReportFeature::CReportFeature(CSamplePlayerDlg& window, Sources sources)
    : m_window(window), m_sources(std::move(sources)) {
  window.Commands().Register(kIdPrint, [this] { Print(); });
  QObject::connect(&m_printer, &CReportPrinter::Finished, &m_printer, [this](bool printed) {
    if (!printed)
      m_window.Prompt().ShowMessage("The report could not be printed.", kPrintCaption,
                                    MessageIcon::Error);
  });
}

void CReportFeature::Print() {
  IUserPrompt& prompt = m_window.Prompt();
  const ReportFiles files =
      ReportFilesIn(QStandardPaths::writableLocation(QStandardPaths::TempLocation).toStdString());
  const std::optional<std::string> folderError = PrepareReportFolder(files.folder);

  CPlaybackGraph* graph = m_window.Player().Graph();
  const PlayState state = graph != nullptr ? graph->GetState() : PlayState::Idle;
  if (state != PlayState::Running && state != PlayState::Paused) {
    prompt.ShowMessage("Playback file first.", "Motrevix", MessageIcon::Information);
    return;
  }
  graph->Pause();
  m_window.SetPlayButton(false);

  if (folderError) {
    prompt.ShowMessage(*folderError, kPrintCaption, MessageIcon::Error);
    return;
  }
  if (m_printer.Busy()) {
    prompt.ShowMessage("The previous report is still being printed.", kPrintCaption,
                       MessageIcon::Exclamation);
    return;
  }
  if (!WriteReport(files)) return;

  auto printer = std::make_unique<QPrinter>();
  printer->setResolution(kPrintDotsPerInch);
  // The engine lays the page out on the whole sheet: drawn inside the sheet's
  // margins it would be shifted and lose its right side.
  printer->setFullPage(true);
  if (!prompt.SetUpPrinter(*printer)) return;
  m_printer.Print(QString::fromStdString(files.page), std::move(printer));
}

bool CReportFeature::WriteReport(const ReportFiles& files) {
  IUserPrompt& prompt = m_window.Prompt();
  CPlaybackController& player = m_window.Player();
  const auto failed = [&](const std::string& message) {
    prompt.ShowMessage(message, kPrintCaption, MessageIcon::Error);
    return false;
  };

  ReportValues values;
  values.fileName = m_window.FileList()->ItemText(m_window.m_nCurrentItem, 0).toStdString();
  const std::string cardRoot = m_sources.cardRoot ? m_sources.cardRoot() : std::string();
  if (!cardRoot.empty()) {
    const config::OwnerInfo owner =
        config::ReadOwnerInfo(config::CameraFilePath(cardRoot, config::kOwnerFileName));
    values.user = owner.name;
    values.carNumber = owner.carNumber;
  }
  const Moment moment = m_sources.moment ? m_sources.moment() : Moment{};
  values.speed = moment.speed;
  values.latitude = moment.latitude;
  values.longitude = moment.longitude;
  values.speedInMiles = g_bSpeedInMiles == 1;
  values.channelCount = player.GetChannelCount();
  values.decimalPoint = QLocale::system().decimalPoint().toStdString();

  if (const auto error = RemoveOldPictures(files)) return failed(*error);
  QImage front;
  if (player.GrabPicture(kGrabFront, front)) {
    if (const auto error = WritePictureFile(front, files.frontPicture, kBmpFormat))
      return failed(*error);
  }
  QImage rear;
  if (values.channelCount > 1 && player.GrabPicture(kGrabRear, rear)) {
    if (const auto error = WritePictureFile(rear, files.rearPicture, kBmpFormat))
      return failed(*error);
  }
  if (const auto error = WriteReportPage(files.page, ReportPageText(values))) return failed(*error);
  return true;
}

}  // namespace motrevix

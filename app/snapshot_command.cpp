#include "app/snapshot_command.h"

#include <QFileInfo>
#include <QImage>

#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "view/picture_file.h"
#include "view/snapshot_names.h"

namespace motrevix {
namespace {

constexpr const char* kCaptureCaption = "Capture";

// Asks before a file of the given name is replaced; true when it may be written.
bool MayWrite(IUserPrompt& prompt, const std::string& path) {
  if (!QFileInfo(QString::fromStdString(path)).exists()) return true;
  const std::string name = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
  return prompt.AskYesNo(name + " already exists.\nDo you want to replace it?", "Confirm Save As");
}

// Writes the pictures for the chosen name: nothing when the user keeps an
// existing file; a failed write is reported and ends the saving.
void SavePictures(CSamplePlayerDlg& window, const std::string& chosen, const QImage& front) {
  IUserPrompt& prompt = window.Prompt();
  CPlaybackController& player = window.Player();
  const SnapshotFiles files = SnapshotFileNames(chosen);
  const bool withRear = player.GetChannelCount() > 1;
  if (!MayWrite(prompt, files.front)) return;
  if (withRear && !MayWrite(prompt, files.rear)) return;

  if (const auto error = WritePictureFile(front, files.front, kJpegFormat)) {
    prompt.ShowMessage(*error, kCaptureCaption, MessageIcon::Error);
    return;
  }
  if (!withRear) return;
  // The rear picture is taken now, with playback paused since the front one.
  QImage rear;
  if (!player.GrabPicture(kGrabRear, rear)) return;
  if (const auto error = WritePictureFile(rear, files.rear, kJpegFormat))
    prompt.ShowMessage(*error, kCaptureCaption, MessageIcon::Error);
}

void OnCapture(CSamplePlayerDlg& window) {
  CPlaybackController& player = window.Player();
  CPlaybackGraph* graph = player.Graph();
  if (window.m_strCurrentFolder.isEmpty() || graph == nullptr) return;
  const PlayState state = graph->GetState();
  if (state != PlayState::Running && state != PlayState::Paused) return;

  QImage front;
  if (!player.GrabPicture(kGrabFront, front)) return;
  graph->Pause();
  const std::string chosen =
      window.Prompt().ChooseSaveFile("Save As", kSnapshotInitialName, kSnapshotFilter);
  if (!chosen.empty()) SavePictures(window, chosen, front);
  // The recording may have been closed while the chooser was open (a card pulled).
  if (state == PlayState::Running && player.Graph() == graph &&
      graph->GetState() == PlayState::Paused)
    graph->Run();
}

}  // namespace

void InstallSnapshotCommand(CSamplePlayerDlg& window) {
  window.Commands().Register(kIdCapture, [&window] { OnCapture(window); });
}

}  // namespace motrevix

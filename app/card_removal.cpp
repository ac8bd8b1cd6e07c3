// When the card whose root the file list shows is removed: playback ends, the
// list empties and the sliders, labels and volume go back to their start.
#include <QLabel>
#include <QSlider>

#include "app/control_ids.h"
#include "app/sample_player_dlg.h"
#include "catalog/file_list_widget.h"
#include "playback/sound_volume.h"

namespace motrevix {

void CSamplePlayerDlg::OnDriveRemoved(const QString& rootPath) {
  if (rootPath.isEmpty() || rootPath != m_strCurrentFolder) return;
  m_Player.Close();
  m_playbackTimer.stop();

  m_pFileList->DeleteAllItems();
  m_strCurrentFolder.clear();

  m_pVideoView1->hide();
  m_pVideoView2->hide();

  Label(kIdPositionTime)->setText("00:00:00");
  Label(kIdDurationTime)->setText("00:00:00");

  for (int id : {kIdProgress, kIdHourFilter, kIdMinuteFilter, kIdSecondProgress})
    SetSliderPosition(id, 0);

  Slider(kIdVolume)->setValue(50);
  SetWaveOutVolume(0x7FFF7FFFu);
  Slider(kIdRate)->setValue(5);
  update();
}

}  // namespace motrevix

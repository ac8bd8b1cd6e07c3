// When the card whose root the file list shows is removed: playback ends, the
// list empties and the sliders, labels and volume go back to their start.
#include <QLabel>
#include <QSlider>

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

  Label(1014)->setText("00:00:00");
  Label(1015)->setText("00:00:00");

  for (int id : {1002, 1019, 1030, 1024}) SetSliderPosition(id, 0);

  Slider(1004)->setValue(50);
  SetWaveOutVolume(0x7FFF7FFFu);
  Slider(1003)->setValue(5);
  update();
}

}  // namespace motrevix

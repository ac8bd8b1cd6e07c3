#pragma once
// `CSamplePlayerDlg`: the main window. It owns the playback controller, the
// telemetry of the open recording, the file list, the map control, the G-sensor
// window, the two video hosts and the side windows, and holds the state that the
// command handlers share. Its procedures live in files of their own: start-up
// and shutdown (sample_player_dlg.cpp), the controls and the windowed layout
// (main_controls.cpp), the open procedure (open_recording.cpp), the transport
// commands (transport_commands.cpp), the tick and sliders (playback_tick.cpp),
// the panes (pane_layout.cpp), card removal (card_removal.cpp) and the small
// window behaviours (window_behaviour.cpp). Commands reach their handlers through
// the command router; the features register them in features.cpp.

#include <QDialog>
#include <QElapsedTimer>
#include <QHash>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/command_router.h"
#include "app/scroll_codes.h"
#include "app/skin_face_sets.h"
#include "app/tick_pacing.h"
#include "catalog/listing_state.h"
#include "catalog/recording_entry.h"
#include "platform/network_state.h"
#include "platform/user_prompt.h"
#include "platform/volume_types.h"
#include "playback/component_factory.h"
#include "playback/playback_controller.h"
#include "telemetry/telemetry_data.h"
#include "telemetry/telemetry_readout.h"
#include "view/pane_state.h"
#include "view/placement.h"

class QAbstractButton;
class QLabel;
class QSlider;
class QWebEngineView;
class QCalendarWidget;

namespace motrevix {

namespace catalog {
class CFileListWidget;
}
namespace repair {
class CRecovery;
class IProcessLauncher;
}  // namespace repair
class CGSensorDlg;
class CMapView;
class CZoomDlg;
class CRearViewDlg;
class CInfoDlg;
class CSpeedReadoutWidget;
class CLensDlg;
class MountWatcher;

struct MainWindowOptions {
  // Components the pipelines are made of (tests make some unavailable).
  ComponentOptions components;
  // Forces the Internet check's answer; unset asks the system.
  std::optional<bool> forceOnline;
  // The mounts file the card-removal watcher reads.
  std::string mountsFile = "/proc/self/mounts";
  // Runs a feature's modal dialog; unset: exec(). Tests answer the dialog here.
  std::function<void(QDialog& dialog)> runModal;
  // The volumes the format dialog offers; unset: the removable devices.
  std::function<std::unique_ptr<IVolumeSource>()> formatVolumes;
  // The entries the drive dialog offers; unset: the mounted removable cards.
  std::function<std::vector<QString>()> driveEntries;
};

class CSamplePlayerDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int IDT_PLAYBACK = 100;
  static constexpr int kPlaybackPeriodMs = 100;

  explicit CSamplePlayerDlg(IUserPrompt& prompt, MainWindowOptions options = {},
                            QWidget* parent = nullptr);
  ~CSamplePlayerDlg() override;

  // Fills the file list with rows and remembers the folder they come from.
  void SetListedRows(const catalog::RecordingRows& rows, const QString& folder);

  // The open procedure: false when the recording could not be opened (the next
  // row of the list has then been tried).
  bool OpenRecording(const QString& path);

  // Transport commands.
  void OnPlayPause();
  void OnStop();
  void OnNext();
  void OnPrevious();
  void OnSecondBack();
  void OnSecondNext();
  void OnFrameStep();
  void OnMuteToggle();
  void OnExit();
  void OnMinimize();
  void OnInformation();
  void OnRepair();
  // A command of a control, as its click sends it; false when nothing handles it.
  bool OnCommand(int id);
  // A slider notification with its code.
  void OnHScroll(int sliderId, int code);
  // Click-to-seek on the progress slider at a main-window x coordinate.
  void SeekToProgressX(int clientX);
  // The timer message; the tick runs for IDT_PLAYBACK unless the left button is held.
  void OnTimer(int timerId);
  void PlaybackTick();
  // A mount point went away (root path with a trailing '/').
  void OnDriveRemoved(const QString& rootPath);
  // Places the three panes for the current screen mode.
  void ApplyPaneLayout();
  // The control layout of a screen mode; the windowed one follows the extended
  // background's choice.
  void ApplyLayout(int screenMode);
  // Moves, shows and hides controls as placed, in order.
  void ApplyPlacements(const Placements& placements);
  // Gives a bitmap button its faces (skin bitmap numbers); the button takes the
  // normal face's size.
  void SetButtonFaces(int id, const FaceSet& faces);
  // The Play/Pause button's face: the pause face while playing, the play face otherwise.
  void SetPlayButton(bool showsPause);
  // Opens the row's recording and plays it, the row becoming the played one (a
  // double-click on the row, Next, Previous, the time filters).
  void OpenRowAndPlay(int row);
  // A card was chosen or a folder opened: the map page is reloaded when the
  // computer is online, and g_bMapOnline records the check.
  void ReloadMapAfterSourceChoice();
  // Loads a whole set of skin bitmaps into the buttons and sliders it names.
  void LoadFaceSet(const SkinFaceSet& set);
  // The background picture: the extended one (and the window's size for it)
  // with the extended layout, else the standard one; then the window is centred.
  void LoadBackground();
  // The screen-mode commands: Full Screen (in full screen: the stretch toggle)
  // and Original Screen.
  void OnFullScreen();
  void OnOriginalScreen();
  // The magnifier command; the magnifier (null before its first use).
  void OnMagnifier();
  CLensDlg* ZoomWnd() const { return m_pZoomWnd; }
  // The background picture drawn under the controls; null in full screen.
  const QPixmap& Background() const { return m_background; }
  // The speed read-out of the telemetry display (null before it is installed).
  CSpeedReadoutWidget* SpeedDigits() const { return m_pSpeedDigits; }

  // Controls by their identifiers (app/control_ids.h). An identifier without a
  // control, or of another kind, is a programming error and ends the program.
  QWidget* Control(int id) const;
  bool HasControl(int id) const;
  QAbstractButton* Button(int id) const;
  QSlider* Slider(int id) const;
  QLabel* Label(int id) const;

  // Where features register their commands.
  CommandRouter& Commands() { return m_commands; }
  // Read-outs the open procedure and the tick call, in the order added.
  void AddReadout(std::unique_ptr<ITelemetryReadout> readout);
  // A feature object the window keeps for its whole life (destroyed before the
  // controls, after the controller is closed).
  void AddFeature(std::shared_ptr<void> feature) { m_features.push_back(std::move(feature)); }
  IUserPrompt& Prompt() const { return m_prompt; }
  const MainWindowOptions& Options() const { return m_options; }

  CPlaybackController& Player() { return m_Player; }
  const CTextData& TextData() const { return m_TextData; }
  catalog::CFileListWidget* FileList() const { return m_pFileList; }
  CZoomDlg* FrontHost() const { return m_pFrontHost; }
  CRearViewDlg* RearHost() const { return m_pRearHost; }
  CGSensorDlg* GSensorWnd() const { return m_pGSensorWnd; }
  CInfoDlg* InfoDlg() const { return m_pInfoDlg; }
  // The map control 1106, as a web view and as the map pane.
  QWebEngineView* MapView() const;
  CMapView* MapPane() const { return m_pMapView; }
  bool PlaybackTimerActive() const { return m_playbackTimer.isActive(); }
  // The map page last loaded (empty when none was).
  const QString& LoadedMapPage() const { return m_strLoadedMapPage; }
  // Loads the map page when the computer reports an Internet connection and
  // records the answer in g_bMapOnline (1 connected, 0 not); true when loaded.
  // Choosing a card, opening a folder and opening a recording with GPS call it.
  bool LoadMapPageIfOnline();
  // Where the information window's link leads, and how it is opened.
  std::function<void(const QString& address)> openAddress;

  // Shared state.
  int m_nScreenMode = 1;
  // Front, rear and map panes (m_nFrontPane, m_nRearPane, m_nMapPane) and the
  // swap and full-screen flags.
  PaneState m_Panes;
  int m_nGpsState = 0;
  int m_bRecordingLoaded = 0;
  int m_nCurrentItem = -1;
  int m_nProgressOriginX = 0;
  QString m_strCurrentFolder;
  // The filtered listings' state (the current hour, the calendar's day).
  catalog::ListingState m_Listing;

 signals:
  // Play or Stop was issued, before it acts: views drawn over the video give way.
  void PlayIssued();
  void StopIssued();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void reject() override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void InitDialog();
  void WriteDecoderSettings();
  void CreateControls();
  void ConnectControls();
  void SetUpVideo();
  void InitSliders();
  void CheckComponents();
  void AddToolTips();
  void StartWatchingMounts();

  // Registers every feature's commands and read-outs (features.cpp).
  void InstallFeatures();
  void InstallTransportCommands();
  void InstallSliderHandlers();
  void InstallWindowCommands();
  // The pane buttons (pane_commands.cpp) and the picture controls (picture_commands.cpp).
  void InstallPaneCommands();
  void OnPaneButton(int id);
  void InstallPictureCommands();
  // The speed digits, the map's position and trip and the G-sensor graph.
  void InstallTelemetryDisplay();
  void InstallScreenModeCommands();
  void InstallMagnifierCommand();
  // Maximises the window to the screen's free area.
  void Maximize();
  // Puts the rear picture's window clear of this window's picture (beside it, or
  // over the inset pane), as the screen allows.
  void PlaceRearWindow();
  // The play button for a play state: the pause face while running, the play
  // face while paused, unchanged otherwise.
  void SetPlayButtonForState(int state);
  void OnFlipOrMirror(int id);
  // Flip and mirror as their buttons stand, on every decoder of the open recording.
  void ApplyOrientation();
  void OnBrightnessReset();
  void OnSpeedUnit();
  void OnGSensorWindow();
  // After a rear zoom step: playback runs on.
  void OnRearZoomStep();
  void OnProgressScroll(QSlider* slider);
  void OnSecondProgressScroll(QSlider* slider);
  void OnRateScroll(QSlider* slider);
  void OnVolumeScroll(QSlider* slider);
  void OnBrightnessScroll(QSlider* slider);
  void ApplyWaveOutVolume(int position);
  void UpdateTimeReadouts(std::int64_t positionMs, std::int64_t durationMs);
  void CollapseMapView(const QRect& rect);
  void LoadMapPage();
  // Brightness b on each video channel that has a decoder.
  void ApplyBrightness(int b);
  bool PlayFromStoppedState();
  // The pipeline object's play state, or -1 without one.
  int CurrentPlayState() const;
  QString RowPath(int row) const;
  void SetSliderPosition(int id, std::int64_t position);

  IUserPrompt& m_prompt;
  MainWindowOptions m_options;
  NetworkState m_network;
  // Destroyed after the members declared below it.
  CPlaybackController m_Player;
  CTextData m_TextData;
  std::vector<std::unique_ptr<ITelemetryReadout>> m_readouts;
  CommandRouter m_commands;
  std::vector<std::shared_ptr<void>> m_features;

  QHash<int, QWidget*> m_controls;
  catalog::CFileListWidget* m_pFileList = nullptr;
  CMapView* m_pMapView = nullptr;
  QCalendarWidget* m_pCalendar = nullptr;
  QWidget* m_pVideoView1 = nullptr;
  QWidget* m_pVideoView2 = nullptr;
  CGSensorDlg* m_pGSensorWnd = nullptr;
  CZoomDlg* m_pFrontHost = nullptr;
  CRearViewDlg* m_pRearHost = nullptr;
  CInfoDlg* m_pInfoDlg = nullptr;
  CSpeedReadoutWidget* m_pSpeedDigits = nullptr;
  CLensDlg* m_pZoomWnd = nullptr;
  repair::CRecovery* m_pRepairDlg = nullptr;
  std::unique_ptr<repair::IProcessLauncher> m_pRepairLauncher;
  std::unique_ptr<MountWatcher> m_pMountWatcher;
  QTimer m_playbackTimer;
  // The tick's work rides on the front picture's round while pictures play.
  TickPacing m_tickPacing;
  QElapsedTimer m_tickClock;
  QString m_strLoadedMapPage;
  // Drawn under the controls; null in full screen (black).
  QPixmap m_background;

  // Opens that failed in a row; a round of failures over the whole list stops.
  int m_nFailedOpensInRow = 0;
  // Dragging the window by its background.
  bool m_bDragging = false;
  QPoint m_dragOffset;
};

}  // namespace motrevix

#include "app/sample_player_dlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSlider>
#include <QWebEngineView>

#include "app/control_ids.h"
#include "app/info_dlg.h"
#include "catalog/file_list_widget.h"
#include "platform/mount_watcher.h"
#include "platform/settings_store.h"
#include "repair/process_launcher.h"
#include "repair/recovery_dialog.h"
#include "telemetry/gsensor_window.h"
#include "view/pane_rects.h"
#include "view/video_hosts.h"

namespace motrevix {

CSamplePlayerDlg::CSamplePlayerDlg(IUserPrompt& prompt, MainWindowOptions options, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      m_prompt(prompt),
      m_options(std::move(options)),
      m_network(m_options.forceOnline),
      m_Player(m_options.components) {
  setObjectName("102");
  // The installed icon of the menu entry; from a build tree, the same picture built in.
  setWindowIcon(QIcon::fromTheme(MOTREVIX_APP_ID, QIcon(":/motrevix/" MOTREVIX_APP_ID ".svg")));
  m_playbackTimer.setInterval(kPlaybackPeriodMs);
  qApp->installEventFilter(this);
  m_tickClock.start();
  connect(&m_playbackTimer, &QTimer::timeout, this, [this] {
    if (m_tickPacing.OnTimer(m_tickClock.elapsed())) OnTimer(IDT_PLAYBACK);
  });
  InitDialog();
}

void CSamplePlayerDlg::InitDialog() {
  WriteDecoderSettings();
  CreateControls();

  m_pGSensorWnd = new CGSensorDlg(this);
  m_pGSensorWnd->SetTextData(&m_TextData);
  m_pGSensorWnd->setGeometry(50, 531, 714, 67);
  m_pGSensorWnd->show();

  StartWatchingMounts();
  setWindowTitle("Motrevix");
  SetUpVideo();
  InitSliders();
  ApplyLayout(1);
  LoadBackground();
  LoadFaceSet(StartupFaceSet());
  CheckComponents();

  // Centre on the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  PlaceRearWindow();
  Slider(kIdRate)->setValue(5);
  AddToolTips();
  InstallFeatures();
  ConnectControls();
  update();
}

void CSamplePlayerDlg::WriteDecoderSettings() {
  // The video decoder reads these; a store that cannot be written is ignored.
  SettingsStore store = SettingsStore::Default();
  const char* key = "Software\\GNU\\ffdshow";
  store.WriteDword(RegistryHive::CurrentUser, key, "multipleInstances", 0);
  store.WriteDword(RegistryHive::CurrentUser, key, "isWhitelist", 0);
  store.WriteDword(RegistryHive::CurrentUser, key, "h264", 1);
}

void CSamplePlayerDlg::SetUpVideo() {
  resize(1080, 710);
  m_pVideoView1 = new QWidget(this);
  m_pVideoView1->setObjectName("Video window1");
  m_pVideoView2 = new QWidget(this);
  m_pVideoView2->setObjectName("Video window2");

  m_pFrontHost = new CZoomDlg(this);
  m_pFrontHost->setGeometry(20, 98, 633, 354);
  m_pFrontHost->show();
  m_pFrontHost->Surface()->show();
  connect(m_pFrontHost->Surface(), &CVideoSurfaceWidget::PictureArrived, this, [this] {
    // A tick released after its timer stopped would act on a stopped graph.
    if (m_tickPacing.OnPicture(m_tickClock.elapsed()) && m_playbackTimer.isActive())
      OnTimer(IDT_PLAYBACK);
  });

  m_pRearHost = new CRearViewDlg(this);
  m_pRearHost->setGeometry(675, 265, 310, 233);
  m_pRearHost->hide();
  m_pRearHost->Surface()->show();

  m_controls.insert(kIdFrontHost, m_pFrontHost);
  m_controls.insert(kIdRearHost, m_pRearHost);
  m_Player.Attach(m_pFrontHost->Surface(), m_pRearHost->Surface());

  m_bRecordingLoaded = 0;
  m_Panes = PaneState{};
  m_nScreenMode = 1;
  CollapseMapView(kCollapsedMapRect);
}

void CSamplePlayerDlg::InitSliders() {
  Slider(kIdVolume)->setRange(0, 100);
  Slider(kIdVolume)->setValue(50);
  Slider(kIdHourFilter)->setRange(0, 24);
  Slider(kIdHourFilter)->setValue(0);
  Slider(kIdMinuteFilter)->setRange(0, 60);
  Slider(kIdMinuteFilter)->setValue(0);
  Slider(kIdRate)->setRange(1, 9);
  Slider(kIdRate)->setValue(5);
  Slider(kIdRate)->hide();
  Control(kIdRateIcon)->hide();
  Slider(kIdBrightness)->setRange(-150, 150);
  Slider(kIdBrightness)->setValue(0);
}

void CSamplePlayerDlg::CheckComponents() {
  const int check = m_Player.CheckFilters();
  if (check == -1)
    m_prompt.ShowMessage("Source Filter is unregisted.", "Motrevix", MessageIcon::Information);
  else if (check == -2)
    m_prompt.ShowMessage("Video Filter(ffdshow) is unregisted.", "Motrevix",
                         MessageIcon::Information);
}

void CSamplePlayerDlg::StartWatchingMounts() {
  m_pMountWatcher = std::make_unique<MountWatcher>(m_options.mountsFile);
  connect(m_pMountWatcher.get(), &MountWatcher::MountRemoved, this,
          &CSamplePlayerDlg::OnDriveRemoved);
}

CSamplePlayerDlg::~CSamplePlayerDlg() {
  m_playbackTimer.stop();
  // The pipeline draws into the hosts' surfaces from its own threads: close it
  // before any host goes away.
  m_Player.Close();
  delete m_pGSensorWnd;
  delete m_pFrontHost;
  delete m_pRepairDlg;
  delete m_pRearHost;
  delete m_pInfoDlg;
  m_pMountWatcher.reset();
  m_readouts.clear();
  m_features.clear();
  m_TextData.RemoveAll();
}

void CSamplePlayerDlg::OnRepair() {
  if (m_pRepairDlg == nullptr) {
    m_pRepairLauncher = std::make_unique<repair::SpawnProcessLauncher>();
    m_pRepairDlg =
        new repair::CRecovery(m_prompt, *m_pRepairLauncher, repair::DefaultRepairLocations(), this);
    m_pRepairDlg->setWindowFlag(Qt::Window);
    m_pRepairDlg->setGeometry(380, 250, 400, 170);
  }
  m_pRepairDlg->show();
  m_pRepairDlg->raise();
}

}  // namespace motrevix

// Exit, keys, card removal and the information window.
#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <fstream>

#include "app/control_ids.h"
#include "app/info_dlg.h"
#include "app/transport_rules.h"
#include "catalog/file_list_widget.h"
#include "platform/mount_watcher.h"
#include "playback/sound_volume.h"
#include "tests/app/window_fixture.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/test_support.h"
#include "view/video_hosts.h"

namespace motrevix::test {
namespace {

using WindowBehaviour = MainWindowTest;

TEST_F(WindowBehaviour, ExitAsksAfterStoppingAndClosesOnYes) {
  const auto file = MakeRecording({1, false}, "a.AVI");
  ListFiles({file});
  CSamplePlayerDlg& window = Window();
  window.show();
  window.OnPlayPause();
  ASSERT_EQ(window.Player().GetState(), PlayState::Running);

  prompt_.answers = {false, true};
  window.OnExit();
  ASSERT_EQ(prompt_.questions.size(), 1u);
  EXPECT_EQ(prompt_.questions[0].text, "Are you sure you want to quit?     ");
  EXPECT_EQ(prompt_.questions[0].caption, "Exit");
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.Player().HasPipeline());
  EXPECT_EQ(window.m_bRecordingLoaded, 0);

  window.OnExit();
  EXPECT_EQ(prompt_.questions.size(), 2u);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(WindowBehaviour, TheWindowManagersCloseAsksTheExitQuestion) {
  CSamplePlayerDlg& window = Window();
  window.show();
  prompt_.answers = {false, true};
  EXPECT_FALSE(window.close());
  ASSERT_EQ(prompt_.questions.size(), 1u);
  EXPECT_EQ(prompt_.questions[0].caption, "Exit");
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.close());
  EXPECT_EQ(prompt_.questions.size(), 2u);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(WindowBehaviour, EnterAndEscapeAreSwallowed) {
  const auto file = MakeRecording({1, false}, "a.AVI");
  ListFiles({file});
  CSamplePlayerDlg& window = Window();
  window.show();
  catalog::CFileListWidget* list = window.FileList();
  list->setCurrentItem(list->topLevelItem(0));
  list->setFocus();
  QSignalSpy activated(list, &QAbstractItemView::activated);
  for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    QTest::keyClick(list, static_cast<Qt::Key>(key));
    QTest::keyClick(&window, static_cast<Qt::Key>(key));
    EXPECT_TRUE(window.isVisible()) << key;
  }
  EXPECT_EQ(activated.count(), 0);
  EXPECT_EQ(window.Player().GetState(), PlayState::Idle);
  EXPECT_TRUE(prompt_.questions.empty());
  // Other keys reach the controls.
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(list->currentIndex().row(), 0);
  // The rear picture's window is a window of its own: the keys do not close it.
  CRearViewDlg* rear = window.RearHost();
  rear->show();
  for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    QTest::keyClick(rear, static_cast<Qt::Key>(key));
    EXPECT_TRUE(rear->isVisible()) << key;
  }
  // Sized by the user, the rear picture fills the client area, not more.
  rear->resize(400, 300);
  QApplication::processEvents();
  EXPECT_EQ(rear->Surface()->geometry(), QRect(0, 0, 400, 300));
}

TEST_F(WindowBehaviour, TheBackgroundDragsTheWindowOnlyInTheWindowedLayout) {
  CSamplePlayerDlg& window = Window();
  window.show();
  for (const int mode : {1, 2}) {
    window.m_nScreenMode = mode;
    const QPoint before = window.pos();
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(600, 20));
    QTest::mouseMove(&window, QPoint(640, 50));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(640, 50));
    EXPECT_EQ(window.pos() - before, mode == 1 ? QPoint(40, 30) : QPoint(0, 0)) << mode;
  }
}

TEST_F(WindowBehaviour, RemovingTheListedCardEmptiesTheList) {
  const auto file = MakeRecording({1, false, 2}, "a.AVI");
  const struct {
    const char* removed;
    bool resets;
  } cases[] = {{"/media/other/", false}, {"/media/card/Normal/", false}, {"/media/card/", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.removed);
    RecordingPrompt prompt;
    MainWindowOptions options;
    options.forceOnline = false;
    CSamplePlayerDlg window(prompt, options);
    catalog::RecordingRows rows(1);
    rows[0].m_strPath = QString::fromStdString(file.string());
    window.SetListedRows(rows, "/media/card/");
    window.Slider(kIdVolume)->setValue(80);
    window.OnHScroll(kIdVolume, kThumbTrack);
    window.OnPlayPause();
    window.Slider(kIdRate)->setValue(2);
    window.OnSecondNext();
    ASSERT_EQ(window.Label(kIdPositionTime)->text(), "00:00:01");
    // Playing on: the skip lands one second past where the clock had got to.
    const int progress = window.Slider(kIdProgress)->value();
    ASSERT_GE(progress, 1000);

    window.OnDriveRemoved(c.removed);
    EXPECT_EQ(window.FileList()->RowCount(), c.resets ? 0 : 1);
    EXPECT_EQ(window.m_strCurrentFolder.isEmpty(), c.resets);
    EXPECT_EQ(window.Player().HasPipeline(), !c.resets);
    EXPECT_EQ(window.PlaybackTimerActive(), !c.resets);
    EXPECT_EQ(window.Label(kIdPositionTime)->text(), c.resets ? "00:00:00" : "00:00:01");
    EXPECT_EQ(window.Slider(kIdProgress)->value(), c.resets ? 0 : progress);
    EXPECT_EQ(window.Slider(kIdVolume)->value(), c.resets ? 50 : 80);
    EXPECT_EQ(window.Slider(kIdRate)->value(), c.resets ? 5 : 2);
    EXPECT_EQ(GetWaveOutVolume(), c.resets ? 0x7FFF7FFFu : WaveOutValueForSliderPosition(80));
  }
}

TEST_F(WindowBehaviour, TheInformationWindowIsMadeOnce) {
  CSamplePlayerDlg& window = Window();
  QString opened;
  window.openAddress = [&](const QString& address) { opened = address; };
  window.OnInformation();
  CInfoDlg* info = window.InfoDlg();
  ASSERT_NE(info, nullptr);
  info->hide();
  window.OnInformation();
  EXPECT_EQ(window.InfoDlg(), info);
  EXPECT_TRUE(info->isVisible());
  EXPECT_EQ(window.findChildren<CInfoDlg*>().size(), 1);
  EXPECT_EQ(info->windowTitle(), "RD-310 Player");
  const QStringList texts = [&] {
    QStringList all;
    for (const QLabel* label : info->findChildren<QLabel*>()) all << label->text();
    return all;
  }();
  EXPECT_TRUE(texts.contains("Player Version : M0.5.2.E"));
  EXPECT_TRUE(texts.contains("Model :  RD-310"));
  CLinkLabel* link = info->Link();
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(255, 0, 255));
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(link, Qt::LeftButton);
  EXPECT_EQ(opened, CInfoDlg::kAddress);
}

// Receives the addresses the desktop would open in the default browser.
class BrowserStandIn : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened.push_back(url); }
};

TEST_F(WindowBehaviour, TheInformationLinkOpensTheDefaultBrowser) {
  BrowserStandIn browser;
  QDesktopServices::setUrlHandler("https", &browser, "Open");
  CSamplePlayerDlg& window = Window();
  window.OnInformation();
  QTest::mouseClick(window.InfoDlg()->Link(), Qt::LeftButton);
  QDesktopServices::unsetUrlHandler("https");
  ASSERT_EQ(browser.opened.size(), 1);
  EXPECT_EQ(browser.opened[0], QUrl(CInfoDlg::kAddress));
}

TEST(MountWatcher, ReportsTheMountPointsThatWentAway) {
  const std::filesystem::path mounts = ScratchDir() / "mounts";
  std::ofstream(mounts) << "/dev/sda1 / ext4 rw 0 0\n"
                           "/dev/sdb1 /media/card fat rw 0 0\n"
                           "/dev/sdc1 /media/my\\040card vfat rw 0 0\n";
  MountWatcher watcher(mounts.string());
  QSignalSpy removed(&watcher, &MountWatcher::MountRemoved);
  std::ofstream(mounts) << "/dev/sda1 / ext4 rw 0 0\n";
  watcher.Rescan();
  ASSERT_EQ(removed.count(), 2);
  EXPECT_EQ(removed[0][0].toString(), "/media/card/");
  EXPECT_EQ(removed[1][0].toString(), "/media/my card/");
  watcher.Rescan();
  EXPECT_EQ(removed.count(), 2);
}

TEST(MountWatcher, RemovedMountPointsKeepsTheOrderOfBefore) {
  EXPECT_EQ(RemovedMountPoints({"/", "/a", "/b", "/c"}, {"/c", "/", "/x"}),
            (std::vector<std::string>{"/a", "/b"}));
  EXPECT_TRUE(RemovedMountPoints({"/a"}, {"/a", "/b"}).empty());
}

}  // namespace
}  // namespace motrevix::test

namespace motrevix::test {
namespace {

TEST_F(WindowBehaviour, UnmountingTheListedCardIsNoticed) {
  const std::filesystem::path card = scratch_ / "card";
  std::filesystem::create_directories(card);
  if (motrevix::test::Run("mount", {"-t", "tmpfs", "-o", "size=1m", "none", card.string()})
          .exitCode != 0)
    GTEST_SKIP() << "cannot mount a file system here";
  // Unmounted by the test; this only cleans up after a failure.
  struct Unmount {
    std::string point;
    ~Unmount() { motrevix::test::Run("umount", {"-l", point}); }
  } cleanup{card.string()};
  const auto file = MakeRecording({1, false}, "card/a.AVI");
  CSamplePlayerDlg& window = Window();
  ListFiles({file}, QString::fromStdString(card.string()) + "/");
  window.OnPlayPause();
  ASSERT_EQ(window.Player().GetState(), PlayState::Running);
  window.OnStop();
  const ProcessResult unmount = motrevix::test::Run("umount", {card.string()});
  ASSERT_EQ(unmount.exitCode, 0) << unmount.err;
  QTRY_COMPARE_WITH_TIMEOUT(window.FileList()->RowCount(), 0, 3000);
  EXPECT_TRUE(window.m_strCurrentFolder.isEmpty());
}

}  // namespace
}  // namespace motrevix::test

#include "window_behaviour_test.moc"

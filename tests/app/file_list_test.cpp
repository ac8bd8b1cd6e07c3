// The file list on a card made by make-recording --card, with a Motion folder
// added: the drive dialog, Folder Open, the category buttons, the calendar and
// the hour and minute sliders.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <functional>
#include <optional>

#include "app/app_globals.h"
#include "app/control_ids.h"
#include "app/qt_user_prompt.h"
#include "app/scroll_codes.h"
#include "app/source_choice.h"
#include "catalog/card_selection.h"
#include "catalog/catalog_globals.h"
#include "catalog/category_buttons.h"
#include "catalog/drive_entries.h"
#include "catalog/file_list_widget.h"
#include "catalog/select_drive_dlg.h"
#include "platform/mount_watcher.h"
#include "tests/app/window_fixture.h"
#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {

namespace fs = std::filesystem;
using catalog::FaceNumbers;
using Names = std::vector<std::string>;

// The demo card, made once for the build tree (the CTest fixture makes it before
// the tests; run alone, the first test makes it). Made beside its place and
// renamed, so that a half-written card is never used.
fs::path DemoCard() {
  const fs::path card = fs::path(MOTREVIX_TEST_TMP_DIR) / "demo-card";
  if (fs::exists(card / "PARK")) return card;
  const fs::path making = card.string() + ".making-" + std::to_string(::getpid());
  fs::remove_all(making);
  const ProcessResult run = RunTool("make-recording", {"--card", making.string()});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  std::error_code ignored;
  fs::rename(making, card, ignored);  // another process may have been first
  fs::remove_all(making, ignored);
  return card;
}

const Names kAllTitles = {"E_2024_05_17_08_33_47", "E_2024_05_17_13_21_10", "M_2024_05_19_10_00_00",
                          "N_2024_05_17_08_31_05", "N_2024_05_17_08_32_05", "N_2024_05_17_09_05_40",
                          "N_2024_05_18_07_58_12", "N_2024_05_18_18_45_30", "P_2024_05_17_22_10_00",
                          "P_2024_05_18_03_12_45"};
const Names kNormalTitles = {"N_2024_05_17_08_31_05", "N_2024_05_17_08_32_05",
                             "N_2024_05_17_09_05_40", "N_2024_05_18_07_58_12",
                             "N_2024_05_18_18_45_30"};
const Names kEventTitles = {"E_2024_05_17_08_33_47", "E_2024_05_17_13_21_10"};
const Names kParkTitles = {"P_2024_05_17_22_10_00", "P_2024_05_18_03_12_45"};

// Faces of ALL and Normal as the table of categories gives them.
const FaceNumbers kAllSelected = {324, 324, 324, 323};
const FaceNumbers kAllUnselected = {323, 324, 324, 323};
const FaceNumbers kAllAtStart = {323, 324, 323, 323};
const FaceNumbers kNormalSelected = {298, 298, 298, 297};
const FaceNumbers kNormalUnselected = {297, 298, 298, 297};
const FaceNumbers kNormalAtStart = {297, 298, 297, 0};

class FileListTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    catalog::ResetCatalogGlobals();
    // Underscores in the card's own path: the time fields must come from the file name.
    card_ = scratch_ / "my_SD_CARD";
    fs::copy(DemoCard(), card_, fs::copy_options::recursive);
    fs::create_directories(card_ / "Motion");
    fs::copy_file(card_ / "Normal" / "N_2024_05_17_08_31_05.AVI",
                  card_ / "Motion" / "M_2024_05_19_10_00_00.AVI");
    mounts_ = scratch_ / "mounts";
    WriteMounts({card_});
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    catalog::ResetCatalogGlobals();
  }

  void WriteMounts(const std::vector<fs::path>& cards) {
    std::ofstream out(mounts_);
    out << "/dev/vda1 / ext4 rw 0 0\n";
    for (const fs::path& card : cards) out << "/dev/sdb1 " << card.string() << " vfat rw 0 0\n";
  }
  QString CardRoot() const { return QString::fromStdString(card_.string() + "/"); }
  std::string Entry(const fs::path& card) const { return card.string() + "/ SD CARD"; }

  // The window, offering the card (or the given entries) in the drive dialog.
  CSamplePlayerDlg& CardWindow(std::optional<std::vector<std::string>> entries = std::nullopt,
                               bool online = false) {
    MainWindowOptions options;
    options.forceOnline = online;
    options.mountsFile = mounts_.string();
    const std::vector<std::string> offered = entries.value_or(Names{Entry(card_)});
    options.driveEntries = [offered] {
      std::vector<QString> texts;
      for (const std::string& text : offered) texts.push_back(QString::fromStdString(text));
      return texts;
    };
    return Window(options);
  }
  bool ChooseCard(CSamplePlayerDlg& window) {
    prompt_.chosenDrive = Entry(card_);
    return window.OnCommand(kIdSelectDrive);
  }

  Names Rows() const {
    Names names;
    for (int row = 0; row < window_->FileList()->RowCount(); ++row)
      names.push_back(window_->FileList()->ItemText(row, 0).toStdString());
    return names;
  }
  // Filtered listings keep the directory's order: compared sorted.
  Names SortedRows() const {
    Names names = Rows();
    std::sort(names.begin(), names.end());
    return names;
  }
  FaceNumbers Faces(int id) const {
    const QVariantList numbers = window_->Button(id)->property("faceNumbers").toList();
    FaceNumbers faces{};
    for (int i = 0; i < 4 && i < numbers.size(); ++i) faces[i] = numbers[i].toInt();
    return faces;
  }
  bool Playing() const {
    return window_->PlaybackTimerActive() && window_->Player().Graph() != nullptr;
  }
  void MoveSlider(int id, int position, int code = kThumbPosition) {
    window_->Slider(id)->setValue(position);
    window_->OnHScroll(id, code);
  }

  fs::path card_;
  fs::path mounts_;
};

// Each case starts with the card chosen in the drive dialog (or without a card),
// runs its steps and looks at the rows, the played row and the faces of ALL and
// Normal.
TEST_F(FileListTest, CommandsListTheirRowsAndKeepOrForgetThePlayedRow) {
  using Step = std::function<void(CSamplePlayerDlg&)>;
  const auto command = [](int id) { return Step([id](CSamplePlayerDlg& w) { w.OnCommand(id); }); };
  const auto playedRow = [](int row) {
    return Step([row](CSamplePlayerDlg& w) {
      w.m_nCurrentItem = row;
      w.FileList()->SetPlayingRow(row);
    });
  };
  const auto play = [](int row) {
    return Step([row](CSamplePlayerDlg& w) { w.OpenRowAndPlay(row); });
  };
  const auto hour = [this](int h) {
    return Step([this, h](CSamplePlayerDlg&) { MoveSlider(kIdHourFilter, h); });
  };
  const auto minute = [this](int m) {
    return Step([this, m](CSamplePlayerDlg&) { MoveSlider(kIdMinuteFilter, m); });
  };
  const auto currentHour = [](int h) {
    return Step([h](CSamplePlayerDlg& w) { w.m_Listing.m_nCurrentHour = h; });
  };
  const auto day = [](int y, int m, int d) {
    return Step([=](CSamplePlayerDlg& w) {
      emit qobject_cast<QCalendarWidget*>(w.Control(kIdCalendar))->clicked(QDate(y, m, d));
    });
  };
  const auto openFolder = [this](const char* relative) {
    return Step([this, relative](CSamplePlayerDlg& w) {
      prompt_.chosenFolder = (card_ / relative).string();
      w.OnCommand(kIdFolderOpen);
    });
  };

  const struct {
    const char* name;
    bool card;
    std::vector<Step> steps;
    Names rows;
    bool sorted;  // compare the rows as a set (a filtered listing)
    int currentItem;
    bool playing;
    FaceNumbers allFaces;
    FaceNumbers normalFaces;
  } cases[] = {
      {"no card: ALL",
       false,
       {command(kIdCategoryAll)},
       {},
       false,
       -1,
       false,
       kAllAtStart,
       kNormalAtStart},
      {"no card: Motion",
       false,
       {command(kIdCategoryMotion)},
       {},
       false,
       -1,
       false,
       kAllAtStart,
       kNormalAtStart},
      {"card chosen", true, {}, kAllTitles, false, -1, false, kAllSelected, kNormalUnselected},
      {"Event",
       true,
       {command(kIdCategoryEvent)},
       kEventTitles,
       false,
       -1,
       false,
       kAllUnselected,
       kNormalUnselected},
      {"Event then Normal keeps the played index",
       true,
       {command(kIdCategoryEvent), playedRow(1), command(kIdCategoryNormal)},
       kNormalTitles,
       false,
       1,
       false,
       kAllUnselected,
       kNormalSelected},
      {"Normal then ALL forgets it",
       true,
       {playedRow(2), command(kIdCategoryNormal), command(kIdCategoryAll)},
       kAllTitles,
       false,
       -1,
       false,
       kAllSelected,
       kNormalUnselected},
      {"Parking forgets it",
       true,
       {playedRow(1), command(kIdCategoryParking)},
       kParkTitles,
       false,
       -1,
       false,
       kAllUnselected,
       kNormalUnselected},
      {"Motion leaves the faces",
       true,
       {command(kIdCategoryNormal), command(kIdCategoryMotion)},
       {"M_2024_05_19_10_00_00"},
       false,
       -1,
       false,
       kAllUnselected,
       kNormalSelected},
      {"Manual: no folder",
       true,
       {command(kIdCategoryManual)},
       {},
       false,
       -1,
       false,
       kAllSelected,
       kNormalUnselected},
      {"List review lists the current folder again",
       true,
       {command(kIdCategoryEvent), day(2024, 5, 17), command(kIdListReview)},
       kEventTitles,
       false,
       -1,
       false,
       kAllUnselected,
       kNormalUnselected},
      {"folder open: the categories do nothing",
       true,
       {openFolder("Event"), command(kIdCategoryNormal), command(kIdCategoryParking)},
       kEventTitles,
       false,
       0,
       false,
       kAllSelected,
       kNormalUnselected},
      {"folder open: ALL only shows itself unselected",
       true,
       {openFolder("Event"), command(kIdCategoryAll)},
       kEventTitles,
       false,
       0,
       false,
       kAllUnselected,
       kNormalUnselected},
      {"calendar day",
       true,
       {command(kIdCategoryNormal), day(2024, 5, 18)},
       {"N_2024_05_18_07_58_12.AVI", "N_2024_05_18_18_45_30.AVI"},
       true,
       -1,
       false,
       kAllUnselected,
       kNormalSelected},
      {"calendar day without recordings",
       true,
       {command(kIdCategoryNormal), day(2024, 5, 20)},
       {},
       true,
       -1,
       false,
       kAllUnselected,
       kNormalSelected},
      // The row after the selection (row 0 when none) is at 08:31, not in hour 18.
      {"hour of other recordings lists only",
       true,
       {command(kIdCategoryNormal), hour(18)},
       {"N_2024_05_18_18_45_30.AVI"},
       true,
       -1,
       false,
       kAllUnselected,
       kNormalSelected},
      {"hour of the following recording plays on",
       true,
       {command(kIdCategoryNormal), hour(8)},
       {"N_2024_05_17_08_31_05.AVI", "N_2024_05_17_08_32_05.AVI"},
       true,
       0,
       true,
       kAllUnselected,
       kNormalSelected},
      // The row after the played one (13:21) is in hour 13, but the card root
      // itself holds no recording.
      {"hour with nothing in the folder stops",
       true,
       {play(0), hour(13)},
       {},
       false,
       -1,
       false,
       kAllSelected,
       kNormalUnselected},
      {"minute lists recordings of both containers",
       true,
       {command(kIdCategoryNormal), minute(46)},
       {"N_2024_05_18_18_46_30.MP4"},
       true,
       -1,
       false,
       kAllUnselected,
       kNormalSelected},
      {"minute of the following recording in the current hour plays on",
       true,
       {command(kIdCategoryNormal), currentHour(8), minute(31)},
       {"N_2024_05_17_08_31_05.AVI"},
       true,
       0,
       true,
       kAllUnselected,
       kNormalSelected},
      {"minute of another hour lists only",
       true,
       {command(kIdCategoryNormal), currentHour(9), minute(31)},
       {"N_2024_05_17_08_31_05.AVI"},
       true,
       -1,
       false,
       kAllUnselected,
       kNormalSelected},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    window_.reset();
    catalog::ResetCatalogGlobals();
    CSamplePlayerDlg& window = CardWindow();
    if (c.card) {
      ASSERT_TRUE(ChooseCard(window));
    }
    for (const Step& step : c.steps) step(window);
    EXPECT_EQ(c.sorted ? SortedRows() : Rows(), c.rows);
    EXPECT_EQ(window.m_nCurrentItem, c.currentItem);
    EXPECT_EQ(window.FileList()->PlayingRow(), c.currentItem);
    EXPECT_EQ(Playing(), c.playing);
    EXPECT_EQ(Faces(kIdCategoryAll), c.allFaces);
    EXPECT_EQ(Faces(kIdCategoryNormal), c.normalFaces);
  }
}

TEST_F(FileListTest, ThePlayedRowIsDrawnInItsOwnColour) {
  CSamplePlayerDlg& window = CardWindow();
  ASSERT_TRUE(ChooseCard(window));
  window.OnCommand(kIdCategoryEvent);
  window.FileList()->SetPlayingRow(-1);
  window.OpenRowAndPlay(1);
  ASSERT_TRUE(Playing());
  window.OnCommand(kIdCategoryNormal);  // Normal keeps the index: row 1 stays blue
  EXPECT_EQ(window.FileList()->RowTextColour(1), QColor(95, 150, 238));
  EXPECT_EQ(window.FileList()->RowTextColour(0), QColor(80, 80, 80));
  EXPECT_TRUE(Playing());  // a category change does not stop playback
  window.OnCommand(kIdCategoryParking);
  EXPECT_EQ(window.FileList()->RowTextColour(1), QColor(80, 80, 80));
}

TEST_F(FileListTest, TheSlidersActOnTheirScrollCodesOnly) {
  CSamplePlayerDlg& window = CardWindow();
  ASSERT_TRUE(ChooseCard(window));
  window.OnCommand(kIdCategoryNormal);
  QSlider* hours = window.Slider(kIdHourFilter);
  hours->setValue(17);
  hours->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // an arrow key: nothing
  EXPECT_EQ(Rows(), kNormalTitles);
  hours->triggerAction(QAbstractSlider::SliderPageStepAdd);  // page right: 18 + 1
  EXPECT_EQ(catalog::g_nSelectedHour, 19);
  EXPECT_EQ(Rows(), Names{});
  hours->setValue(18);
  emit hours->sliderReleased();  // thumb position
  EXPECT_EQ(catalog::g_nSelectedHour, 18);
  EXPECT_EQ(Rows(), Names{"N_2024_05_18_18_45_30.AVI"});
  EXPECT_EQ(hours->minimum(), 0);
  EXPECT_EQ(hours->maximum(), 24);
}

// Only a day the user picks lists; the day Play shows in the calendar does not.
TEST_F(FileListTest, TheDayPlaySetsInTheCalendarListsNothing) {
  CSamplePlayerDlg& window = CardWindow();
  ASSERT_TRUE(ChooseCard(window));
  window.OnCommand(kIdCategoryNormal);
  window.OnPlayPause();
  ASSERT_TRUE(Playing());
  auto* calendar = qobject_cast<QCalendarWidget*>(window.Control(kIdCalendar));
  EXPECT_EQ(calendar->selectedDate(), QDate(2024, 5, 17));
  calendar->setSelectedDate(QDate(2024, 5, 18));
  EXPECT_EQ(Rows(), kNormalTitles);
}

TEST_F(FileListTest, OkInTheDriveDialogSelectsTheCardStopsAndReloadsTheMapOnline) {
  for (const bool online : {false, true}) {
    SCOPED_TRACE(online ? "online" : "offline");
    window_.reset();
    catalog::ResetCatalogGlobals();
    g_bMapOnline = 0;
    const fs::path other = scratch_ / "other card";
    fs::create_directories(other);
    CSamplePlayerDlg& window = CardWindow(Names{Entry(other), Entry(card_)}, online);
    // Offline, something plays first; online, the map page must come from the
    // choice itself, not from an opened recording.
    if (!online) {
      ListFiles({card_ / "Normal" / "N_2024_05_17_08_31_05.AVI"});
      window.OnPlayPause();
      ASSERT_TRUE(Playing());
    }
    ASSERT_TRUE(window.LoadedMapPage().isEmpty());

    prompt_.chosenDrive = Entry(card_);
    EXPECT_TRUE(window.OnCommand(kIdSelectDrive));
    EXPECT_EQ(prompt_.offeredDrives, (Names{Entry(other), Entry(card_)}));
    EXPECT_EQ(catalog::g_strSelectedDrive.toStdString(), Entry(card_));
    EXPECT_EQ(catalog::g_szCardRoot, card_.string() + "/");
    EXPECT_EQ(catalog::g_bCardSelected, 1);
    EXPECT_EQ(catalog::g_bFolderMode, 0);
    EXPECT_EQ(window.m_strCurrentFolder, CardRoot());
    EXPECT_EQ(catalog::g_strLastListedFolder, CardRoot());
    EXPECT_FALSE(Playing());
    EXPECT_EQ(Rows(), kAllTitles);
    EXPECT_EQ(Faces(kIdCategoryAll), kAllSelected);
    EXPECT_EQ(g_bMapOnline, online ? 1 : 0);
    EXPECT_EQ(window.LoadedMapPage().isEmpty(), !online);
    EXPECT_TRUE(prompt_.messages.empty());
  }
}

// Text the user typed counts, when it names an existing folder; anything else
// is a cancel, and the card chosen before stays in force.
TEST_F(FileListTest, TypedTextSelectsAFolderOrCountsAsCancel) {
  const fs::path typed = scratch_ / "typed";
  fs::create_directories(typed / "Event");
  CSamplePlayerDlg& window = CardWindow();
  ASSERT_TRUE(ChooseCard(window));
  const struct {
    std::string text;
    bool selects;
  } cases[] = {
      {"", false},
      {(scratch_ / "missing").string(), false},
      {"typed", false},
      {typed.string(), true},
      {(scratch_ / "missing").string() + "/ SD CARD", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("typed '" + c.text + "'");
    prompt_.messages.clear();
    const std::string rootBefore = catalog::g_szCardRoot;
    const std::string driveBefore = catalog::g_strSelectedDrive.toStdString();
    prompt_.chosenDrive = c.text;
    EXPECT_EQ(window.OnCommand(kIdSelectDrive), true);
    EXPECT_EQ(catalog::g_szCardRoot, c.selects ? typed.string() + "/" : rootBefore);
    EXPECT_EQ(catalog::g_strSelectedDrive.toStdString(), c.selects ? c.text : driveBefore);
    ASSERT_EQ(prompt_.messages.size(), c.selects ? 0u : 1u);
    if (!c.selects) {
      EXPECT_EQ(prompt_.messages[0].text, "Please check the SD card drive.");
    }
  }
  window.OnCommand(kIdCategoryEvent);
  EXPECT_EQ(window.m_strCurrentFolder.toStdString(), typed.string() + "/Event");
}

TEST_F(FileListTest, CancelOrNoCardShowsTheMessageAndChangesNothing) {
  for (const bool anyCard : {true, false}) {
    SCOPED_TRACE(anyCard ? "cancelled" : "no card");
    window_.reset();
    catalog::ResetCatalogGlobals();
    prompt_.messages.clear();
    prompt_.questions.clear();
    CSamplePlayerDlg& window = CardWindow(anyCard ? Names{Entry(card_)} : Names{});
    ListFiles({card_ / "Normal" / "N_2024_05_17_08_31_05.AVI"});
    window.OnPlayPause();
    prompt_.chosenDrive = std::nullopt;
    EXPECT_TRUE(window.OnCommand(kIdSelectDrive));
    // Without a card the dialog is not even shown.
    EXPECT_EQ(prompt_.questions.size(), anyCard ? 1u : 0u);
    ASSERT_EQ(prompt_.messages.size(), 1u);
    EXPECT_EQ(prompt_.messages[0].text, "Please check the SD card drive.");
    EXPECT_EQ(prompt_.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(catalog::g_bCardSelected, 0);
    EXPECT_TRUE(Playing());
    EXPECT_EQ(Rows(), Names{"N_2024_05_17_08_31_05"});
  }
}

TEST_F(FileListTest, FolderOpenListsAFolderButRefusesTheCardRoot) {
  CSamplePlayerDlg& window = CardWindow();
  ASSERT_TRUE(ChooseCard(window));
  window.OnCommand(kIdCategoryNormal);

  prompt_.chosenFolder.clear();  // cancelled
  window.OnCommand(kIdFolderOpen);
  ASSERT_EQ(prompt_.questions.back().caption, "Select directory");
  EXPECT_EQ(Rows(), kNormalTitles);
  EXPECT_TRUE(prompt_.messages.empty());

  prompt_.chosenFolder = card_.string();  // a mount point
  window.OnCommand(kIdFolderOpen);
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_EQ(prompt_.messages[0].text, "Select folder in Drive.");
  EXPECT_EQ(catalog::g_bCardSelected, 1);
  EXPECT_EQ(Rows(), kNormalTitles);

  window.OpenRowAndPlay(0);
  ASSERT_TRUE(Playing());
  prompt_.chosenFolder = (card_ / "PARK").string();
  window.OnCommand(kIdFolderOpen);
  EXPECT_EQ(catalog::g_bFolderMode, 1);
  EXPECT_EQ(catalog::g_bCardSelected, 0);
  EXPECT_FALSE(Playing());
  EXPECT_EQ(Rows(), kParkTitles);
  EXPECT_EQ(window.m_nCurrentItem, 0);
  EXPECT_EQ(Faces(kIdCategoryAll), kAllSelected);
  EXPECT_EQ(catalog::g_strLastListedFolder.toStdString(), (card_ / "PARK").string());

  // A card chosen again makes the categories work again.
  ASSERT_TRUE(ChooseCard(window));
  window.OnCommand(kIdCategoryEvent);
  EXPECT_EQ(Rows(), kEventTitles);
}

// The folder named on the command line is the chosen card: listed whole, with
// the categories working on it, and nothing stopped or reloaded.
TEST_F(FileListTest, AFolderNamedAtStartIsTheChosenCard) {
  CSamplePlayerDlg& window = CardWindow(std::nullopt, true);
  ListCard(window, catalog::DriveEntryText(CardRoot()), CardRoot());
  EXPECT_EQ(Rows(), kAllTitles);
  EXPECT_EQ(catalog::g_bCardSelected, 1);
  EXPECT_EQ(catalog::g_szCardRoot, card_.string() + "/");
  EXPECT_EQ(Faces(kIdCategoryAll), kAllSelected);
  EXPECT_TRUE(window.LoadedMapPage().isEmpty());
  window.OnCommand(kIdCategoryParking);
  EXPECT_EQ(Rows(), kParkTitles);
}

// The mount table loses the card while its root is listed: the list empties and
// playback ends, through the card-removal path of the main window.
TEST_F(FileListTest, ACardPulledWhileListedEmptiesTheList) {
  CSamplePlayerDlg& window = CardWindow();
  ASSERT_TRUE(ChooseCard(window));
  window.OpenRowAndPlay(3);
  ASSERT_TRUE(Playing());
  MountWatcher watcher(mounts_.string());
  QObject::connect(&watcher, &MountWatcher::MountRemoved, &window,
                   &CSamplePlayerDlg::OnDriveRemoved);
  WriteMounts({});
  watcher.Rescan();
  EXPECT_EQ(window.FileList()->RowCount(), 0);
  EXPECT_TRUE(window.m_strCurrentFolder.isEmpty());
  EXPECT_FALSE(window.Player().HasPipeline());
}

// The viewer's prompt answers ChooseDrive with the "Select Drive" dialog.
TEST_F(FileListTest, TheViewersPromptAsksThroughTheSelectDriveDialog) {
  QtUserPrompt prompt;
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<catalog::CSelectDriveDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Drives()->count(), 2);
    dialog->Drives()->lineEdit()->setText("/media/typed");
    dialog->findChild<QAbstractButton*>("1")->click();
  });
  EXPECT_EQ(prompt.ChooseDrive({"/media/b/ SD CARD", "/media/a/ SD CARD"}),
            std::optional<std::string>("/media/typed"));
  EXPECT_FALSE(prompt.ChooseDrive({}).has_value());
}

// Offered entries come from the removable volumes; here through a made-up sysfs
// tree whose reader has the card mounted.
TEST_F(FileListTest, TheDialogOffersTheMountedCardsOfTheSystem) {
  const fs::path sys = scratch_ / "sys" / "block" / "sdb";
  const auto write = [](const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text << "\n";
  };
  write(sys / "dev", "8:16");
  write(sys / "size", "15523904");
  write(sys / "ro", "0");
  write(sys / "removable", "1");
  write(sys / "uevent", "DEVNAME=sdb");
  write(sys / "sdb1" / "dev", "8:17");
  write(sys / "sdb1" / "size", "15523840");
  write(sys / "sdb1" / "ro", "0");
  write(sys / "sdb1" / "partition", "1");
  write(sys / "sdb1" / "uevent", "DEVNAME=sdb1");
  write(scratch_ / "mountinfo",
        "90 22 8:17 / " + card_.string() + " rw,nosuid - vfat /dev/sdb1 rw");
  SystemPaths paths;
  paths.sysfsRoot = scratch_ / "sys";
  paths.mountInfo = scratch_ / "mountinfo";
  MainWindowOptions options;
  options.driveEntries = [paths] { return catalog::DriveEntries(paths); };
  CSamplePlayerDlg& window = Window(options);
  prompt_.chosenDrive = Entry(card_);
  EXPECT_TRUE(window.OnCommand(kIdSelectDrive));
  EXPECT_EQ(prompt_.offeredDrives, Names{Entry(card_)});
  EXPECT_EQ(Rows(), kAllTitles);
}

}  // namespace
}  // namespace motrevix::test

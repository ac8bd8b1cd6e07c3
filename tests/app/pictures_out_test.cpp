// Capture (1017) and Print (1163) on generated recordings: the JPEG files, the
// report's page and pictures, and the page printed through a PDF file printer.
#include <QAbstractButton>
#include <QImage>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include "app/control_ids.h"
#include "app/skin_face_sets.h"
#include "catalog/card_selection.h"
#include "catalog/file_list_widget.h"
#include "tests/app/window_fixture.h"
#include "tests/support/test_support.h"
#include "tools/frame_pattern/frame_pattern.h"

namespace motrevix::test {
namespace {

namespace fs = std::filesystem;
using pattern::Channel;
using pattern::FrameMark;

constexpr QSize kFrontSize(320, 180);
constexpr QSize kRearSize(160, 90);

// Answers like RecordingPrompt and notes the play state while the save chooser
// or the print dialog is open.
class WatchingPrompt : public RecordingPrompt {
 public:
  std::string ChooseSaveFile(const std::string& caption, const std::string& initialName,
                             const std::string& filter) override {
    if (whileAsked) statesWhileAsked.push_back(whileAsked());
    return RecordingPrompt::ChooseSaveFile(caption, initialName, filter);
  }
  std::function<PlayState()> whileAsked;
  std::vector<PlayState> statesWhileAsked;
};

std::optional<FrameMark> MarkOf(const QImage& picture) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  return pattern::ReadMarkRgb32(rgb.constBits(), static_cast<int>(rgb.bytesPerLine()), rgb.width(),
                                rgb.height());
}

std::string FileText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::set<std::string> FilesIn(const fs::path& dir) {
  std::set<std::string> names;
  if (!fs::exists(dir)) return names;
  for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename());
  return names;
}

class PicturesOut : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    tmp_ = scratch_ / "tmp";
    fs::create_directory(tmp_);
    setenv("TMPDIR", tmp_.c_str(), 1);
    answers_.whileAsked = [this] { return window_->Player().GetState(); };
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    unsetenv("TMPDIR");
  }

  // A recording of the given channels, front 320 x 180, rear 160 x 90.
  fs::path MakeSizedRecording(int channels, const std::string& name) {
    const fs::path file = scratch_ / name;
    const ProcessResult run =
        RunTool("make-recording",
                {"--out", file.string(), "--seconds", "3", "--channels", std::to_string(channels),
                 "--front", "320x180", "--rear", "160x90", "--fps", "10"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return file;
  }

  // The window listing the recording from the scratch folder (the card root),
  // playing it.
  CSamplePlayerDlg& Playing(const fs::path& file) {
    if (!window_) {
      MainWindowOptions options;
      options.forceOnline = false;
      window_ = std::make_unique<CSamplePlayerDlg>(answers_, std::move(options));
    }
    ListFiles({file}, QString::fromStdString(scratch_.string() + "/"));
    window_->OnPlayPause();
    EXPECT_EQ(window_->Player().GetState(), PlayState::Running);
    return *window_;
  }

  std::optional<FrameMark> Shown(int channel) {
    QImage picture;
    if (!window_->Player().GrabPicture(channel, picture)) return std::nullopt;
    return MarkOf(picture);
  }

  // Paused, a frame already on its way may still be shown on a loaded machine:
  // true once both channels show the same picture for 300 ms.
  bool PictureSettles() {
    for (int tries = 0; tries < 20; ++tries) {
      const auto front = Shown(0);
      const auto rear = Shown(1);
      QTest::qWait(300);
      if (front && front == Shown(0) && rear == Shown(1)) return true;
    }
    return false;
  }

  fs::path ReportFolder() const { return tmp_ / "motrevix"; }

  fs::path tmp_;
  WatchingPrompt answers_;
};

// ---- Capture ---------------------------------------------------------------

TEST_F(PicturesOut, CaptureWritesBothChannelsAtTheirSizesWithTheirFrames) {
  CSamplePlayerDlg& window = Playing(MakeSizedRecording(2, "N_2024_05_17_08_31_05.MP4"));
  window.OnPlayPause();  // paused: front and rear show the same frame
  ASSERT_EQ(window.Player().GetState(), PlayState::Paused);
  ASSERT_TRUE(PictureSettles());
  const auto front = Shown(0);
  const auto rear = Shown(1);
  ASSERT_TRUE(front && rear);
  ASSERT_EQ(front->channel, Channel::Front);

  answers_.chosenSaveFile = (scratch_ / "Motrevix.jpg").string();
  EXPECT_TRUE(window.OnCommand(kIdCapture));
  EXPECT_EQ(answers_.offeredSaveName, "Motrevix.jpg");
  EXPECT_EQ(answers_.offeredSaveFilter, "jpeg file (*.jpg)");
  const struct {
    const char* name;
    QSize size;
    FrameMark mark;
  } written[] = {{"Motrevix_front.jpg", kFrontSize, *front},
                 {"Motrevix_rear.jpg", kRearSize, *rear}};
  for (const auto& w : written) {
    SCOPED_TRACE(w.name);
    const QImage picture(QString::fromStdString((scratch_ / w.name).string()), "JPEG");
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), w.size);
    EXPECT_EQ(MarkOf(picture), w.mark);
  }
  EXPECT_FALSE(fs::exists(scratch_ / "Motrevix.jpg"));  // the chosen name itself is not written
  EXPECT_EQ(window.Player().GetState(), PlayState::Paused);
  EXPECT_TRUE(answers_.messages.empty());
}

TEST_F(PicturesOut, ChosenNamesGiveTheseFiles) {
  CSamplePlayerDlg& window = Playing(MakeSizedRecording(2, "N_2024_05_17_08_31_05.MP4"));
  const struct {
    const char* chosen;
    std::set<std::string> written;
  } cases[] = {
      {"Motrevix.jpg", {"Motrevix_front.jpg", "Motrevix_rear.jpg"}},
      {"trip", {"trip_front.jpg", "trip_rear.jpg"}},
      {"shot.jpeg", {"shot_front.jpg", "shot_rear.jpg"}},
      {"a.j", {"a_front.jpg", "a_rear.jpg"}},
      {".jpg", {".jpg_front.jpg", ".jpg_rear.jpg"}},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen);
    const fs::path dir = scratch_ / ("shots" + std::to_string(n++));
    fs::create_directory(dir);
    answers_.chosenSaveFile = (dir / c.chosen).string();
    window.OnCommand(kIdCapture);
    EXPECT_EQ(FilesIn(dir), c.written);
    // Running before, running after; paused while the chooser was open.
    EXPECT_EQ(window.Player().GetState(), PlayState::Running);
    ASSERT_FALSE(answers_.statesWhileAsked.empty());
    EXPECT_EQ(answers_.statesWhileAsked.back(), PlayState::Paused);
  }
}

TEST_F(PicturesOut, OneChannelWritesOnlyTheFront) {
  CSamplePlayerDlg& window = Playing(MakeSizedRecording(1, "N_2024_05_17_08_31_05.AVI"));
  answers_.chosenSaveFile = (scratch_ / "shots" / "one.jpg").string();
  fs::create_directory(scratch_ / "shots");
  window.OnCommand(kIdCapture);
  EXPECT_EQ(FilesIn(scratch_ / "shots"), std::set<std::string>{"one_front.jpg"});
  const QImage picture(QString::fromStdString((scratch_ / "shots" / "one_front.jpg").string()));
  EXPECT_EQ(picture.size(), kFrontSize);
  EXPECT_EQ(MarkOf(picture)->channel, Channel::Front);
}

TEST_F(PicturesOut, CancelWritesNothingAndLeavesPlaybackAsItWas) {
  CSamplePlayerDlg& window = Playing(MakeSizedRecording(2, "N_2024_05_17_08_31_05.MP4"));
  const std::set<std::string> before = FilesIn(scratch_);
  answers_.chosenSaveFile.clear();
  for (const PlayState state : {PlayState::Running, PlayState::Paused}) {
    if (window.Player().GetState() != state) window.OnPlayPause();
    ASSERT_EQ(window.Player().GetState(), state);
    window.OnCommand(kIdCapture);
    EXPECT_EQ(answers_.statesWhileAsked.back(), PlayState::Paused);
    EXPECT_EQ(window.Player().GetState(), state);
  }
  EXPECT_EQ(answers_.statesWhileAsked.size(), 2u);
  EXPECT_EQ(FilesIn(scratch_), before);
}

TEST_F(PicturesOut, CaptureDoesNothingWithoutAPlayingOrPausedRecording) {
  const fs::path file = MakeSizedRecording(2, "N_2024_05_17_08_31_05.MP4");
  CSamplePlayerDlg& window = Playing(file);
  answers_.chosenSaveFile = (scratch_ / "x.jpg").string();
  const std::set<std::string> before = FilesIn(scratch_);
  const struct {
    const char* situation;
    std::function<void()> makeIt;
  } cases[] = {
      {"stopped", [&] { window.OnStop(); }},
      {"opened, not played",
       [&] { ASSERT_TRUE(window.OpenRecording(QString::fromStdString(file.string()))); }},
      {"no folder listed",
       [&] {
         window.OnPlayPause();
         window.m_strCurrentFolder.clear();
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.situation);
    c.makeIt();
    const PlayState state = window.Player().GetState();
    window.OnCommand(kIdCapture);
    EXPECT_TRUE(answers_.questions.empty());
    EXPECT_EQ(window.Player().GetState(), state);
  }
  EXPECT_EQ(FilesIn(scratch_), before);
}

TEST_F(PicturesOut, ExistingFilesAreReplacedOnlyWhenTheUserSaysSo) {
  CSamplePlayerDlg& window = Playing(MakeSizedRecording(2, "N_2024_05_17_08_31_05.MP4"));
  const fs::path dir = scratch_ / "shots";
  fs::create_directory(dir);
  std::ofstream(dir / "trip_rear.jpg") << "an earlier rear picture";
  answers_.chosenSaveFile = (dir / "trip.jpg").string();

  answers_.answers = {false};
  window.OnCommand(kIdCapture);
  ASSERT_EQ(answers_.questions.size(), 2u);  // the chooser, then the rear file's question
  EXPECT_EQ(answers_.questions[1].text,
            "trip_rear.jpg already exists.\nDo you want to replace it?");
  EXPECT_EQ(FilesIn(dir), std::set<std::string>{"trip_rear.jpg"});
  EXPECT_EQ(FileText(dir / "trip_rear.jpg"), "an earlier rear picture");
  EXPECT_EQ(window.Player().GetState(), PlayState::Running);

  answers_.answers = {true};
  window.OnCommand(kIdCapture);
  EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"trip_front.jpg", "trip_rear.jpg"}));
  EXPECT_EQ(QImage(QString::fromStdString((dir / "trip_rear.jpg").string())).size(), kRearSize);
}

TEST_F(PicturesOut, AFailedWriteIsReported) {
  CSamplePlayerDlg& window = Playing(MakeSizedRecording(2, "N_2024_05_17_08_31_05.MP4"));
  answers_.chosenSaveFile = (scratch_ / "no-such-folder" / "trip.jpg").string();
  window.OnCommand(kIdCapture);
  ASSERT_EQ(answers_.messages.size(), 1u);
  EXPECT_NE(answers_.messages[0].text.find("no-such-folder/trip_front.jpg"), std::string::npos);
  EXPECT_EQ(answers_.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(window.Player().GetState(), PlayState::Running);
}

// ---- Print -----------------------------------------------------------------

TEST_F(PicturesOut, PrintWithoutPlaybackAsksForItAndWritesNothing) {
  const fs::path file = MakeSizedRecording(2, "N_2024_05_17_08_31_05.MP4");
  MainWindowOptions options;
  options.forceOnline = false;
  window_ = std::make_unique<CSamplePlayerDlg>(answers_, std::move(options));
  answers_.printPdfPath = (scratch_ / "report.pdf").string();
  window_->OnCommand(kIdPrint);  // nothing open
  ListFiles({file}, QString::fromStdString(scratch_.string() + "/"));
  ASSERT_TRUE(window_->OpenRecording(QString::fromStdString(file.string())));
  window_->OnCommand(kIdPrint);  // open, stopped
  ASSERT_EQ(answers_.messages.size(), 2u);
  for (const auto& message : answers_.messages) EXPECT_EQ(message.text, "Playback file first.");
  EXPECT_TRUE(answers_.questions.empty());
  EXPECT_TRUE(FilesIn(ReportFolder()).empty());
}

// The page printed, made into a picture: where the front (bluish) or rear
// (reddish) picture lies, with its frame-mark band above the tinted part; read
// at the picture's own size.
std::optional<FrameMark> MarkOnPage(const QImage& page, Channel channel, QSize pictureSize) {
  QRect tinted;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QRgb p = page.pixel(x, y);
      const int tint = channel == Channel::Rear ? qRed(p) - qBlue(p) : qBlue(p) - qRed(p);
      if (tint > 40) tinted |= QRect(x, y, 1, 1);
    }
  if (tinted.width() < 100) return std::nullopt;
  // The band and the grey row below it are a ninth of the tinted part's height.
  const int top = tinted.top() - tinted.height() / 9;
  const QRect shown(tinted.left(), top, tinted.width(), tinted.bottom() - top + 1);
  return MarkOf(
      page.copy(shown).scaled(pictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

TEST_F(PicturesOut, PrintWritesTheReportAndPrintsItWithBothPictures) {
  std::ofstream(scratch_ / "user.inf")
      << "[UserName]\r\nIDC_USERNAME=<b>Kim & \"Lee\"</b>\r\n[CarNum]\r\nIDC_CARNUM=12<3\r\n";
  CSamplePlayerDlg& window = Playing(MakeSizedRecording(2, "N_2024_05_17_08_31_05.MP4"));
  // The owner file is read from the chosen card's root.
  catalog::g_szCardRoot = scratch_.string() + "/";
  catalog::g_bCardSelected = 1;
  const fs::path pdf = scratch_ / "report.pdf";
  answers_.printPdfPath = pdf.string();
  QTest::qWait(300);
  window.OnPlayPause();  // paused, so the pictures can be told from what is shown after
  ASSERT_EQ(window.Player().GetState(), PlayState::Paused);
  ASSERT_TRUE(PictureSettles());
  window.OnCommand(kIdPrint);

  EXPECT_EQ(window.Player().GetState(), PlayState::Paused);
  EXPECT_TRUE(answers_.messages.empty());
  ASSERT_EQ(FilesIn(ReportFolder()),
            (std::set<std::string>{"_MX_front.bmp", "_MX_rear.bmp", "_MXreport.html"}));
  EXPECT_EQ(fs::status(ReportFolder()).permissions(), fs::perms::owner_all);

  const std::vector<std::string> lines = SplitLines(FileText(ReportFolder() / "_MXreport.html"));
  // 45 lines, 42 and 43 on one (no line feed between them), and nothing after the last feed.
  ASSERT_EQ(lines.size(), 45u);
  EXPECT_EQ(lines.back(), "");
  EXPECT_EQ(lines[7], "&nbsp;&nbsp;&nbsp;File name : N_2024_05_17_08_31_05 ");
  EXPECT_EQ(lines[10], "&nbsp;&nbsp;&nbsp;User : &lt;b&gt;Kim &amp; &quot;Lee&quot;&lt;/b&gt; ");
  EXPECT_EQ(lines[13], "&nbsp;&nbsp;&nbsp;Car number : 12&lt;3 ");
  EXPECT_EQ(lines[29], "ch.2");

  const auto front = Shown(0);
  const auto rear = Shown(1);
  ASSERT_TRUE(front && rear);
  const struct {
    const char* name;
    QSize size;
    FrameMark mark;
  } pictures[] = {{"_MX_front.bmp", kFrontSize, *front}, {"_MX_rear.bmp", kRearSize, *rear}};
  for (const auto& p : pictures) {
    const QImage picture(QString::fromStdString((ReportFolder() / p.name).string()), "BMP");
    EXPECT_EQ(picture.size(), p.size) << p.name;
    EXPECT_EQ(MarkOf(picture), p.mark) << p.name;
  }

  // The printer writes the PDF file once the page has been laid out and printed.
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return FileText(pdf).find("%%EOF") != std::string::npos; }, 60000));
  EXPECT_EQ(FileText(pdf).substr(0, 4), "%PDF");
  EXPECT_TRUE(answers_.messages.empty());
  const ProcessResult info = test::Run("pdfinfo", {pdf.string()});
  const std::size_t pages = info.out.find("Pages:");
  ASSERT_NE(pages, std::string::npos) << info.out;
  EXPECT_EQ(std::stoi(info.out.substr(pages + 6)), 1) << "a one-page report";
  const fs::path png = scratch_ / "report-page";
  const ProcessResult made = test::Run(
      "pdftoppm",
      {"-r", "100", "-f", "1", "-l", "1", "-singlefile", "-png", pdf.string(), png.string()});
  ASSERT_EQ(made.exitCode, 0) << made.err;
  const QImage page(QString::fromStdString(png.string() + ".png"));
  ASSERT_FALSE(page.isNull());
  EXPECT_EQ(MarkOnPage(page, Channel::Front, kFrontSize), *front);
  EXPECT_EQ(MarkOnPage(page, Channel::Rear, kRearSize), *rear);
}

TEST_F(PicturesOut, OneChannelReportHasNoRearPictureNotEvenAnOldOne) {
  CSamplePlayerDlg& window = Playing(MakeSizedRecording(1, "N_2024_05_17_08_31_05.AVI"));
  fs::create_directory(ReportFolder());
  std::ofstream(ReportFolder() / "_MX_rear.bmp") << "from an earlier report";
  window.m_nCurrentItem = -1;     // no row playing: an empty file name
  answers_.printPdfPath.clear();  // the print dialog is cancelled
  // No card: the owner file is not looked for in the working folder either.
  window.m_strCurrentFolder.clear();
  std::ofstream(scratch_ / "user.inf") << "[UserName]\nIDC_USERNAME=Someone\n";
  const fs::path workingFolder = fs::current_path();
  fs::current_path(scratch_);
  window.OnCommand(kIdPrint);
  fs::current_path(workingFolder);

  // Running before, paused after; the play button shows the play face.
  EXPECT_EQ(window.Player().GetState(), PlayState::Paused);
  EXPECT_EQ(window.Button(kIdPlay)->property("faceNumber").toInt(), PlayButtonFace(false, 1));
  EXPECT_EQ(FilesIn(ReportFolder()), (std::set<std::string>{"_MX_front.bmp", "_MXreport.html"}));
  const std::string page = FileText(ReportFolder() / "_MXreport.html");
  EXPECT_EQ(SplitLines(page).size(), 39u);  // without lines 29 to 34
  EXPECT_EQ(SplitLines(page)[7], "&nbsp;&nbsp;&nbsp;File name :  ");
  EXPECT_EQ(SplitLines(page)[10], "&nbsp;&nbsp;&nbsp;User :  ");
  EXPECT_EQ(page.find("ch.2"), std::string::npos);
  ASSERT_EQ(answers_.questions.size(), 1u);
  EXPECT_EQ(answers_.questions[0].text, "print");
  EXPECT_TRUE(answers_.messages.empty());
}

TEST_F(PicturesOut, AFolderSomeoneElseCouldControlIsNotUsed) {
  CSamplePlayerDlg& window = Playing(MakeSizedRecording(2, "N_2024_05_17_08_31_05.MP4"));
  const fs::path elsewhere = scratch_ / "elsewhere";
  fs::create_directory(elsewhere);
  fs::create_directory_symlink(elsewhere, ReportFolder());
  answers_.printPdfPath = (scratch_ / "report.pdf").string();
  window.OnCommand(kIdPrint);

  ASSERT_EQ(answers_.messages.size(), 1u);
  EXPECT_NE(answers_.messages[0].text.find("symbolic link"), std::string::npos);
  EXPECT_TRUE(FilesIn(elsewhere).empty());
  EXPECT_TRUE(answers_.questions.empty());  // nothing to print
  EXPECT_EQ(window.Player().GetState(), PlayState::Paused);
}

}  // namespace
}  // namespace motrevix::test

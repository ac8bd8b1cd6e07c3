// The format dialog with the desktop's disk service: a mock udisks2 (python-dbusmock
// with this folder's template) on a private D-Bus session bus started by the test.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>
#include <fstream>
#include <sstream>

#include "platform/udisks2_client.h"
#include "tests/format/format_dialog_fixture.h"
#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {

namespace fs = std::filesystem;

struct MockDevice {
  fs::path image;  // also the device's path, as the image source names it
  bool mounted = false;
  std::string unmountError;
};

class DiskServiceTest : public FormatDialogTest {
 protected:
  void SetUp() override {
    dir_ = ScratchDir();
    bus_.setProgram("dbus-daemon");
    bus_.setArguments({"--session", "--nofork", "--print-address=1"});
    bus_.start();
    ASSERT_TRUE(bus_.waitForStarted(10000)) << "dbus-daemon is not installed";
    ASSERT_TRUE(bus_.waitForReadyRead(10000));
    address_ = QString::fromUtf8(bus_.readLine()).trimmed();
    connection_ = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(address_, kName));
    ASSERT_TRUE(connection_->isConnected());
  }
  void TearDown() override {
    dialog_.reset();
    client_.reset();
    connection_.reset();
    QDBusConnection::disconnectFromBus(kName);
    for (QProcess* process : {&mock_, &bus_}) {
      if (process->state() == QProcess::NotRunning) continue;
      process->terminate();
      if (!process->waitForFinished(5000)) process->kill();
      process->waitForFinished(5000);
    }
  }

  // Starts the mock udisks2 with these devices and waits until it owns its name.
  void StartUdisks(const std::vector<MockDevice>& devices) {
    QJsonArray list;
    for (const auto& device : devices)
      list.append(QJsonObject{{"path", QString::fromStdString(device.image.string())},
                              {"image", QString::fromStdString(device.image.string())},
                              {"mounted", device.mounted},
                              {"unmount_error", QString::fromStdString(device.unmountError)}});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", address_);
    mock_.setProcessEnvironment(environment);
    mock_.setProcessChannelMode(QProcess::ForwardedChannels);
    mock_.start("/usr/bin/python3",
                {"-m", "dbusmock", "--session", "-t",
                 QString::fromStdString((SourceDir() / "tests/format/udisks2_mock.py").string()),
                 "-l", QString::fromStdString(Log().string()), "-p",
                 QJsonDocument(QJsonObject{{"devices", list}}).toJson(QJsonDocument::Compact)});
    ASSERT_TRUE(mock_.waitForStarted(10000));
    for (int i = 0; i < 200 && !Registered(); ++i) QThread::msleep(50);
    ASSERT_TRUE(Registered()) << "the mock udisks2 did not start (python3-dbusmock missing?)";
  }
  bool Registered() {
    return connection_->interface()->isServiceRegistered("org.freedesktop.UDisks2").value();
  }
  UDisks2Client* Client() {
    if (!client_) client_ = std::make_unique<UDisks2Client>(*connection_);
    return client_.get();
  }
  fs::path Log() const { return dir_ / "udisks2.log"; }
  // The methods the mock was called with, one line each, without time stamps.
  std::vector<std::string> Calls() const {
    std::ifstream in(Log());
    std::vector<std::string> calls;
    for (std::string line; std::getline(in, line);)
      if (const auto space = line.find(' '); space != std::string::npos)
        calls.push_back(line.substr(space + 1));
    return calls;
  }
  bool Called(const std::string& method) const {
    for (const auto& call : Calls())
      if (call.rfind(method, 0) == 0) return true;
    return false;
  }
  fs::path Card() { return MakeSparseImage(dir_ / "card.img", 15'523'840); }

  static constexpr const char* kName = "motrevix-udisks2-test";
  fs::path dir_;
  QProcess bus_;
  QProcess mock_;
  QString address_;
  std::unique_ptr<QDBusConnection> connection_;
  std::unique_ptr<UDisks2Client> client_;
};

constexpr const char* kInUse = "SD card or use other applications.";

TEST_F(DiskServiceTest, AMountedCardIsUnmountedWhenTheUserAgrees) {
  const auto image = Card();
  StartUdisks({{image, true, ""}});
  CardBehaviour behaviour;
  behaviour.mountPoint = "/media/user/RD310";
  OpenOnImages({image}, behaviour, Client());
  Select(0);
  ASSERT_EQ(prompt_.questions.size(), 1u);
  EXPECT_EQ(prompt_.questions[0].text, image.string() +
                                           " is mounted on /media/user/RD310.\nUnmount it so "
                                           "that it can be formatted?");
  EXPECT_TRUE(Called("Unmount"));
  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_EQ(Status(), "7.4 GB SD Card is ready");
  EXPECT_TRUE(Enabled("1217"));
}

TEST_F(DiskServiceTest, AMountedCardStaysMountedWhenTheUserDeclinesOrUnmountFails) {
  const auto image = Card();
  StartUdisks({{image, true, "target is busy"}});
  CardBehaviour behaviour;
  behaviour.mountPoint = "/media/user/RD310";
  OpenOnImages({image}, behaviour, Client());

  prompt_.answers = {false};
  Select(0);
  EXPECT_FALSE(Called("Unmount"));
  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_FALSE(Enabled("1217"));
  EXPECT_FALSE(dialog_->Formatter().IsVolumeOpen());

  Select(-1);
  prompt_.answers = {true};
  Select(0);
  EXPECT_TRUE(Called("Unmount"));
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_NE(prompt_.messages[0].text.find("could not be unmounted"), std::string::npos);
  EXPECT_NE(prompt_.messages[0].text.find("target is busy"), std::string::npos);
  EXPECT_FALSE(Enabled("1217"));
  EXPECT_FALSE(dialog_->Formatter().IsVolumeOpen());
}

// The user may not open the device: udisks2 opens it (exclusively) and the card is
// formatted through the descriptor it hands over.
TEST_F(DiskServiceTest, ARefusedOpenGoesThroughOpenDevice) {
  ::setenv("MTOOLS_SKIP_CHECK", "1", 1);
  const auto image = Card();
  StartUdisks({{image, false, ""}});
  CardBehaviour behaviour;
  behaviour.directOpenError = EACCES;
  OpenOnImages({image}, behaviour, Client());
  Select(0);
  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_EQ(Status(), "7.4 GB SD Card is ready");
  const auto calls = Calls();
  EXPECT_NE(std::find(calls.begin(), calls.end(), "OpenDevice \"rw\" {\"flags\": 128}"),
            calls.end());
  ClickFormat();
  EXPECT_EQ(Messages(), std::vector<std::string>{"SD Card format completed"});
  EXPECT_EQ(FsckComplaints(image, "RD-310"), std::vector<std::string>{});
}

// Mounted behind the dialog's back: udisks2's exclusive open is refused and
// nothing is written.
TEST_F(DiskServiceTest, OpenDeviceOfAMountedCardWritesNothing) {
  const auto image = Card();
  WriteSectorsOfByte(image, 0, 1, 0xAB);
  StartUdisks({{image, true, ""}});
  CardBehaviour behaviour;
  behaviour.directOpenError = EACCES;
  OpenOnImages({image}, behaviour, Client());
  Select(0);
  EXPECT_TRUE(Called("OpenDevice"));
  EXPECT_EQ(Messages(), std::vector<std::string>{kInUse});
  EXPECT_FALSE(Enabled("1217"));
  EXPECT_EQ(ReadSectors(image, 0, 1), std::vector<std::uint8_t>(512, 0xAB));
}

// No udisks2 on the bus: the refused open and the mounted card both end in the
// plain message, without a question.
TEST_F(DiskServiceTest, WithoutTheServiceTheUserGetsThePlainMessage) {
  const auto image = Card();
  EXPECT_FALSE(Client()->IsAvailable());
  const struct {
    const char* name;
    CardBehaviour behaviour;
  } cases[] = {{"refused open", {"", EACCES, nullptr}},
               {"mounted", {"/media/user/RD310", 0, nullptr}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    prompt_ = {};
    OpenOnImages({image}, c.behaviour, Client());
    Select(0);
    EXPECT_TRUE(prompt_.questions.empty());
    EXPECT_EQ(Messages(), std::vector<std::string>{kInUse});
    EXPECT_FALSE(Enabled("1217"));
  }
}

}  // namespace
}  // namespace motrevix::test

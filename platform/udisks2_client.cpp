#include "platform/udisks2_client.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>
#include <QVariantMap>

#include "platform/unique_fd.h"
#include "platform/volume_fd_raw.h"

namespace motrevix {
namespace {

constexpr const char* kService = "org.freedesktop.UDisks2";
constexpr const char* kManagerPath = "/org/freedesktop/UDisks2/Manager";
constexpr const char* kManagerInterface = "org.freedesktop.UDisks2.Manager";
constexpr const char* kBlockInterface = "org.freedesktop.UDisks2.Block";
constexpr const char* kFilesystemInterface = "org.freedesktop.UDisks2.Filesystem";
// Long enough for the user to answer polkit's password question.
constexpr int kCallTimeoutMs = 5 * 60 * 1000;

std::string ErrorText(const QDBusMessage& reply) {
  return (reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage()).toStdString();
}

VolumeOpenResult Refused(std::string reason) {
  VolumeOpenResult result;
  result.status = VolumeOpenStatus::Failed;
  result.reason = std::move(reason);
  return result;
}

}  // namespace

UDisks2Client::UDisks2Client(QDBusConnection bus) : m_bus(std::move(bus)) {}

bool UDisks2Client::IsAvailable() {
  if (!m_bus.isConnected() || m_bus.interface() == nullptr) return false;
  return m_bus.interface()->isServiceRegistered(kService).value();
}

std::optional<QString> UDisks2Client::BlockObject(const std::string& devicePath,
                                                  std::string& reason) {
  QDBusMessage call =
      QDBusMessage::createMethodCall(kService, kManagerPath, kManagerInterface, "ResolveDevice");
  const QVariantMap byPath{{"path", QString::fromStdString(devicePath)}};
  call << byPath << QVariantMap{};
  const QDBusMessage reply = m_bus.call(call, QDBus::Block, kCallTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage) {
    reason = "udisks2 does not know " + devicePath + " (" + ErrorText(reply) + ")";
    return std::nullopt;
  }
  const auto objects = qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().value(0));
  if (objects.isEmpty()) {
    reason = "udisks2 does not know " + devicePath;
    return std::nullopt;
  }
  return objects.front().path();
}

bool UDisks2Client::Unmount(const std::string& devicePath, std::string& reason) {
  const auto object = BlockObject(devicePath, reason);
  if (!object) return false;
  QDBusMessage call =
      QDBusMessage::createMethodCall(kService, *object, kFilesystemInterface, "Unmount");
  call << QVariantMap{};
  const QDBusMessage reply = m_bus.call(call, QDBus::Block, kCallTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage) {
    reason = "unmounting " + devicePath + " failed (" + ErrorText(reply) + ")";
    return false;
  }
  return true;
}

VolumeOpenResult UDisks2Client::OpenDevice(const std::string& devicePath) {
  std::string reason;
  const auto object = BlockObject(devicePath, reason);
  if (!object) return Refused(reason);
  QDBusMessage call =
      QDBusMessage::createMethodCall(kService, *object, kBlockInterface, "OpenDevice");
  // Exclusive, like a direct open: the kernel refuses it while the card is mounted.
  call << QString("rw") << QVariantMap{{"flags", int(O_EXCL)}};
  const QDBusMessage reply = m_bus.call(call, QDBus::Block, kCallTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage)
    return Refused("udisks2 could not open " + devicePath + " (" + ErrorText(reply) + ")");
  const auto passed = qdbus_cast<QDBusUnixFileDescriptor>(reply.arguments().value(0));
  if (!passed.isValid()) return Refused("udisks2 sent no file descriptor for " + devicePath);
  // The message owns its descriptor; keep a copy of our own.
  UniqueFd fd(::fcntl(passed.fileDescriptor(), F_DUPFD_CLOEXEC, 0));
  struct stat info {};
  if (!fd.Valid() || ::fstat(fd.Get(), &info) != 0)
    return Refused("the descriptor udisks2 sent for " + devicePath + " is unusable");
  // A block device normally; a regular file when the service hands out an image.
  const RawVolumeKind kind =
      S_ISBLK(info.st_mode) ? RawVolumeKind::BlockDevice : RawVolumeKind::ImageFile;
  if (!S_ISBLK(info.st_mode) && !S_ISREG(info.st_mode))
    return Refused(devicePath + " as opened by udisks2 is not a volume");
  VolumeOpenResult result;
  result.status = VolumeOpenStatus::Opened;
  result.volume = std::make_unique<FdRawVolume>(std::move(fd), kind, devicePath);
  return result;
}

}  // namespace motrevix

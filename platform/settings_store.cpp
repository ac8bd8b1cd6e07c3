#include "platform/settings_store.h"

#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <cstdlib>

namespace motrevix {
namespace {

// "HKEY_CURRENT_USER/Software/GNU/ffdshow": QSettings separates keys by '/'.
QString GroupOf(RegistryHive hive, const std::string& keyPath) {
  QString path = QString::fromStdString(keyPath);
  path.replace('\\', '/');
  while (path.startsWith('/')) path.remove(0, 1);
  while (path.endsWith('/')) path.chop(1);
  const QString root =
      hive == RegistryHive::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
  return path.isEmpty() ? root : root + "/" + path;
}

}  // namespace

SettingsStore::SettingsStore(std::filesystem::path iniFile) : file_(std::move(iniFile)) {}

std::filesystem::path SettingsStore::DefaultFile() {
  const char* overridden = std::getenv("MOTREVIX_SETTINGS_FILE");
  if (overridden != nullptr && *overridden != '\0') return overridden;
  QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (folder.isEmpty()) folder = QDir::homePath() + "/.config";
  return std::filesystem::path(folder.toStdString()) / "motrevix" / "registry.ini";
}

SettingsStore SettingsStore::Default() { return SettingsStore(DefaultFile()); }

bool SettingsStore::WriteDword(RegistryHive hive, const std::string& keyPath,
                               const std::string& valueName, std::uint32_t value) {
  std::error_code ignored;
  std::filesystem::create_directories(file_.parent_path(), ignored);
  QSettings settings(QString::fromStdString(file_.string()), QSettings::IniFormat);
  settings.beginGroup(GroupOf(hive, keyPath));
  settings.setValue(QString::fromStdString(valueName), static_cast<qulonglong>(value));
  settings.endGroup();
  settings.sync();
  return settings.status() == QSettings::NoError;
}

std::optional<std::uint32_t> SettingsStore::ReadDword(RegistryHive hive, const std::string& keyPath,
                                                      const std::string& valueName) const {
  QSettings settings(QString::fromStdString(file_.string()), QSettings::IniFormat);
  settings.beginGroup(GroupOf(hive, keyPath));
  const QVariant value = settings.value(QString::fromStdString(valueName));
  if (!value.isValid()) return std::nullopt;
  bool ok = false;
  const qulonglong number = value.toULongLong(&ok);
  if (!ok || number > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<std::uint32_t>(number);
}

bool SettingsStore::KeyExists(RegistryHive hive, const std::string& keyPath) const {
  QSettings settings(QString::fromStdString(file_.string()), QSettings::IniFormat);
  const QString group = GroupOf(hive, keyPath);
  return !settings.allKeys()
              .filter(QRegularExpression("^" + QRegularExpression::escape(group) + "/"))
              .isEmpty();
}

}  // namespace motrevix

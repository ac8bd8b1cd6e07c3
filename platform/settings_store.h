#pragma once
// The registry layer: values under a hive and a key path ("Software\GNU\ffdshow"),
// kept in an INI file (QSettings) under the user's config folder. The file can be
// moved with MOTREVIX_SETTINGS_FILE (tests, portable use) or by naming it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace motrevix {

enum class RegistryHive { CurrentUser, LocalMachine };

class SettingsStore {
 public:
  explicit SettingsStore(std::filesystem::path iniFile);

  // The store of this user: MOTREVIX_SETTINGS_FILE when set, else
  // <config folder>/motrevix/registry.ini.
  static SettingsStore Default();
  static std::filesystem::path DefaultFile();

  // Writes a 32-bit value (REG_DWORD); the key is created when absent. False when
  // the file cannot be written.
  bool WriteDword(RegistryHive hive, const std::string& keyPath, const std::string& valueName,
                  std::uint32_t value);
  // Nothing when the value is absent or not a number.
  std::optional<std::uint32_t> ReadDword(RegistryHive hive, const std::string& keyPath,
                                         const std::string& valueName) const;
  bool KeyExists(RegistryHive hive, const std::string& keyPath) const;

  const std::filesystem::path& File() const { return file_; }

 private:
  std::filesystem::path file_;
};

}  // namespace motrevix

#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <fstream>

#include "tests/support/test_support.h"

namespace motrevix {
namespace {

TEST(SettingsStore, WritesAndReadsBackDwordsUnderTheirKeys) {
  const auto file = test::ScratchDir() / "nested" / "registry.ini";
  SettingsStore store(file);
  ASSERT_TRUE(store.WriteDword(RegistryHive::CurrentUser, "Software\\GNU\\ffdshow", "h264", 1));
  ASSERT_TRUE(
      store.WriteDword(RegistryHive::CurrentUser, "Software\\GNU\\ffdshow", "isWhitelist", 0));
  ASSERT_TRUE(store.WriteDword(RegistryHive::LocalMachine, "SOFTWARE\\Velmatic", "usingDShow", 1));
  ASSERT_TRUE(
      store.WriteDword(RegistryHive::LocalMachine, "SOFTWARE\\Velmatic", "big", 0xFFFFFFFFu));

  SettingsStore again(file);
  EXPECT_EQ(again.ReadDword(RegistryHive::CurrentUser, "Software\\GNU\\ffdshow", "h264"), 1u);
  EXPECT_EQ(again.ReadDword(RegistryHive::CurrentUser, "Software\\GNU\\ffdshow", "isWhitelist"),
            0u);
  EXPECT_EQ(again.ReadDword(RegistryHive::LocalMachine, "SOFTWARE\\Velmatic", "big"), 0xFFFFFFFFu);
  // Hives are separate, and absent values read as nothing.
  EXPECT_EQ(again.ReadDword(RegistryHive::CurrentUser, "SOFTWARE\\Velmatic", "usingDShow"),
            std::nullopt);
  EXPECT_EQ(again.ReadDword(RegistryHive::CurrentUser, "Software\\GNU\\ffdshow", "missing"),
            std::nullopt);
  EXPECT_TRUE(again.KeyExists(RegistryHive::CurrentUser, "Software\\GNU"));
  EXPECT_FALSE(again.KeyExists(RegistryHive::CurrentUser, "Software\\Other"));

  // The file is an ordinary INI that keeps the value names.
  QSettings ini(QString::fromStdString(file.string()), QSettings::IniFormat);
  EXPECT_EQ(ini.value("HKEY_LOCAL_MACHINE/SOFTWARE/Velmatic/usingDShow").toInt(), 1);
}

TEST(SettingsStore, UnwritableLocationReportsFailure) {
  const auto dir = test::ScratchDir();
  std::ofstream(dir / "file") << "x";
  SettingsStore store(dir / "file" / "registry.ini");  // a folder that cannot exist
  EXPECT_FALSE(store.WriteDword(RegistryHive::CurrentUser, "Software\\GNU", "h264", 1));
}

TEST(SettingsStore, DefaultFileFollowsTheOverride) {
  const auto file = test::ScratchDir() / "mine.ini";
  ::setenv("MOTREVIX_SETTINGS_FILE", file.c_str(), 1);
  EXPECT_EQ(SettingsStore::DefaultFile(), file);
  ::unsetenv("MOTREVIX_SETTINGS_FILE");
  EXPECT_EQ(SettingsStore::DefaultFile().filename(), "registry.ini");
  EXPECT_EQ(SettingsStore::DefaultFile().parent_path().filename(), "motrevix");
}

}  // namespace
}  // namespace motrevix

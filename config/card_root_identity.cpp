#include "config/card_root_identity.h"

#include <sys/stat.h>

namespace motrevix::config {

CardRootIdentity IdentifyCardRoot(const std::filesystem::path& cardRoot) {
  struct stat info {};
  if (::stat(cardRoot.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return {};
  return {true, info.st_dev, info.st_ino};
}

bool IsSameCardRoot(const CardRootIdentity& identity, const std::filesystem::path& cardRoot) {
  const CardRootIdentity now = IdentifyCardRoot(cardRoot);
  return identity.known && now.known && now.device == identity.device &&
         now.inode == identity.inode;
}

std::string CardRootGoneMessage(const std::filesystem::path& cardRoot) {
  return "The SD card is no longer at " + cardRoot.string() +
         ". Nothing was saved. Please select the SD card drive again.";
}

}  // namespace motrevix::config

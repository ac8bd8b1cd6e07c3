#pragma once
// Which folder the card root was when the card was chosen. A card pulled from its
// mount point leaves an ordinary folder of the system disk at the same path (or
// none); comparing the folder's device and inode tells the two apart, so nothing
// meant for the card lands on the system disk.

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace motrevix::config {

struct CardRootIdentity {
  bool known = false;
  dev_t device = 0;
  ino_t inode = 0;
};

// The identity of the folder at the path now; not known when it is no folder.
CardRootIdentity IdentifyCardRoot(const std::filesystem::path& cardRoot);

// True when the path still leads to the folder that was identified.
bool IsSameCardRoot(const CardRootIdentity& identity, const std::filesystem::path& cardRoot);

// The message shown when it does not.
std::string CardRootGoneMessage(const std::filesystem::path& cardRoot);

}  // namespace motrevix::config

#pragma once
// Builds small folder trees of empty (or sized) recordings for the catalog tests.

#include <QString>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "catalog/recording_entry.h"

namespace motrevix::test {

class CardTree {
 public:
  explicit CardTree(std::filesystem::path root);

  const std::filesystem::path& Root() const { return m_root; }
  QString RootText() const;
  // The path of `relative` below the root, as the listings print it.
  QString PathText(const std::string& relative) const;

  // A file of `sizeInBytes` bytes (zeros), with its folders.
  void File(const std::string& relative, std::uint64_t sizeInBytes = 0) const;
  void Folder(const std::string& relative) const;
  // A symbolic link at `relative` whose content is `target`.
  void Link(const std::string& relative, const std::string& target) const;
  void Fifo(const std::string& relative) const;

 private:
  std::filesystem::path m_root;
};

std::vector<std::string> Names(const catalog::RecordingRows& rows);
std::vector<std::string> Paths(const catalog::RecordingRows& rows);

}  // namespace motrevix::test

#include "tests/catalog/card_tree.h"

#include <sys/stat.h>

#include <fstream>
#include <stdexcept>

namespace motrevix::test {
namespace fs = std::filesystem;

CardTree::CardTree(fs::path root) : m_root(std::move(root)) { fs::create_directories(m_root); }

QString CardTree::RootText() const { return QString::fromStdString(m_root.string()); }

QString CardTree::PathText(const std::string& relative) const {
  return QString::fromStdString((m_root / relative).string());
}

void CardTree::File(const std::string& relative, std::uint64_t sizeInBytes) const {
  const fs::path path = m_root / relative;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).close();
  fs::resize_file(path, sizeInBytes);
}

void CardTree::Folder(const std::string& relative) const {
  fs::create_directories(m_root / relative);
}

void CardTree::Link(const std::string& relative, const std::string& target) const {
  const fs::path path = m_root / relative;
  fs::create_directories(path.parent_path());
  fs::create_symlink(target, path);
}

void CardTree::Fifo(const std::string& relative) const {
  const fs::path path = m_root / relative;
  fs::create_directories(path.parent_path());
  if (mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("mkfifo " + path.string());
}

std::vector<std::string> Names(const catalog::RecordingRows& rows) {
  std::vector<std::string> names;
  for (const auto& row : rows) names.push_back(row.m_strName.toStdString());
  return names;
}

std::vector<std::string> Paths(const catalog::RecordingRows& rows) {
  std::vector<std::string> paths;
  for (const auto& row : rows) paths.push_back(row.m_strPath.toStdString());
  return paths;
}

}  // namespace motrevix::test

#pragma once
// Small helpers of the config tests: whole-file reads and writes, an independent
// CRC-32 (Python's zlib), and a writer that fails on request.

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>

#include "config/file_writer.h"
#include "config/setup_record.h"

namespace motrevix::config::test {

std::string ReadAll(const std::filesystem::path& file);
void WriteAll(const std::filesystem::path& file, std::string_view data);

// zlib.crc32 of the first `length` bytes of a file, computed by python3.
std::uint32_t ZlibCrc32(const std::filesystem::path& file, std::size_t length);

std::string RecordBytes(const CSetupRecord& record);
CSetupRecord RecordFrom(std::string_view bytes);

// Writes for real, except the files whose names are listed, which fail with `error`.
class FailingWriter : public IFileWriter {
 public:
  FailingWriter(std::set<std::string> failingNames, int error)
      : m_failingNames(std::move(failingNames)), m_error(error) {}
  WriteResult ReplaceFile(const std::filesystem::path& target, std::string_view data) override;

 private:
  std::set<std::string> m_failingNames;
  int m_error;
  ReplacingFileWriter m_real;
};

}  // namespace motrevix::config::test

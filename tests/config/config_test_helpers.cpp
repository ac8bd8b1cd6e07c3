#include "tests/config/config_test_helpers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/support/test_support.h"

namespace motrevix::config::test {

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::filesystem::path& file, std::string_view data) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
  ASSERT_TRUE(out.good()) << file;
}

std::uint32_t ZlibCrc32(const std::filesystem::path& file, std::size_t length) {
  const auto run =
      motrevix::test::Run("python3", {"-c",
                                      "import sys, zlib\n"
                                      "data = open(sys.argv[1], 'rb').read()[:int(sys.argv[2])]\n"
                                      "print(zlib.crc32(data))\n",
                                      file.string(), std::to_string(length)});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  return static_cast<std::uint32_t>(std::stoul(run.out));
}

std::string RecordBytes(const CSetupRecord& record) {
  return {reinterpret_cast<const char*>(record.Bytes().data()), record.Bytes().size()};
}

CSetupRecord RecordFrom(std::string_view bytes) {
  CSetupRecord record;
  for (std::size_t i = 0; i < bytes.size() && i < CSetupRecord::kSize; ++i)
    record.Bytes()[i] = static_cast<std::uint8_t>(bytes[i]);
  return record;
}

WriteResult FailingWriter::ReplaceFile(const std::filesystem::path& target, std::string_view data) {
  if (m_failingNames.count(target.filename().string())) return {false, m_error};
  return m_real.ReplaceFile(target, data);
}

}  // namespace motrevix::config::test

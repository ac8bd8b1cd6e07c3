#include "tests/telemetry/export_oracle.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <fstream>

#include "tests/support/test_support.h"

namespace motrevix::test {

QJsonObject ReadWithPython(const std::string& mode, const std::filesystem::path& file) {
  const auto script = SourceDir() / "tests" / "telemetry" / "export_oracle.py";
  const ProcessResult run = Run("python3", {script.string(), mode, file.string()});
  EXPECT_EQ(run.exitCode, 0) << "python could not read " << file << ": " << run.err;
  return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
}

void WriteTextFile(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

}  // namespace motrevix::test

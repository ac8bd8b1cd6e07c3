#pragma once
// Python's parsers as independent readers of the exported files.

#include <QJsonObject>
#include <filesystem>
#include <string>

namespace motrevix::test {

// Runs export_oracle.py (mode "gpx" or "csv") on file; fails the test and
// returns an empty object when Python cannot read it.
QJsonObject ReadWithPython(const std::string& mode, const std::filesystem::path& file);

void WriteTextFile(const std::filesystem::path& file, const std::string& text);

}  // namespace motrevix::test

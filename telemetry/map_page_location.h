#pragma once
// Where the viewer finds its map page: beside the executable (a build's bin/
// folder), else in the data folder of an installed tree (PREFIX/share/motrevix
// beside PREFIX/bin).

#include <filesystem>
#include <vector>

namespace motrevix {

inline constexpr const char* kMapPageName = "MapView.htm";

// The places MapView.htm may lie for an executable in programFolder, in the
// order they are tried.
std::vector<std::filesystem::path> MapPageCandidates(const std::filesystem::path& programFolder);

// The first candidate that is a file; the first candidate when none is, so a
// missing page is reported where a build puts it.
std::filesystem::path FindMapPage(const std::filesystem::path& programFolder);

}  // namespace motrevix

#include "telemetry/map_page_location.h"

#include <system_error>

namespace motrevix {

std::vector<std::filesystem::path> MapPageCandidates(const std::filesystem::path& programFolder) {
  // MOTREVIX_DATA_FROM_BIN: the installed data folder relative to the installed bin/ folder.
  return {programFolder / kMapPageName,
          (programFolder / MOTREVIX_DATA_FROM_BIN / kMapPageName).lexically_normal()};
}

std::filesystem::path FindMapPage(const std::filesystem::path& programFolder) {
  const std::vector<std::filesystem::path> candidates = MapPageCandidates(programFolder);
  for (const std::filesystem::path& candidate : candidates) {
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate;
  }
  return candidates.front();
}

}  // namespace motrevix

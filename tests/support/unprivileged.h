#pragma once
// Runs part of a test as an ordinary user, so that folder permissions hold even
// when the tests run as root (as CI does).

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace motrevix::test {

// Runs `work` in a child process that has given up root for the "nobody" user;
// returns what `work` returned, or nothing when the child could not drop its
// privileges or reach `folder`.
std::optional<std::string> AsUnprivilegedUser(const std::filesystem::path& folder,
                                              const std::function<std::string()>& work);

}  // namespace motrevix::test

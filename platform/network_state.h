#pragma once
// Whether the computer can reach the Internet, for the decision to load the map
// page. The answer can be forced (tests, offline use): by the caller, or by
// MOTREVIX_NETWORK=online|offline in the environment.

#include <optional>

namespace motrevix {

class NetworkState {
 public:
  // forced: the answer to give without asking the system.
  explicit NetworkState(std::optional<bool> forced = std::nullopt) : forced_(forced) {}

  // The forced answer of MOTREVIX_NETWORK when it is "online" or "offline".
  static std::optional<bool> ForcedByEnvironment();

  // The forced answer, else MOTREVIX_NETWORK, else the system's reachability
  // (Qt's network information when a backend is present, else whether a
  // non-loopback interface is up with an address).
  bool IsOnline() const;

 private:
  std::optional<bool> forced_;
};

}  // namespace motrevix

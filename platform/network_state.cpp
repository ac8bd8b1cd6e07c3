#include "platform/network_state.h"

#include <QNetworkInformation>
#include <QNetworkInterface>
#include <cstdlib>
#include <cstring>

namespace motrevix {
namespace {

bool AnyInterfaceUp() {
  const auto interfaces = QNetworkInterface::allInterfaces();
  for (const QNetworkInterface& iface : interfaces) {
    const auto flags = iface.flags();
    if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
        (flags & QNetworkInterface::IsLoopBack))
      continue;
    if (!iface.addressEntries().isEmpty()) return true;
  }
  return false;
}

}  // namespace

std::optional<bool> NetworkState::ForcedByEnvironment() {
  const char* value = std::getenv("MOTREVIX_NETWORK");
  if (value == nullptr) return std::nullopt;
  if (std::strcmp(value, "online") == 0) return true;
  if (std::strcmp(value, "offline") == 0) return false;
  return std::nullopt;
}

bool NetworkState::IsOnline() const {
  if (forced_) return *forced_;
  if (const auto env = ForcedByEnvironment()) return *env;
  if (QNetworkInformation::instance() != nullptr ||
      QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
    const auto reach = QNetworkInformation::instance()->reachability();
    if (reach != QNetworkInformation::Reachability::Unknown)
      return reach == QNetworkInformation::Reachability::Online;
  }
  return AnyInterfaceUp();
}

}  // namespace motrevix

#include "app/command_router.h"

#include <utility>

#include "platform/programming_check.h"

namespace motrevix {

void CommandRouter::Register(int id, Command command) {
  const bool added = commands_.emplace(id, std::move(command)).second;
  MOTREVIX_CHECK(added, "a command has one handler");
}

void CommandRouter::RegisterScroll(int sliderId, ScrollHandler handler) {
  const bool added = scrolls_.emplace(sliderId, std::move(handler)).second;
  MOTREVIX_CHECK(added, "a slider has one handler");
}

bool CommandRouter::Dispatch(int id) const {
  const auto it = commands_.find(id);
  if (it == commands_.end()) return false;
  it->second();
  return true;
}

bool CommandRouter::DispatchScroll(int sliderId, int code) const {
  const auto it = scrolls_.find(sliderId);
  if (it == scrolls_.end()) return false;
  it->second(code);
  return true;
}

}  // namespace motrevix

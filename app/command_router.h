#pragma once
// Routes the main window's commands to the features that handle them. Each
// feature registers its handlers by control identifier when the window installs
// it; a click, a key or a test then dispatches by identifier. A second handler
// for the same identifier is a programming error.

#include <functional>
#include <unordered_map>

namespace motrevix {

class CommandRouter {
 public:
  using Command = std::function<void()>;
  // A slider notification with its scroll code.
  using ScrollHandler = std::function<void(int code)>;

  void Register(int id, Command command);
  void RegisterScroll(int sliderId, ScrollHandler handler);

  // False when nothing handles the identifier (the command does nothing).
  bool Dispatch(int id) const;
  bool DispatchScroll(int sliderId, int code) const;
  bool Handles(int id) const { return commands_.count(id) != 0; }

 private:
  std::unordered_map<int, Command> commands_;
  std::unordered_map<int, ScrollHandler> scrolls_;
};

}  // namespace motrevix

#pragma once
// The controls of one command bar, in their order on the bar.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/office/CommandBarButton.h"

namespace office {

class CommandBar;

class CommandBarControls {
 public:
  using Handle = std::shared_ptr<CommandBarButton>;
  using const_iterator = std::vector<Handle>::const_iterator;

  explicit CommandBarControls(CommandBar& bar) : bar_(bar) {}
  CommandBarControls(const CommandBarControls&) = delete;
  CommandBarControls& operator=(const CommandBarControls&) = delete;

  // Adds a control of the type (only msoControlButton can be added) with the host command
  // Id (kIdCustom for a button of one's own), before the control at the 1-based place Before,
  // or at the end without one. A place outside 1 … Count + 1 throws.
  Handle Add(int Type = msoControlButton, int Id = kIdCustom, const std::string& Parameter = "",
             std::optional<int> Before = std::nullopt, bool Temporary = false);

  int Count() const;
  // 1-based; throws outside 1 … Count.
  Handle Item(int index) const;
  const_iterator begin() const { return controls_.begin(); }
  const_iterator end() const { return controls_.end(); }

  // The host's side: places its own entries and the controls read back from its store.
  Handle Append(int intType, int intId, bool blnBuiltIn);

 private:
  friend class CommandBar;
  friend class CommandBarButton;
  friend class CommandBarsFile;
  void Remove(const CommandBarButton& ctl);
  int IndexOf(const CommandBarButton& ctl) const;

  CommandBar& bar_;
  std::vector<Handle> controls_;
};

}  // namespace office

#pragma once
// A command bar of the host: a menu (the "Tools" menu) or a toolbar.

#include <memory>
#include <optional>
#include <string>

#include "platform/office/CommandBarControls.h"

namespace office {

class CommandBars;

class CommandBar {
 public:
  CommandBar(CommandBars& bars, std::string strName, int intPosition, bool blnBuiltIn);
  CommandBar(const CommandBar&) = delete;
  CommandBar& operator=(const CommandBar&) = delete;

  const std::string& Name() const;
  int Position() const;
  bool BuiltIn() const;
  bool Visible() const;
  void Visible(bool blnValue);
  CommandBarControls& Controls();
  const CommandBarControls& Controls() const;

  // The first control on this bar that matches every criterion given; nullptr when none does.
  CommandBarControls::Handle FindControl(
      std::optional<int> Type = std::nullopt, std::optional<int> Id = std::nullopt,
      const std::optional<std::string>& Tag = std::nullopt) const;

  // Removes a bar of one's own with its controls; the host's own bars cannot be deleted.
  void Delete();
  bool Deleted() const { return blnDeleted_; }

 private:
  friend class CommandBars;
  friend class CommandBarButton;
  friend class CommandBarControls;
  void CheckAlive(const char* strMember) const;
  // Marks the bar and its controls as gone.
  void MarkDeleted();
  // Tells the host's window that the bar or one of its controls changed.
  void Changed() const;

  CommandBars& bars_;
  std::string strName_;
  int intPosition_;
  bool blnBuiltIn_;
  bool blnVisible_ = false;
  bool blnDeleted_ = false;
  CommandBarControls controls_{*this};
};

}  // namespace office

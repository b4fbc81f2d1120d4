#pragma once
// A control of a command bar: a menu entry or a toolbar button. Handles to it are shared, as
// COM references are; once the control is deleted (or its bar, or the host has gone) every
// call through a remaining handle throws office::Error.
//
// Clicking it (Execute) raises its Click event in every sink that is connected, in the order
// of connection. A sink stays connected while the object returned by ConnectClick lives.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/office/Constants.h"

namespace office {

class CommandBar;

class CommandBarButton {
 public:
  using ClickHandler = std::function<void(CommandBarButton& Ctrl, bool& CancelDefault)>;
  using ClickSink = std::shared_ptr<ClickHandler>;

  // Made by CommandBarControls::Add and by the host for its own entries.
  CommandBarButton(CommandBar& bar, int intType, int intId, bool blnBuiltIn);
  CommandBarButton(const CommandBarButton&) = delete;
  CommandBarButton& operator=(const CommandBarButton&) = delete;

  int Type() const;
  // The host's command behind the control; kIdCustom for the controls of add-ins.
  int Id() const;
  bool BuiltIn() const;
  CommandBar& Parent() const;
  // The 1-based place on its bar.
  int Index() const;

  const std::string& Caption() const;
  void Caption(const std::string& strValue);
  const std::string& Tag() const;
  void Tag(const std::string& strValue);
  int FaceId() const;
  void FaceId(int intValue);
  int Style() const;
  void Style(int intValue);
  const std::string& OnAction() const;
  void OnAction(const std::string& strValue);
  bool BeginGroup() const;
  void BeginGroup(bool blnValue);
  const std::string& Parameter() const;
  void Parameter(const std::string& strValue);
  bool Visible() const;
  void Visible(bool blnValue);
  const std::string& TooltipText() const;
  void TooltipText(const std::string& strValue);

  // Removes the control from its bar.
  void Delete();
  // True once the control no longer exists.
  bool Deleted() const { return blnDeleted_; }

  // Connects a sink to the Click event; disconnected when the returned object is released.
  [[nodiscard]] ClickSink ConnectClick(ClickHandler handler);
  // The user clicks the control. Returns CancelDefault as the sinks left it.
  bool Execute();

 private:
  friend class CommandBarControls;
  friend class CommandBar;
  void CheckAlive(const char* strMember) const;
  void MarkDeleted() { blnDeleted_ = true; }

  CommandBar* bar_;
  int intType_;
  int intId_;
  bool blnBuiltIn_;
  std::string strCaption_;
  std::string strTag_;
  int intFaceId_ = 0;
  int intStyle_ = msoButtonAutomatic;
  std::string strOnAction_;
  bool blnBeginGroup_ = false;
  std::string strParameter_;
  bool blnVisible_ = true;
  std::string strTooltipText_;
  bool blnDeleted_ = false;
  std::vector<std::weak_ptr<ClickHandler>> sinks_;
};

}  // namespace office

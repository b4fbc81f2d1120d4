#include "addin/Connect.h"

#include <algorithm>
#include <cctype>

#include "addin/AddInErr.h"
#include "addin/GetSetting.h"
#include "addin/Nothing.h"
#include "platform/catalog/Catalog.h"
#include "platform/msproject/Application.h"
#include "platform/office/Constants.h"
#include "platform/vb/OnError.h"
#include "wizard/Globals.h"
#include "wizard/frmQuorvan.h"

namespace {

constexpr const char* kMenuName = "Tools";
constexpr const char* kToolbarName = "Quorvan";
// Kept in German in the command bars; the desktop translates it where it shows it.
constexpr const char* kCaption = N_("&Quorvan Assistent");
constexpr const char* kMenuTag = "QuorvanWizard";
constexpr const char* kToolbarTag = "QuorvanWizardToolbar";
constexpr int kFaceId = 1084;

// The built-in entries of the "Tools" menu before which the entry is placed.
constexpr int kInsertBeforeIds[] = {2131, 40085, 40196, 40092};

std::string LCase(std::string strText) {
  std::transform(strText.begin(), strText.end(), strText.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return strText;
}

}  // namespace

Connect::Connect() = default;

Connect::~Connect() {
  if (mfrmWizard && gfrmWizard == mfrmWizard.get()) gfrmWizard = nullptr;
}

office::CommandBars& Connect::CommandBars() const {
  return addin::Obj(AppInstance).CommandBars();
}

std::string Connect::OnActionText() const {
  return "!<" + strProgId_ + ">";
}

void Connect::OnConnection(msproject::Application& Application, office::ext_ConnectMode ConnectMode,
                           office::COMAddIn& AddInInst, std::vector<std::any>& custom) {
  for (const std::any& argument : custom) {
    if (const auto* observer = std::any_cast<ProgressSink*>(&argument)) observer_ = *observer;
  }
  vb::ResumeNext onError;
  onError([&] {
    AppInstance = &Application;
    strProgId_ = AddInInst.ProgId();
    if (ConnectMode == office::ext_cm_External) {
      Show();
    } else {
      objMenuButton = AddMenuButton(kMenuName, kCaption, kMenuTag, AddInInst);
      menuButtonEvents_.reset();
      if (objMenuButton) {
        menuButtonEvents_ = objMenuButton->ConnectClick(
            [this](office::CommandBarButton& Ctrl, bool& CancelDefault) {
              objMenuButton_Click(Ctrl, CancelDefault);
            });
      }
      const std::string strToolbarName = addin::Obj(GetToolbar(kToolbarName, true)).Name();
      objToolbarButton = AddToolbarButton(strToolbarName, kToolbarTag, kCaption,
                                          office::msoButtonIconAndCaption, false);
      toolbarButtonEvents_.reset();
      if (objToolbarButton) {
        toolbarButtonEvents_ = objToolbarButton->ConnectClick(
            [this](office::CommandBarButton& Ctrl, bool& CancelDefault) {
              objToolbarButton_Click(Ctrl, CancelDefault);
            });
      }
    }
    if (ConnectMode == office::ext_cm_AfterStartup &&
        addin::GetSetting(addin::kAppTitle, "Settings", "DisplayOnConnect", "0") == "1") {
      Show();
    }
  });
  if (onError.Failed()) AddInErr(vb::Error(onError.LastNumber(), onError.LastDescription()));
}

void Connect::OnDisconnection(office::ext_DisconnectMode RemoveMode,
                              std::vector<std::any>& custom) {
  (void)custom;
  vb::ResumeNext steps;
  steps([&] { RemoveCommandBarControls(RemoveMode); });
  steps([&] {
    if (mfrmWizard) mfrmWizard->Unload();
  });
  // The global must not outlive the form it names.
  if (mfrmWizard && gfrmWizard == mfrmWizard.get()) gfrmWizard = nullptr;
  mfrmWizard.reset();
}

void Connect::OnAddInsUpdate(std::vector<std::any>& custom) {
  (void)custom;
}
void Connect::OnStartupComplete(std::vector<std::any>& custom) {
  (void)custom;
}
void Connect::OnBeginShutdown(std::vector<std::any>& custom) {
  (void)custom;
}

void Connect::objMenuButton_Click(office::CommandBarButton& Ctrl, bool& CancelDefault) {
  (void)Ctrl, (void)CancelDefault;
  vb::TrySkip([&] { Show(); });
}

void Connect::objToolbarButton_Click(office::CommandBarButton& Ctrl, bool& CancelDefault) {
  (void)Ctrl, (void)CancelDefault;
  vb::TrySkip([&] { Show(); });
}

office::CommandBarControls::Handle Connect::AddMenuButton(const std::string& strMenuName,
                                                          const std::string& strCaption,
                                                          const std::string& strTag,
                                                          office::COMAddIn& AddInInst) {
  const auto menu = vb::TryRead([&] { return CommandBars().Item(strMenuName); });
  if (!menu || !*menu) return nullptr;
  office::CommandBar& cbMenu = **menu;

  office::CommandBarControls::Handle objButton;
  vb::ResumeNext onError;
  onError([&] {
    int intPosition = 0;
    bool blnBeginGroup = true;
    for (const auto& ctl : cbMenu.Controls()) {
      ++intPosition;
      const std::string strLower = LCase(ctl->Caption());
      if (strLower.find("lindora") != std::string::npos ||
          strLower.find("quorvan") != std::string::npos) {
        blnBeginGroup = false;
      }
      const int intId = ctl->Id();
      if (std::find(std::begin(kInsertBeforeIds), std::end(kInsertBeforeIds), intId) !=
          std::end(kInsertBeforeIds)) {
        break;
      }
    }
    objButton = cbMenu.FindControl(std::nullopt, std::nullopt, strTag);
    if (!objButton) {
      objButton =
          cbMenu.Controls().Add(office::msoControlButton, office::kIdCustom, "", intPosition);
      objButton->BeginGroup(blnBeginGroup);
    }
    objButton->Caption(strCaption);
    objButton->Tag(strTag);
    objButton->FaceId(kFaceId);
    objButton->OnAction("!<" + AddInInst.ProgId() + ">");
  });
  if (onError.Failed()) {
    AddInErr(vb::Error(onError.LastNumber(), onError.LastDescription()));
    return nullptr;
  }
  return objButton;
}

office::CommandBars::Handle Connect::GetToolbar(const std::string& strToolbarName,
                                                bool blnVisible) {
  office::CommandBars::Handle objToolbar;
  vb::ResumeNext onError;
  onError([&] {
    bool blnFound = false;
    for (const auto& bar : CommandBars()) {
      if (bar->Name() == strToolbarName) blnFound = true;
    }
    if (!blnFound) {
      CommandBars().Add(strToolbarName, office::msoBarTop)->Visible(blnVisible);
    }
    objToolbar = CommandBars().Item(strToolbarName);
  });
  if (onError.Failed()) {
    AddInErr(vb::Error(onError.LastNumber(), onError.LastDescription()));
    return nullptr;
  }
  return objToolbar;
}

office::CommandBarControls::Handle Connect::AddToolbarButton(const std::string& strToolbarName,
                                                             const std::string& strTag,
                                                             const std::string& strCaption,
                                                             int intStyle, bool blnBeginGroup) {
  office::CommandBarControls::Handle objButton;
  vb::ResumeNext onError;
  onError([&] {
    office::CommandBar& cbToolbar = CommandBars()(strToolbarName);
    objButton = cbToolbar.FindControl(std::nullopt, std::nullopt, strTag);
    if (!objButton) {
      objButton = cbToolbar.Controls().Add(office::msoControlButton, office::kIdCustom, strTag);
      objButton->Caption(strCaption);
      objButton->Tag(strTag);
      objButton->Style(intStyle);
      objButton->FaceId(kFaceId);
      objButton->OnAction(OnActionText());
      objButton->BeginGroup(blnBeginGroup);
    }
  });
  if (onError.Failed()) {
    AddInErr(vb::Error(onError.LastNumber(), onError.LastDescription()));
    return nullptr;
  }
  return objButton;
}

void Connect::RemoveCommandBarControls(office::ext_DisconnectMode RemoveMode) {
  if (RemoveMode != office::ext_dm_UserClosed) return;
  vb::ResumeNext steps;
  steps([&] {
    if (auto ctl = CommandBars().FindControl(std::nullopt, std::nullopt, std::string(kToolbarTag)))
      ctl->Delete();
  });
  steps([&] {
    office::CommandBar& cbToolbar = CommandBars()(kToolbarName);
    if (cbToolbar.Controls().Count() == 0) cbToolbar.Delete();
  });
  steps([&] {
    if (auto ctl = CommandBars().FindControl(std::nullopt, std::nullopt, std::string(kMenuTag)))
      ctl->Delete();
  });
}

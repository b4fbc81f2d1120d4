#include "addin/AddInHost.h"

#include <algorithm>

#include "addin/Connect.h"
#include "addin/Registration.h"
#include "platform/registry/Registry.h"
#include "settings/basRegistry.h"

namespace addin {

namespace {

using namespace registry;

// The add-ins this host can create, by programmatic identifier.
std::unique_ptr<office::IDTExtensibility2> CreateAddIn(const std::string& strProgId) {
  if (strProgId == kProgId) return std::make_unique<Connect>();
  return nullptr;
}

std::string AddInKey(const std::string& strProgId) {
  return std::string(kHostAddInsKey) + "\\" + strProgId;
}

// Whether the host connects the add-in at its next start: 3 yes, 2 no.
void WriteLoadBehavior(const std::string& strProgId, DWORD dwLoadBehavior) {
  HKEY hKey = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, AddInKey(strProgId).c_str(), 0, KEY_WRITE, &hKey) ==
      ERROR_SUCCESS) {
    RegSetValueExA(hKey, "LoadBehavior", 0, REG_DWORD,
                   reinterpret_cast<const BYTE*>(&dwLoadBehavior), sizeof dwLoadBehavior);
    RegCloseKey(hKey);
  }
}

}  // namespace

AddInHost::AddInHost(msproject::Application& objApplication, ProgressSink* observer)
    : objApplication_(objApplication) {
  if (observer != nullptr) custom_.emplace_back(observer);
}

AddInHost::~AddInHost() {
  // The last connected goes first, as the host unloads them.
  while (!colConnected_.empty()) {
    colConnected_.back().objAddIn->OnBeginShutdown(custom_);
    colConnected_.back().objAddIn->OnDisconnection(office::ext_dm_HostShutdown, custom_);
    colConnected_.pop_back();
  }
}

std::vector<std::string> AddInHost::RegisteredAddIns() {
  std::vector<std::string> colProgIds;
  HKEY hKey = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kHostAddInsKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS) {
    return colProgIds;
  }
  for (DWORD dwIndex = 0;; ++dwIndex) {
    char szName[256];
    DWORD cchName = sizeof szName;
    if (RegEnumKeyExA(hKey, dwIndex, szName, &cchName, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    colProgIds.emplace_back(szName, cchName);
  }
  RegCloseKey(hKey);
  return colProgIds;
}

void AddInHost::StartUp() {
  for (const std::string& strProgId : RegisteredAddIns()) {
    if (ReadRegString(HKEY_CURRENT_USER, AddInKey(strProgId), "LoadBehavior") == "3") {
      ConnectIn(strProgId, office::ext_cm_Startup);
    }
  }
  for (auto& connected : colConnected_) connected.objAddIn->OnStartupComplete(custom_);
}

bool AddInHost::ConnectAddIn(const std::string& strProgId) {
  const auto colRegistered = RegisteredAddIns();
  if (std::find(colRegistered.begin(), colRegistered.end(), strProgId) == colRegistered.end()) {
    return false;
  }
  if (!ConnectIn(strProgId, office::ext_cm_AfterStartup)) return false;
  WriteLoadBehavior(strProgId, 3);
  return true;
}

bool AddInHost::RemoveAddIn(const std::string& strProgId) {
  const auto it = std::find_if(colConnected_.begin(), colConnected_.end(), [&](const auto& c) {
    return c.objAddInInst->ProgId() == strProgId;
  });
  if (it == colConnected_.end()) return false;
  it->objAddIn->OnDisconnection(office::ext_dm_UserClosed, custom_);
  colConnected_.erase(it);
  // Not connected at the next start either.
  WriteLoadBehavior(strProgId, 2);
  for (auto& connected : colConnected_) connected.objAddIn->OnAddInsUpdate(custom_);
  return true;
}

office::IDTExtensibility2* AddInHost::Find(const std::string& strProgId) const {
  for (const auto& connected : colConnected_) {
    if (connected.objAddInInst->ProgId() == strProgId) return connected.objAddIn.get();
  }
  return nullptr;
}

bool AddInHost::ConnectIn(const std::string& strProgId, office::ext_ConnectMode mode) {
  if (Find(strProgId) != nullptr) return false;
  auto objAddIn = CreateAddIn(strProgId);
  if (!objAddIn) return false;
  Connected connected{std::make_unique<office::COMAddIn>(strProgId), std::move(objAddIn)};
  connected.objAddIn->OnConnection(objApplication_, mode, *connected.objAddInInst, custom_);
  colConnected_.push_back(std::move(connected));
  for (auto& other : colConnected_) {
    if (other.objAddIn.get() != colConnected_.back().objAddIn.get()) {
      other.objAddIn->OnAddInsUpdate(custom_);
    }
  }
  return true;
}

}  // namespace addin

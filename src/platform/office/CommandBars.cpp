#include "platform/office/CommandBars.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/office/BuiltInBars.h"
#include "platform/office/CommandBarsFile.h"
#include "platform/office/Error.h"
#include "platform/registry/HiveFile.h"

namespace office {

namespace {

std::optional<std::string> ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return text.str();
}

[[noreturn]] void SaveFailed(const std::filesystem::path& path, const std::string& strWhy) {
  throw Error(kErrMethodFailed, "Die Symbolleisten konnten nicht in „" + path.string() +
                                    "“ gespeichert werden: " + strWhy);
}

// Bar names are told apart as the host tells them apart: without regard to case.
bool SameName(const std::string& strA, const std::string& strB) {
  return std::equal(strA.begin(), strA.end(), strB.begin(), strB.end(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

}  // namespace

CommandBars::CommandBars() {
  AddBuiltInBars(*this);
}

CommandBars::CommandBars(std::filesystem::path storeFile) : storeFile_(std::move(storeFile)) {
  if (auto strText = ReadText(*storeFile_); strText && CommandBarsFile::Read(*strText, *this)) {
    strStored_ = CommandBarsFile::Write(*this);
    return;
  }
  AddBuiltInBars(*this);
  strStored_ = CommandBarsFile::Write(*this);
}

CommandBars::~CommandBars() {
  try {
    Save();
  } catch (const Error&) {
    // The host ends all the same; the bars of this session are lost, as with a full disk.
  }
  for (const auto& bar : bars_) bar->MarkDeleted();
}

CommandBars::Handle CommandBars::Item(const std::string& strName) const {
  for (const auto& bar : bars_) {
    if (SameName(bar->strName_, strName)) return bar;
  }
  throw Error(kErrInvalidArgument,
              "Ungültiger Prozeduraufruf oder ungültiges Argument: eine Leiste „" + strName +
                  "“ gibt es nicht.");
}

CommandBars::Handle CommandBars::Item(int index) const {
  if (index < 1 || index > Count()) {
    throw Error(kErrInvalidArgument, "Ungültiger Prozeduraufruf oder ungültiges Argument: Leiste " +
                                         std::to_string(index) + " gibt es nicht.");
  }
  return bars_[static_cast<std::size_t>(index - 1)];
}

int CommandBars::Count() const {
  return static_cast<int>(bars_.size());
}

CommandBars::Handle CommandBars::Add(const std::string& Name, int Position, bool MenuBar,
                                     bool Temporary) {
  (void)Temporary;  // the stand-in keeps every bar until it is deleted
  const bool blnTaken = std::any_of(
      bars_.begin(), bars_.end(), [&](const Handle& bar) { return SameName(bar->strName_, Name); });
  if (Name.empty() || blnTaken || MenuBar || Position < msoBarLeft || Position > msoBarPopup) {
    throw Error(kErrMethodFailed,
                "Die Methode „Add“ des Objekts „CommandBars“ ist fehlgeschlagen: die Leiste „" +
                    Name + "“ kann nicht angelegt werden.");
  }
  auto bar = AddBar(Name, Position, false);
  Changed();
  return bar;
}

CommandBarControls::Handle CommandBars::FindControl(std::optional<int> Type, std::optional<int> Id,
                                                    const std::optional<std::string>& Tag) const {
  for (const auto& bar : bars_) {
    if (auto ctl = bar->FindControl(Type, Id, Tag)) return ctl;
  }
  return nullptr;
}

CommandBars::Handle CommandBars::AddBar(const std::string& strName, int intPosition,
                                        bool blnBuiltIn) {
  auto bar = std::make_shared<CommandBar>(*this, strName, intPosition, blnBuiltIn);
  bars_.push_back(bar);
  return bar;
}

void CommandBars::Remove(const CommandBar& bar) {
  const auto it =
      std::find_if(bars_.begin(), bars_.end(), [&](const Handle& h) { return h.get() == &bar; });
  if (it == bars_.end()) return;
  (*it)->MarkDeleted();
  bars_.erase(it);
  Changed();
}

void CommandBars::Save() {
  if (!storeFile_) return;
  std::string strText = CommandBarsFile::Write(*this);
  if (strText == strStored_) return;
  const std::filesystem::path& path = *storeFile_;
  std::error_code ec;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
  std::filesystem::path temp = path;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << strText;
    out.flush();
    if (!out) {
      std::filesystem::remove(temp, ec);
      SaveFailed(path, "die Datei kann nicht geschrieben werden.");
    }
  }
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    SaveFailed(path, ec.message());
  }
  strStored_ = std::move(strText);
}

std::filesystem::path CommandBarsFilePath() {
  return registry::RegistryFilePath().parent_path() / "CommandBars.json";
}

}  // namespace office

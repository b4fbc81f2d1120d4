#include "support/ScriptedBackend.h"

#include <stdexcept>

namespace shell {

ScriptedBackend::ScriptedBackend() : previous_(SetBackend(this)) {}

ScriptedBackend::~ScriptedBackend() {
  SetBackend(previous_);
}

void ScriptedBackend::AnswerFiles(std::vector<std::string> paths) {
  answers_.push_back({Kind::Files, std::move(paths), 0});
}

void ScriptedBackend::AnswerColor(COLORREF color) {
  answers_.push_back({Kind::Color, {}, color});
}

void ScriptedBackend::AnswerFolder(const std::string& strPath) {
  answers_.push_back({Kind::Folder, {strPath}, 0});
}

void ScriptedBackend::Cancel() {
  answers_.push_back({Kind::Cancel, {}, 0});
}

void ScriptedBackend::EditCustomColor(std::size_t index, COLORREF color) {
  if (index >= kCustomColorCount) throw std::logic_error("custom colour index out of range");
  colorEdits_.emplace_back(index, color);
}

ScriptedBackend::Answer ScriptedBackend::Next(Kind expected) {
  if (answers_.empty()) return {};
  Answer answer = std::move(answers_.front());
  answers_.pop_front();
  if (answer.kind != Kind::Cancel && answer.kind != expected) {
    throw std::logic_error("the scripted answer does not fit the dialog shown");
  }
  return answer;
}

std::optional<std::vector<std::string>> ScriptedBackend::GetOpenFileName(
    const FileDialogRequest& request) {
  fileDialogs_.push_back(request);
  Answer answer = Next(Kind::Files);
  if (answer.kind == Kind::Cancel) return std::nullopt;
  return std::move(answer.paths);
}

std::optional<std::string> ScriptedBackend::GetSaveFileName(const FileDialogRequest& request) {
  fileDialogs_.push_back(request);
  Answer answer = Next(Kind::Files);
  if (answer.kind == Kind::Cancel) return std::nullopt;
  if (answer.paths.size() != 1) throw std::logic_error("a save dialog returns one path");
  return std::move(answer.paths.front());
}

std::optional<COLORREF> ScriptedBackend::ChooseColor(
    const ColorDialogRequest& request, std::array<COLORREF, kCustomColorCount>& custColors) {
  colorDialogs_.push_back(request);
  for (const auto& [index, color] : colorEdits_) custColors[index] = color;
  colorEdits_.clear();
  const Answer answer = Next(Kind::Color);
  if (answer.kind == Kind::Cancel) return std::nullopt;
  return answer.color;
}

std::optional<std::string> ScriptedBackend::BrowseForFolder(const FolderDialogRequest& request) {
  folderDialogs_.push_back(request);
  Answer answer = Next(Kind::Folder);
  if (answer.kind == Kind::Cancel) return std::nullopt;
  return std::move(answer.paths.front());
}

HINSTANCE ScriptedBackend::ShellExecute(const ShellExecuteRequest& request) {
  links_.push_back(request);
  return shellExecuteResult_;
}

}  // namespace shell

#include "platform/excel/Workbooks.h"

#include <algorithm>

#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "platform/excel/save/LockFiles.h"

namespace excel {

Workbooks::~Workbooks() = default;

Workbook& Workbooks::Add() {
  application_->CheckUsable();
  ++lngCreated_;
  open_.push_back(std::make_unique<Workbook>(*application_, "Mappe" + std::to_string(lngCreated_),
                                             application_->SheetsInNewWorkbook()));
  return *open_.back();
}

std::int32_t Workbooks::Count() {
  Refresh();
  return static_cast<std::int32_t>(listing_.size());
}

Workbook& Workbooks::Item(std::int32_t lngIndex) {
  Refresh();
  if (lngIndex < 1 || lngIndex > static_cast<std::int32_t>(listing_.size())) {
    throw Error(9, "Die Arbeitsmappe " + std::to_string(lngIndex) + " gibt es nicht.");
  }
  return *listing_[lngIndex - 1];
}

Workbooks::iterator Workbooks::begin() {
  Refresh();
  return iterator(listing_.cbegin());
}

void Workbooks::Refresh() {
  application_->CheckUsable();
  listing_.clear();
  for (const auto& workbook : open_) listing_.push_back(workbook.get());
  for (const auto& folder : application_->WatchedFolders()) {
    for (const auto& file : FilesHeldOpenIn(folder)) {
      bool blnOurs = std::any_of(open_.begin(), open_.end(), [&](const auto& workbook) {
        return workbook->FullName() == file.string();
      });
      if (blnOurs) continue;
      auto& entry = heldOpen_[file];
      if (!entry) entry = std::make_unique<Workbook>(*application_, file);
      listing_.push_back(entry.get());
    }
  }
}

void Workbooks::Closed(Workbook& workbook) {
  auto it = std::find_if(open_.begin(), open_.end(),
                         [&](const auto& entry) { return entry.get() == &workbook; });
  if (it == open_.end()) return;
  closed_.push_back(std::move(*it));
  open_.erase(it);
}

void Workbooks::CloseAll() {
  while (!open_.empty()) open_.back()->Close();
}

}  // namespace excel

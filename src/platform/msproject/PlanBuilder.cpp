#include "platform/msproject/PlanBuilder.h"

#include <algorithm>
#include <cmath>

namespace msproject {

PlanBuilder::PlanBuilder(Project& project, std::string strName, std::string strPath)
    : project_(project) {
  project_.strName_ = std::move(strName);
  project_.strPath_ = std::move(strPath);
}

bool PlanBuilder::NamedLikeTheFile(std::string_view strTitle) const {
  std::string_view stem = project_.strName_;
  if (const auto dot = stem.rfind('.'); dot != std::string_view::npos && dot > 0) {
    stem = stem.substr(0, dot);
  }
  return !strTitle.empty() && strTitle == stem;
}

void PlanBuilder::Settings(const DurationSettings& settings) {
  settings_ = settings;
  project_.lngMinutesPerDay_ = settings.lngMinutesPerDay;
  project_.lngMinutesPerWeek_ = settings.lngMinutesPerWeek;
  project_.lngDaysPerMonth_ = settings.lngDaysPerMonth;
  project_.lngDurationFormat_ = settings.lngDefaultFormat;
}

void PlanBuilder::FieldAlias(std::int32_t fieldId, std::string strAlias) {
  auto& aliases = project_.fieldAliases_;
  const auto at =
      std::lower_bound(aliases.begin(), aliases.end(), fieldId,
                       [](const auto& entry, std::int32_t id) { return entry.first < id; });
  if (at != aliases.end() && at->first == fieldId) {
    at->second = std::move(strAlias);
  } else {
    aliases.emplace(at, fieldId, std::move(strAlias));
  }
}

PlanBuilder::TaskRow PlanBuilder::AddTask(std::int32_t lngID) {
  if (lngID == 0) {
    summaryRow_ = msproject::Task();
    return TaskRow(*this, summaryRow_, -1);
  }
  const auto index = static_cast<std::ptrdiff_t>(project_.taskRows_.size());
  msproject::Task& task = project_.taskRows_.emplace_back();
  task.project_ = &project_;
  task.lngID_ = lngID;
  pending_.emplace_back();
  taskRows_.push_back(Row{lngID, index});
  return TaskRow(*this, task, index);
}

void PlanBuilder::AddBlankTask(std::int32_t lngID) {
  if (lngID != 0) taskRows_.push_back(Row{lngID, -1});
}

PlanBuilder::ResourceRow PlanBuilder::AddResource(std::int32_t lngID) {
  if (lngID == 0) {
    placeholderResource_ = msproject::Resource();
    return ResourceRow(placeholderResource_);
  }
  const auto index = static_cast<std::ptrdiff_t>(project_.resourceRows_.size());
  msproject::Resource& resource = project_.resourceRows_.emplace_back();
  resource.lngID_ = lngID;
  resourceRows_.push_back(Row{lngID, index});
  return ResourceRow(resource);
}

void PlanBuilder::AddBlankResource(std::int32_t lngID) {
  if (lngID != 0) resourceRows_.push_back(Row{lngID, -1});
}

void PlanBuilder::AddLink(std::int32_t lngPredecessorUID, std::int32_t lngSuccessorUID) {
  linksByUID_.push_back(LinkByUID{lngPredecessorUID, lngSuccessorUID});
}

PlanBuilder::TaskRow& PlanBuilder::TaskRow::UniqueID(std::int32_t lngValue) {
  task_->lngUniqueID_ = lngValue;
  return *this;
}
PlanBuilder::TaskRow& PlanBuilder::TaskRow::Name(std::string strValue) {
  task_->strName_ = std::move(strValue);
  return *this;
}
PlanBuilder::TaskRow& PlanBuilder::TaskRow::WBS(std::string strValue) {
  task_->strWBS_ = std::move(strValue);
  return *this;
}
PlanBuilder::TaskRow& PlanBuilder::TaskRow::OutlineLevel(std::int32_t lngValue) {
  task_->lngOutlineLevel_ = lngValue;
  return *this;
}
PlanBuilder::TaskRow& PlanBuilder::TaskRow::Start(std::optional<DateTime> value) {
  task_->start_ = value;
  return *this;
}
PlanBuilder::TaskRow& PlanBuilder::TaskRow::Finish(std::optional<DateTime> value) {
  task_->finish_ = value;
  return *this;
}
PlanBuilder::TaskRow& PlanBuilder::TaskRow::Duration(std::optional<double> dblMinutes,
                                                     std::int32_t lngFormat) {
  if (index_ >= 0) {
    PendingTask& pending = builder_->pending_[static_cast<std::size_t>(index_)];
    pending.dblMinutes = dblMinutes;
    pending.lngFormat = lngFormat;
  }
  return *this;
}
PlanBuilder::TaskRow& PlanBuilder::TaskRow::Estimated(bool blnValue) {
  if (index_ >= 0) builder_->pending_[static_cast<std::size_t>(index_)].blnEstimated = blnValue;
  return *this;
}
PlanBuilder::TaskRow& PlanBuilder::TaskRow::Summary(bool blnValue) {
  task_->blnSummary_ = blnValue;
  return *this;
}
PlanBuilder::TaskRow& PlanBuilder::TaskRow::Milestone(bool blnValue) {
  task_->blnMilestone_ = blnValue;
  return *this;
}
PlanBuilder::TaskRow& PlanBuilder::TaskRow::Subproject(std::string strPath) {
  task_->strSubproject_ = std::move(strPath);
  return *this;
}
PlanBuilder::TaskRow& PlanBuilder::TaskRow::Text(std::int32_t fieldId, std::string strValue) {
  task_->extendedAttributes_.emplace_back(fieldId, std::move(strValue));
  return *this;
}
PlanBuilder::TaskRow& PlanBuilder::TaskRow::CustomDuration(std::int32_t fieldId, double dblMinutes,
                                                           std::int32_t lngFormat) {
  if (index_ >= 0) {
    builder_->pending_[static_cast<std::size_t>(index_)].customDurations.emplace_back(
        fieldId, std::make_pair(dblMinutes, lngFormat));
  }
  return *this;
}
PlanBuilder::TaskRow& PlanBuilder::TaskRow::Predecessor(std::int32_t lngUniqueID) {
  // Neither the project summary task nor a blank row has links of its own.
  if (index_ >= 0) {
    builder_->links_.push_back(Link{static_cast<std::size_t>(index_), lngUniqueID});
  }
  return *this;
}

PlanBuilder::ResourceRow& PlanBuilder::ResourceRow::UniqueID(std::int32_t lngValue) {
  resource_->lngUniqueID_ = lngValue;
  return *this;
}
PlanBuilder::ResourceRow& PlanBuilder::ResourceRow::Name(std::string strValue) {
  resource_->strName_ = std::move(strValue);
  return *this;
}
PlanBuilder::ResourceRow& PlanBuilder::ResourceRow::Group(std::string strValue) {
  resource_->strGroup_ = std::move(strValue);
  return *this;
}

namespace {

// Table order: by ID; rows of one ID keep the order in which they came.
template <class Row>
void SortRows(std::vector<Row>& rows) {
  std::stable_sort(rows.begin(), rows.end(),
                   [](const Row& a, const Row& b) { return a.id < b.id; });
}

}  // namespace

void PlanBuilder::Finish() {
  FinishTasks();
  FinishResources();
}

void PlanBuilder::FinishTasks() {
  std::deque<msproject::Task>& storage = project_.taskRows_;
  for (std::size_t index = 0; index < storage.size(); ++index) {
    msproject::Task& task = storage[index];
    const PendingTask& pending = pending_[index];
    task.blnEstimated_ = pending.blnEstimated || IsEstimatedFormat(pending.lngFormat);
    task.dblDurationMinutes_ = pending.dblMinutes;
    task.lngDurationFormat_ = pending.lngFormat;
    if (pending.dblMinutes) {
      task.lngDurationMinutes_ = std::llround(*pending.dblMinutes);
      task.strDurationText_ =
          DurationText(*pending.dblMinutes, pending.lngFormat, settings_, task.blnEstimated_);
    }
    for (const auto& [fieldId, value] : pending.customDurations) {
      task.storedDurations_.push_back({fieldId, value.first, value.second});
      task.extendedAttributes_.emplace_back(fieldId,
                                            DurationText(value.first, value.second, settings_));
    }
  }

  SortRows(taskRows_);
  project_.tasks_.Reserve(taskRows_.size());
  for (const Row& row : taskRows_) {
    msproject::Task* task = row.index < 0 ? nullptr : &storage[static_cast<std::size_t>(row.index)];
    project_.tasks_.Append(task);
    if (task && !task->strSubproject_.empty()) {
      msproject::Subproject subproject;
      subproject.task_ = task;
      project_.subprojects_.push_back(subproject);
    }
  }

  // Links kept apart from the tasks name their successor by unique ID as well; the first task
  // in table order wins where a unique ID is not unique, as for predecessors.
  if (!linksByUID_.empty()) {
    std::vector<std::pair<std::int32_t, std::size_t>> byUID;
    for (const Row& row : taskRows_) {
      if (row.index < 0) continue;
      const auto index = static_cast<std::size_t>(row.index);
      byUID.emplace_back(storage[index].lngUniqueID_, index);
    }
    std::stable_sort(byUID.begin(), byUID.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const LinkByUID& link : linksByUID_) {
      const auto found =
          std::lower_bound(byUID.begin(), byUID.end(), link.successorUID,
                           [](const auto& entry, std::int32_t uid) { return entry.first < uid; });
      if (found == byUID.end() || found->first != link.successorUID) continue;
      links_.push_back(Link{found->second, link.predecessorUID});
    }
  }
  ResolveLinks(links_);
}

// Predecessors in the order of the links in the file, successors in table order.
void PlanBuilder::ResolveLinks(std::vector<Link>& links) {
  if (links.empty()) return;
  std::deque<msproject::Task>& storage = project_.taskRows_;
  constexpr std::size_t kNoRow = static_cast<std::size_t>(-1);
  std::vector<std::size_t> tablePosition(storage.size(), kNoRow);
  std::vector<std::pair<std::int32_t, std::size_t>> byUID;  // unique ID, place in storage
  byUID.reserve(storage.size());
  for (std::size_t position = 0; position < taskRows_.size(); ++position) {
    if (taskRows_[position].index < 0) continue;
    const auto index = static_cast<std::size_t>(taskRows_[position].index);
    tablePosition[index] = position;
    byUID.emplace_back(storage[index].lngUniqueID_, index);
  }
  // The first task in table order wins when a unique ID is not unique.
  std::stable_sort(byUID.begin(), byUID.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::stable_sort(links.begin(), links.end(), [&](const Link& a, const Link& b) {
    return tablePosition[a.successor] < tablePosition[b.successor];
  });
  for (const Link& link : links) {
    const auto found =
        std::lower_bound(byUID.begin(), byUID.end(), link.predecessorUID,
                         [](const auto& entry, std::int32_t uid) { return entry.first < uid; });
    if (found == byUID.end() || found->first != link.predecessorUID) continue;
    if (found->second == link.successor) continue;
    msproject::Task& successor = storage[link.successor];
    msproject::Task& predecessor = storage[found->second];
    successor.predecessors_.Append(&predecessor);
    predecessor.successors_.Append(&successor);
  }
}

void PlanBuilder::FinishResources() {
  std::deque<msproject::Resource>& storage = project_.resourceRows_;
  SortRows(resourceRows_);
  project_.resources_.Reserve(resourceRows_.size());
  for (const Row& row : resourceRows_) {
    project_.resources_.Append(row.index < 0 ? nullptr
                                             : &storage[static_cast<std::size_t>(row.index)]);
  }
}

}  // namespace msproject

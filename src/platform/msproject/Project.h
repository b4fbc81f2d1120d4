#pragma once
// Stand-in for Microsoft Project's object model: the application with its active project, the
// project's tasks, resources and inserted projects. Plans are read from Microsoft Project's own
// files (.mpp), its exchange formats (.mpx, MSPDI XML) through one builder (PlanBuilder.h).
// Member names follow the object model; a property reads as `X()` and, where the object model
// lets it be written, is written as `X(value)`.
//
// Collections enumerate in table order (by ID). A blank row of the task or resource table is
// enumerated as nullptr: an element without a task or resource. The task and the resource
// with ID 0 are not rows.
//
// Everything that the real object model refuses throws msproject::Error (a vb::Error).

#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/vb/Error.h"

namespace msproject {

class Error : public vb::Error {
 public:
  using vb::Error::Error;
};

// Error numbers of the host.
inline constexpr std::int32_t kErrFileOpen = 1004;         // a plan could not be read
inline constexpr std::int32_t kErrNotAvailable = 1100;     // e.g. no active project
inline constexpr std::int32_t kErrArgumentInvalid = 1101;  // e.g. an unknown field identifier

// A point in time as the plan stores it (local time, no zone).
using DateTime = std::chrono::sys_seconds;

// Field identifiers of the task table that GetField knows besides the custom text fields.
inline constexpr std::int32_t pjTaskName = 188743694;
inline constexpr std::int32_t pjTaskWBS = 188743696;
inline constexpr std::int32_t pjTaskUniqueID = 188743766;
inline constexpr std::int32_t pjTaskStart = 188743715;
inline constexpr std::int32_t pjTaskFinish = 188743716;
inline constexpr std::int32_t pjTaskDuration = 188743709;

class Project;
class Task;

// A list of tasks or resources. Blank rows are nullptr.
template <class T>
class Collection {
 public:
  using const_iterator = typename std::vector<T*>::const_iterator;
  std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
  // 1-based, as the object model counts; throws for an index outside 1 … Count.
  T* Item(std::int32_t index) const {
    if (index < 1 || index > Count()) {
      throw Error(kErrArgumentInvalid,
                  "Der Index " + std::to_string(index) + " liegt außerhalb des gültigen Bereichs.");
    }
    return items_[static_cast<std::size_t>(index - 1)];
  }
  const_iterator begin() const { return items_.begin(); }
  const_iterator end() const { return items_.end(); }

  // For the reader that builds the collection.
  void Append(T* item) { items_.push_back(item); }
  void Reserve(std::size_t count) { items_.reserve(count); }

 private:
  std::vector<T*> items_;
};

using Tasks = Collection<Task>;

class Task {
 public:
  // The text of a field as the German host shows it: name, WBS code, unique ID, start and
  // finish ("Do 18.10.18"), duration ("5 Tage", "3 Tage?"), Text1 … Text30,
  // Enterprise-Text1 … Enterprise-Text40 and the custom durations Duration1 … Duration10.
  // A known field without a value gives "". Any other identifier, -1 included, throws.
  std::string GetField(std::int32_t fieldId) const;
  // Writes a custom text field (Text1 … Text30, Enterprise-Text1 … Enterprise-Text40); ""
  // clears it. The plan changes in memory (Project::Saved turns false) until it is saved.
  // Throws for any other field, for a task of an inserted project (it belongs to another
  // file), for a text longer than 255 characters and for a text with control characters or
  // bytes that are no UTF-8.
  void SetField(std::int32_t fieldId, const std::string& strValue);

  const std::string& Name() const { return strName_; }
  const std::string& WBS() const { return strWBS_; }
  std::int32_t ID() const { return lngID_; }
  std::int32_t UniqueID() const { return lngUniqueID_; }
  // Start and finish; a task without the date throws.
  DateTime Start() const;
  DateTime Finish() const;
  // The duration in minutes.
  std::int64_t Duration() const { return lngDurationMinutes_; }
  bool Summary() const { return blnSummary_; }
  bool Milestone() const { return blnMilestone_; }
  // True when the duration is an estimate (shown with "?").
  bool Estimated() const { return blnEstimated_; }
  std::int32_t OutlineLevel() const { return lngOutlineLevel_; }
  // Path of the inserted project this task stands for; "" for an ordinary task.
  const std::string& Subproject() const { return strSubproject_; }
  const Tasks& PredecessorTasks() const { return predecessors_; }
  const Tasks& SuccessorTasks() const { return successors_; }
  // The project whose task table holds this task.
  const msproject::Project& Project() const { return *project_; }

 private:
  friend class PlanBuilder;
  friend class MspdiWriter;
  msproject::Project* project_ = nullptr;
  std::string strName_;
  std::string strWBS_;
  std::int32_t lngID_ = 0;
  std::int32_t lngUniqueID_ = 0;
  std::optional<DateTime> start_;
  std::optional<DateTime> finish_;
  std::int64_t lngDurationMinutes_ = 0;
  std::string strDurationText_;
  // The duration as the file stored it (minutes and format code), for a plan written anew.
  std::optional<double> dblDurationMinutes_;
  std::int32_t lngDurationFormat_ = 21;
  bool blnSummary_ = false;
  bool blnMilestone_ = false;
  bool blnEstimated_ = false;
  std::int32_t lngOutlineLevel_ = 0;
  std::string strSubproject_;
  Tasks predecessors_;
  Tasks successors_;
  // Custom fields by field identifier, as text; few per task, so a flat list.
  std::vector<std::pair<std::int32_t, std::string>> extendedAttributes_;
  // The custom durations as the file stored them: field, minutes, format code.
  struct StoredDuration {
    std::int32_t fieldId;
    double dblMinutes;
    std::int32_t lngFormat;
  };
  std::vector<StoredDuration> storedDurations_;
};

class Resource {
 public:
  const std::string& Name() const { return strName_; }
  const std::string& Group() const { return strGroup_; }
  // Changes the plan in memory only; the file is not written.
  void Group(std::string strGroup) { strGroup_ = std::move(strGroup); }
  std::int32_t ID() const { return lngID_; }
  std::int32_t UniqueID() const { return lngUniqueID_; }

 private:
  friend class PlanBuilder;
  std::string strName_;
  std::string strGroup_;
  std::int32_t lngID_ = 0;
  std::int32_t lngUniqueID_ = 0;
};

using Resources = Collection<Resource>;

// An inserted project that could not be read, and why.
struct UnreadSubproject {
  enum class Reason {
    NotFound,     // no file where it was looked for
    NotReadable,  // a file that could not be opened or read, or no file at all
    NotAPlan,     // a file of no format the host reads
    Faulty,       // a plan that could not be read: its own message (strProblem)
  };
  Reason reason = Reason::NotFound;
  std::string strStoredPath;   // as the inserting plan stores it
  std::string strPath;         // the file looked for (the one that failed, when one was found)
  std::string strProblem;      // what went wrong, in German ("Zeile 4: …"), or why it is refused
  std::string strProject;      // the file name of the inserting plan
  std::int32_t lngTaskID = 0;  // the task row that stands for it
  std::string strTaskName;
};

// An inserted project: a task row that stands for another plan.
class Subproject {
 public:
  // The inserted project; throws when its file could not be read.
  Project& SourceProject() const;
  // The task row that stands for it in the parent plan.
  const Task& InsertedProjectSummary() const { return *task_; }

 private:
  friend class PlanBuilder;
  const Task* task_ = nullptr;
  Project* source_ = nullptr;
};

class Project {
 public:
  Project() = default;
  Project(const Project&) = delete;
  Project& operator=(const Project&) = delete;

  // The plan's file name ("Plan.xml"), its folder, and both together.
  const std::string& Name() const { return strName_; }
  const std::string& Path() const { return strPath_; }
  std::string FullName() const;
  // The title the plan was given in its properties; "" when it has none.
  const std::string& Title() const { return strTitle_; }

  // The name the plan gives a custom task field (its alias, "Verantwortlich" for Text1);
  // "" for a field without one.
  std::string FieldAlias(std::int32_t fieldId) const;
  // Every alias, in the order of the field identifiers.
  const std::vector<std::pair<std::int32_t, std::string>>& FieldAliases() const {
    return fieldAliases_;
  }

  // The inserted projects that could not be read while this plan was opened, its own and
  // those of the projects inserted into it, in the order of the plan (depth first). Empty for
  // a project that was read as an inserted project itself.
  const std::vector<UnreadSubproject>& UnreadSubprojects() const { return unreadSubprojects_; }

  const msproject::Tasks& Tasks() const { return tasks_; }
  const msproject::Resources& Resources() const { return resources_; }
  const std::vector<Subproject>& Subprojects() const { return subprojects_; }

  // Conversion settings of the plan, used to show durations.
  std::int32_t MinutesPerDay() const { return lngMinutesPerDay_; }
  std::int32_t MinutesPerWeek() const { return lngMinutesPerWeek_; }
  std::int32_t DaysPerMonth() const { return lngDaysPerMonth_; }
  // The unit in which durations without a format of their own are shown (MSPDI code, 7 days).
  std::int32_t DurationFormat() const { return lngDurationFormat_; }

  // False while the plan has changes that are not saved (Task::SetField).
  bool Saved() const { return lngRevision_ == lngSavedRevision_; }
  // Counts every change of the plan in memory, so that a window can tell that it changed.
  std::uint64_t Revision() const { return lngRevision_; }
  // True for a project read as a project inserted into the plan that was opened; its tasks
  // are not edited through the plan.
  bool Inserted() const { return blnInserted_; }
  // True when the plan was read from Microsoft Project XML (MSPDI): its file's bytes are
  // kept, and saving changes only what was edited (PlanXml.h).
  bool ReadFromXml() const { return blnReadFromXml_; }

 private:
  friend class PlanBuilder;
  friend class MspdiWriter;
  friend class Task;
  std::string strName_;
  std::string strPath_;
  std::string strTitle_;
  msproject::Tasks tasks_;
  msproject::Resources resources_;
  std::vector<Subproject> subprojects_;
  std::int32_t lngMinutesPerDay_ = 480;
  std::int32_t lngMinutesPerWeek_ = 2400;
  std::int32_t lngDaysPerMonth_ = 20;
  std::int32_t lngDurationFormat_ = 7;
  std::vector<std::pair<std::int32_t, std::string>> fieldAliases_;  // by field identifier
  std::vector<UnreadSubproject> unreadSubprojects_;
  bool blnInserted_ = false;
  bool blnReadFromXml_ = false;
  std::uint64_t lngRevision_ = 0;
  std::uint64_t lngSavedRevision_ = 0;
  // The MSPDI text the next save starts from: the file as read, or as last saved; "" for a
  // plan read from another format and not saved yet.
  std::string strSourceXml_;
  // The task fields edited since then, in the order of their first edit.
  std::vector<std::pair<const Task*, std::int32_t>> edits_;
  // Storage of the rows; the collections above point into it (a deque keeps them in place).
  std::deque<Task> taskRows_;
  std::deque<Resource> resourceRows_;
};

}  // namespace msproject

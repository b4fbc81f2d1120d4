#pragma once
// The one way into a Project for the readers of every file format: a reader hands over the
// plan's settings, its task and resource rows in any order and the links between tasks; the
// builder puts the rows into table order (by ID), shows durations as the host does, links
// predecessors and successors and lists the inserted projects. No reader touches the members
// of the object model itself.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/msproject/Display.h"
#include "platform/msproject/Project.h"

namespace msproject {

class PlanBuilder {
 public:
  // Fills a new project read from the file strName in the folder strPath.
  PlanBuilder(Project& project, std::string strName, std::string strPath);
  PlanBuilder(const PlanBuilder&) = delete;
  PlanBuilder& operator=(const PlanBuilder&) = delete;

  // The file name of the plan being read ("Plan.mpp"), for the messages of a reader.
  const std::string& FileName() const { return project_.strName_; }

  void Title(std::string strTitle) { project_.strTitle_ = std::move(strTitle); }
  // Whether a title is the file's own name without its extension. Microsoft Project gives a
  // plan the name it is first saved under as its title when the user gave none, and writes no
  // such title into its XML; a reader leaves it out as well.
  bool NamedLikeTheFile(std::string_view strTitle) const;
  // How the plan converts durations; used for every duration when the rows are finished.
  void Settings(const DurationSettings& settings);
  // The alias of a custom task field; a later one for the same field replaces it.
  void FieldAlias(std::int32_t fieldId, std::string strAlias);
  // The bytes of a plan read from Microsoft Project XML, kept so that a save changes nothing
  // but what was edited.
  void SourceXml(std::string bytes) {
    project_.strSourceXml_ = std::move(bytes);
    project_.blnReadFromXml_ = true;
  }

  // A task row being filled. The handle stays valid until Finish().
  class TaskRow {
   public:
    TaskRow& UniqueID(std::int32_t lngValue);
    TaskRow& Name(std::string strValue);
    TaskRow& WBS(std::string strValue);
    TaskRow& OutlineLevel(std::int32_t lngValue);
    TaskRow& Start(std::optional<DateTime> value);
    TaskRow& Finish(std::optional<DateTime> value);
    // The duration in minutes, if the task has one, and its format code (3 minutes … 12
    // elapsed months, 21 none, 32 added for an estimate); shown as the host shows it when the
    // rows are finished.
    TaskRow& Duration(std::optional<double> dblMinutes, std::int32_t lngFormat);
    TaskRow& Estimated(bool blnValue);
    TaskRow& Summary(bool blnValue);
    TaskRow& Milestone(bool blnValue);
    // The stored path of the project this row inserts; "" for an ordinary task.
    TaskRow& Subproject(std::string strPath);
    // A custom text field (Text1 … Text30, Enterprise-Text1 … 40) by field identifier.
    TaskRow& Text(std::int32_t fieldId, std::string strValue);
    // A custom duration field (Duration1 … Duration10), shown like the task's duration.
    TaskRow& CustomDuration(std::int32_t fieldId, double dblMinutes, std::int32_t lngFormat);
    // A predecessor by its unique ID, in the order the plan lists them.
    TaskRow& Predecessor(std::int32_t lngUniqueID);

   private:
    friend class PlanBuilder;
    TaskRow(PlanBuilder& builder, msproject::Task& task, std::ptrdiff_t index)
        : builder_(&builder), task_(&task), index_(index) {}
    PlanBuilder* builder_;
    msproject::Task* task_;
    std::ptrdiff_t index_;  // place in the task storage; -1 for the project summary task
  };

  class ResourceRow {
   public:
    ResourceRow& UniqueID(std::int32_t lngValue);
    ResourceRow& Name(std::string strValue);
    ResourceRow& Group(std::string strValue);

   private:
    friend class PlanBuilder;
    explicit ResourceRow(msproject::Resource& resource) : resource_(&resource) {}
    msproject::Resource* resource_;
  };

  // A row of the task table with its ID (the row number). The project summary task (ID 0) is
  // no row: its values are taken and dropped.
  TaskRow AddTask(std::int32_t lngID);
  // A blank row of the task table.
  void AddBlankTask(std::int32_t lngID);
  // A row of the resource table; the host's own placeholder (ID 0) is no row.
  ResourceRow AddResource(std::int32_t lngID);
  void AddBlankResource(std::int32_t lngID);
  // A link between two tasks by their unique IDs, for formats that keep links apart from the
  // tasks; in the order of the file.
  void AddLink(std::int32_t lngPredecessorUID, std::int32_t lngSuccessorUID);

  // Sorts the rows into table order, shows the durations, links the tasks and lists the
  // inserted projects. Called once, after the last row.
  void Finish();

  // For the host once the plans are read: the project that an inserted project stands for,
  // and the inserted projects that could not be read.
  static void SetSource(msproject::Subproject& subproject, Project& source) {
    subproject.source_ = &source;
  }
  static void RecordUnread(Project& plan, std::vector<UnreadSubproject> unread) {
    plan.unreadSubprojects_ = std::move(unread);
  }
  static void MarkInserted(Project& project) { project.blnInserted_ = true; }
  static std::vector<msproject::Subproject>& Subprojects(Project& project) {
    return project.subprojects_;
  }

 private:
  struct Row {
    std::int32_t id;
    std::ptrdiff_t index;  // place in the row storage; -1 for a blank row
  };
  // What a task row is shown with once the plan's settings are known.
  struct PendingTask {
    std::optional<double> dblMinutes;
    std::int32_t lngFormat = 21;
    bool blnEstimated = false;
    std::vector<std::pair<std::int32_t, std::pair<double, std::int32_t>>> customDurations;
  };
  struct Link {
    std::size_t successor;  // place in the task storage
    std::int32_t predecessorUID;
  };
  struct LinkByUID {
    std::int32_t predecessorUID;
    std::int32_t successorUID;
  };

  void FinishTasks();
  void FinishResources();
  void ResolveLinks(std::vector<Link>& links);

  Project& project_;
  DurationSettings settings_;
  msproject::Task summaryRow_;               // the project summary task, never a row
  msproject::Resource placeholderResource_;  // the host's resource of ID 0, never a row
  std::vector<Row> taskRows_;
  std::vector<Row> resourceRows_;
  std::vector<PendingTask> pending_;  // per task in the storage
  std::vector<Link> links_;
  std::vector<LinkByUID> linksByUID_;
};

}  // namespace msproject

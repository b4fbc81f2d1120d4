// Building one project from the parsed document of its plan: its settings, its task and
// resource tables in table order, the links between its tasks and its inserted projects.

#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <deque>
#include <pugixml.hpp>
#include <system_error>

#include "platform/msproject/Display.h"
#include "platform/msproject/Fields.h"
#include "platform/msproject/Reader.h"
#include "platform/msproject/ReaderDetail.h"

namespace msproject {

namespace {

// A value quoted in a message: shortened, never cut inside a UTF-8 sequence.
std::string Quote(std::string_view value) {
  constexpr std::size_t kMax = 40;
  if (value.size() <= kMax) return fmt::format("„{}“", value);
  std::size_t cut = kMax;
  while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80) --cut;
  return fmt::format("„{}…“", value.substr(0, cut));
}

}  // namespace

// Builds one project from its parsed document.
class Reader::Builder {
 public:
  explicit Builder(Project& project) : project_(project) {}

  void Build(pugi::xml_node root) {
    pugi::xml_node tasks;
    pugi::xml_node resources;
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
      const std::string_view name = child.name();
      if (name == "MinutesPerDay") {
        project_.lngMinutesPerDay_ = Int(child);
      } else if (name == "MinutesPerWeek") {
        project_.lngMinutesPerWeek_ = Int(child);
      } else if (name == "DaysPerMonth") {
        project_.lngDaysPerMonth_ = Int(child);
      } else if (name == "DurationFormat") {
        project_.lngDurationFormat_ = Int(child);
      } else if (name == "Tasks") {
        tasks = child;
      } else if (name == "Resources") {
        resources = child;
      }
    }
    settings_ = DurationSettings{project_.lngMinutesPerDay_, project_.lngMinutesPerWeek_,
                                 project_.lngDaysPerMonth_, project_.lngDurationFormat_};
    if (tasks) BuildTasks(tasks);
    if (resources) BuildResources(resources);
  }

 private:
  // A row of the task or resource table: its ID and its place in the row storage, or none
  // for a blank row.
  struct Row {
    std::int32_t id;
    std::ptrdiff_t index;
  };
  struct Link {
    std::size_t successor;  // place in the task storage
    std::int32_t predecessorUID;
  };

  static void SortRows(std::vector<Row>& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.id < b.id; });
  }

  [[noreturn]] static void Fail(pugi::xml_node node, std::string strWhat) {
    throw Failure{std::move(strWhat), node.offset_debug()};
  }

  static std::int64_t Integer(pugi::xml_node node, std::int64_t min, std::int64_t max) {
    const std::string_view text = TrimBlanks(node.child_value());
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || value < min ||
        value > max) {
      Fail(node,
           fmt::format("{} im Element „{}“ ist keine gültige Zahl.", Quote(text), node.name()));
    }
    return value;
  }

  static std::int32_t Int(pugi::xml_node node) {
    return static_cast<std::int32_t>(Integer(node, INT32_MIN, INT32_MAX));
  }

  static bool Bool(pugi::xml_node node) {
    const std::string_view text = TrimBlanks(node.child_value());
    if (text == "1" || text == "true") return true;
    if (text == "0" || text == "false") return false;
    Fail(node, fmt::format("{} im Element „{}“ ist kein gültiger Wahrheitswert (0 oder 1).",
                           Quote(text), node.name()));
  }

  static std::optional<DateTime> Date(pugi::xml_node node) {
    const std::string_view text = TrimBlanks(node.child_value());
    if (text.empty()) return std::nullopt;
    const auto value = ParseDateTime(text);
    if (!value) {
      Fail(node,
           fmt::format("{} im Element „{}“ ist kein gültiges Datum.", Quote(text), node.name()));
    }
    return value;
  }

  static std::optional<double> Minutes(pugi::xml_node node) {
    const std::string_view text = TrimBlanks(node.child_value());
    if (text.empty()) return std::nullopt;
    const auto value = ParseDurationMinutes(text);
    if (!value) {
      Fail(node,
           fmt::format("{} im Element „{}“ ist keine gültige Dauer.", Quote(text), node.name()));
    }
    return value;
  }

  void ReadExtendedAttribute(pugi::xml_node node, Task& task) const {
    std::optional<std::int32_t> fieldId;
    pugi::xml_node value;
    std::int32_t format = 21;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
      const std::string_view name = child.name();
      if (name == "FieldID") {
        fieldId = Int(child);
      } else if (name == "Value") {
        value = child;
      } else if (name == "DurationFormat") {
        format = Int(child);
      }
    }
    if (!fieldId || !value) return;
    if (IsCustomTextField(*fieldId)) {
      task.extendedAttributes_.emplace_back(*fieldId, value.child_value());
    } else if (IsCustomDurationField(*fieldId)) {
      if (const auto minutes = Minutes(value)) {
        task.extendedAttributes_.emplace_back(*fieldId, DurationText(*minutes, format, settings_));
      }
    }
  }

  static void ReadLink(pugi::xml_node node, std::size_t successor, std::vector<Link>& links) {
    std::optional<std::int32_t> uid;
    bool blnCrossProject = false;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
      const std::string_view name = child.name();
      if (name == "PredecessorUID") {
        uid = Int(child);
      } else if (name == "CrossProject") {
        blnCrossProject = Bool(child);
      }
    }
    // A link into another plan names a task of that plan, not of this one.
    if (uid && !blnCrossProject) links.push_back(Link{successor, *uid});
  }

  void BuildTasks(pugi::xml_node parent) {
    std::vector<Row> rows;
    std::vector<Link> links;
    std::deque<Task>& storage = project_.taskRows_;
    for (pugi::xml_node node = parent.first_child(); node; node = node.next_sibling()) {
      if (std::string_view(node.name()) != "Task") continue;
      Task task;
      task.project_ = &project_;
      bool blnHasId = false;
      bool blnNull = false;
      bool blnIsSubproject = false;
      bool blnEstimated = false;
      std::int32_t format = 21;
      std::optional<double> minutes;
      const std::size_t firstLink = links.size();
      for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        const std::string_view name = child.name();
        if (name == "UID") {
          task.lngUniqueID_ = Int(child);
        } else if (name == "ID") {
          task.lngID_ = static_cast<std::int32_t>(Integer(child, 0, INT32_MAX));
          blnHasId = true;
        } else if (name == "Name") {
          task.strName_ = child.child_value();
        } else if (name == "WBS") {
          task.strWBS_ = child.child_value();
        } else if (name == "OutlineLevel") {
          task.lngOutlineLevel_ = Int(child);
        } else if (name == "IsNull") {
          blnNull = Bool(child);
        } else if (name == "Summary") {
          task.blnSummary_ = Bool(child);
        } else if (name == "Milestone") {
          task.blnMilestone_ = Bool(child);
        } else if (name == "Start") {
          task.start_ = Date(child);
        } else if (name == "Finish") {
          task.finish_ = Date(child);
        } else if (name == "Duration") {
          minutes = Minutes(child);
        } else if (name == "DurationFormat") {
          format = Int(child);
        } else if (name == "Estimated") {
          blnEstimated = Bool(child);
        } else if (name == "IsSubproject") {
          blnIsSubproject = Bool(child);
        } else if (name == "SubprojectName") {
          task.strSubproject_ = child.child_value();
        } else if (name == "PredecessorLink") {
          ReadLink(child, storage.size(), links);
        } else if (name == "ExtendedAttribute") {
          ReadExtendedAttribute(child, task);
        }
      }
      if (!blnHasId) Fail(node, "Beim Vorgang fehlt das Element „ID“.");
      if (!blnIsSubproject) task.strSubproject_.clear();
      task.blnEstimated_ = blnEstimated || IsEstimatedFormat(format);
      if (minutes) {
        task.lngDurationMinutes_ = std::llround(*minutes);
        task.strDurationText_ = DurationText(*minutes, format, settings_, task.blnEstimated_);
      }
      if (task.lngID_ == 0 || blnNull) {
        // Neither the project summary task (ID 0) nor a blank row has links of its own.
        links.resize(firstLink);
        if (task.lngID_ != 0) rows.push_back(Row{task.lngID_, -1});
        continue;
      }
      rows.push_back(Row{task.lngID_, static_cast<std::ptrdiff_t>(storage.size())});
      storage.push_back(std::move(task));
    }

    SortRows(rows);
    project_.tasks_.Reserve(rows.size());
    for (const Row& row : rows) {
      Task* task = row.index < 0 ? nullptr : &storage[static_cast<std::size_t>(row.index)];
      project_.tasks_.Append(task);
      if (task && !task->strSubproject_.empty()) {
        Subproject subproject;
        subproject.task_ = task;
        project_.subprojects_.push_back(subproject);
      }
    }
    ResolveLinks(rows, links);
  }

  // Predecessors in the order of the links in the file, successors in table order.
  void ResolveLinks(const std::vector<Row>& rows, std::vector<Link>& links) {
    if (links.empty()) return;
    std::deque<Task>& storage = project_.taskRows_;
    std::vector<std::size_t> tablePosition(storage.size());
    std::vector<std::pair<std::int32_t, std::size_t>> byUID;  // unique ID, place in storage
    byUID.reserve(storage.size());
    for (std::size_t position = 0; position < rows.size(); ++position) {
      if (rows[position].index < 0) continue;
      const auto index = static_cast<std::size_t>(rows[position].index);
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
      Task& successor = storage[link.successor];
      Task& predecessor = storage[found->second];
      successor.predecessors_.Append(&predecessor);
      predecessor.successors_.Append(&successor);
    }
  }

  void BuildResources(pugi::xml_node parent) {
    std::vector<Row> rows;
    std::deque<Resource>& storage = project_.resourceRows_;
    for (pugi::xml_node node = parent.first_child(); node; node = node.next_sibling()) {
      if (std::string_view(node.name()) != "Resource") continue;
      Resource resource;
      bool blnHasId = false;
      bool blnNull = false;
      for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        const std::string_view name = child.name();
        if (name == "UID") {
          resource.lngUniqueID_ = Int(child);
        } else if (name == "ID") {
          resource.lngID_ = static_cast<std::int32_t>(Integer(child, 0, INT32_MAX));
          blnHasId = true;
        } else if (name == "Name") {
          resource.strName_ = child.child_value();
        } else if (name == "Group") {
          resource.strGroup_ = child.child_value();
        } else if (name == "IsNull") {
          blnNull = Bool(child);
        }
      }
      if (!blnHasId) Fail(node, "Bei der Ressource fehlt das Element „ID“.");
      if (resource.lngID_ == 0) continue;  // the host's own placeholder, not a row
      if (blnNull) {
        rows.push_back(Row{resource.lngID_, -1});
        continue;
      }
      rows.push_back(Row{resource.lngID_, static_cast<std::ptrdiff_t>(storage.size())});
      storage.push_back(std::move(resource));
    }
    SortRows(rows);
    project_.resources_.Reserve(rows.size());
    for (const Row& row : rows) {
      project_.resources_.Append(row.index < 0 ? nullptr
                                               : &storage[static_cast<std::size_t>(row.index)]);
    }
  }

  Project& project_;
  DurationSettings settings_;
};

void Reader::BuildProject(Project& project, pugi::xml_node root) {
  Builder(project).Build(root);
}

}  // namespace msproject

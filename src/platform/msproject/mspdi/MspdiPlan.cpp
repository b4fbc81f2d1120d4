// The elements of an MSPDI plan handed to the builder: the plan's settings, title and field
// aliases, its task and resource tables and the links between its tasks.

#include <fmt/format.h>

#include <charconv>
#include <optional>
#include <pugixml.hpp>
#include <system_error>
#include <vector>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/Display.h"
#include "platform/msproject/Fields.h"
#include "platform/msproject/PlanBuilder.h"
#include "platform/msproject/QuotedValue.h"
#include "platform/msproject/mspdi/MspdiDetail.h"

namespace msproject::mspdi {

namespace {

[[noreturn]] void Fail(pugi::xml_node node, std::string strWhat) {
  throw Failure{std::move(strWhat), node.offset_debug()};
}

// The text of an element the host keeps. A character reference to half of a UTF-16 surrogate
// pair (&#xD800;) is no character: the parser writes it as the three bytes ED A0 80, which
// no reader of the chart would accept.
std::string Text(pugi::xml_node node) {
  const std::string_view text = node.child_value();
  for (std::size_t at = text.find('\xED'); at != std::string_view::npos;
       at = text.find('\xED', at + 1)) {
    if (at + 1 < text.size() && (static_cast<unsigned char>(text[at + 1]) & 0xE0) == 0xA0) {
      Fail(node, catalog::Format(_("Im Element „{}“ steht ein Zeichenverweis auf eine halbe "
                                   "UTF-16-Ersatzfolge (U+D800 … U+DFFF); das ist kein Zeichen."),
                                 node.name()));
    }
  }
  return std::string(text);
}

std::int64_t Integer(pugi::xml_node node, std::int64_t min, std::int64_t max) {
  const std::string_view text = TrimBlanks(node.child_value());
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || value < min ||
      value > max) {
    Fail(node, catalog::Format(_("{} im Element „{}“ ist keine gültige Zahl."), QuotedValue(text),
                               node.name()));
  }
  return value;
}

std::int32_t Int(pugi::xml_node node) {
  return static_cast<std::int32_t>(Integer(node, INT32_MIN, INT32_MAX));
}

std::int32_t Id(pugi::xml_node node) {
  return static_cast<std::int32_t>(Integer(node, 0, INT32_MAX));
}

bool Bool(pugi::xml_node node) {
  const std::string_view text = TrimBlanks(node.child_value());
  if (text == "1" || text == "true") return true;
  if (text == "0" || text == "false") return false;
  Fail(node, catalog::Format(_("{} im Element „{}“ ist kein gültiger Wahrheitswert (0 oder 1)."),
                             QuotedValue(text), node.name()));
}

std::optional<DateTime> Date(pugi::xml_node node) {
  const std::string_view text = TrimBlanks(node.child_value());
  if (text.empty()) return std::nullopt;
  const auto value = ParseDateTime(text);
  if (!value) {
    Fail(node, catalog::Format(_("{} im Element „{}“ ist kein gültiges Datum."), QuotedValue(text),
                               node.name()));
  }
  return value;
}

std::optional<double> Minutes(pugi::xml_node node) {
  const std::string_view text = TrimBlanks(node.child_value());
  if (text.empty()) return std::nullopt;
  const auto value = ParseDurationMinutes(text);
  if (!value) {
    Fail(node, catalog::Format(_("{} im Element „{}“ ist keine gültige Dauer."), QuotedValue(text),
                               node.name()));
  }
  return value;
}

// A task as the plan lists it; handed to the builder once its ID and kind are known.
struct TaskElement {
  std::optional<std::int32_t> id;
  std::int32_t uid = 0;
  std::string strName;
  std::string strWBS;
  std::int32_t outlineLevel = 0;
  bool blnNull = false;
  bool blnSummary = false;
  bool blnMilestone = false;
  bool blnEstimated = false;
  bool blnIsSubproject = false;
  std::string strSubproject;
  std::optional<DateTime> start;
  std::optional<DateTime> finish;
  std::optional<double> minutes;
  std::int32_t format = 21;
  std::vector<std::pair<std::int32_t, std::string>> texts;
  struct CustomDuration {
    std::int32_t fieldId;
    double minutes;
    std::int32_t format;
  };
  std::vector<CustomDuration> durations;
  std::vector<std::int32_t> predecessors;
};

void ReadExtendedAttribute(pugi::xml_node node, TaskElement& task) {
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
    task.texts.emplace_back(*fieldId, Text(value));
  } else if (IsCustomDurationField(*fieldId)) {
    if (const auto minutes = Minutes(value)) {
      task.durations.push_back(TaskElement::CustomDuration{*fieldId, *minutes, format});
    }
  }
}

void ReadLink(pugi::xml_node node, TaskElement& task) {
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
  if (uid && !blnCrossProject) task.predecessors.push_back(*uid);
}

void ReadTask(pugi::xml_node node, PlanBuilder& builder) {
  TaskElement task;
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    const std::string_view name = child.name();
    if (name == "UID") {
      task.uid = Int(child);
    } else if (name == "ID") {
      task.id = Id(child);
    } else if (name == "Name") {
      task.strName = Text(child);
    } else if (name == "WBS") {
      task.strWBS = Text(child);
    } else if (name == "OutlineLevel") {
      task.outlineLevel = Int(child);
    } else if (name == "IsNull") {
      task.blnNull = Bool(child);
    } else if (name == "Summary") {
      task.blnSummary = Bool(child);
    } else if (name == "Milestone") {
      task.blnMilestone = Bool(child);
    } else if (name == "Start") {
      task.start = Date(child);
    } else if (name == "Finish") {
      task.finish = Date(child);
    } else if (name == "Duration") {
      task.minutes = Minutes(child);
    } else if (name == "DurationFormat") {
      task.format = Int(child);
    } else if (name == "Estimated") {
      task.blnEstimated = Bool(child);
    } else if (name == "IsSubproject") {
      task.blnIsSubproject = Bool(child);
    } else if (name == "SubprojectName") {
      task.strSubproject = Text(child);
    } else if (name == "PredecessorLink") {
      ReadLink(child, task);
    } else if (name == "ExtendedAttribute") {
      ReadExtendedAttribute(child, task);
    }
  }
  if (!task.id) Fail(node, _("Beim Vorgang fehlt das Element „ID“."));
  if (task.blnNull) {
    builder.AddBlankTask(*task.id);
    return;
  }
  PlanBuilder::TaskRow row = builder.AddTask(*task.id);
  row.UniqueID(task.uid)
      .Name(std::move(task.strName))
      .WBS(std::move(task.strWBS))
      .OutlineLevel(task.outlineLevel)
      .Summary(task.blnSummary)
      .Milestone(task.blnMilestone)
      .Start(task.start)
      .Finish(task.finish)
      .Estimated(task.blnEstimated);
  // The element alone does not make an inserted project.
  if (task.blnIsSubproject) row.Subproject(std::move(task.strSubproject));
  row.Duration(task.minutes, task.format);
  for (auto& [fieldId, strValue] : task.texts) row.Text(fieldId, std::move(strValue));
  for (const auto& duration : task.durations) {
    row.CustomDuration(duration.fieldId, duration.minutes, duration.format);
  }
  for (const std::int32_t uid : task.predecessors) row.Predecessor(uid);
}

void ReadResource(pugi::xml_node node, PlanBuilder& builder) {
  std::optional<std::int32_t> id;
  std::int32_t uid = 0;
  std::string strName;
  std::string strGroup;
  bool blnNull = false;
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    const std::string_view name = child.name();
    if (name == "UID") {
      uid = Int(child);
    } else if (name == "ID") {
      id = Id(child);
    } else if (name == "Name") {
      strName = Text(child);
    } else if (name == "Group") {
      strGroup = Text(child);
    } else if (name == "IsNull") {
      blnNull = Bool(child);
    }
  }
  if (!id) Fail(node, _("Bei der Ressource fehlt das Element „ID“."));
  if (blnNull) {
    builder.AddBlankResource(*id);
    return;
  }
  builder.AddResource(*id).UniqueID(uid).Name(std::move(strName)).Group(std::move(strGroup));
}

// The aliases of the custom fields, as the plan's ExtendedAttributes define them.
void ReadFieldDefinitions(pugi::xml_node parent, PlanBuilder& builder) {
  for (pugi::xml_node node = parent.first_child(); node; node = node.next_sibling()) {
    if (std::string_view(node.name()) != "ExtendedAttribute") continue;
    std::optional<std::int32_t> fieldId;
    pugi::xml_node alias;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
      const std::string_view name = child.name();
      if (name == "FieldID") {
        fieldId = Int(child);
      } else if (name == "Alias") {
        alias = child;
      }
    }
    if (fieldId && alias && IsTaskField(*fieldId)) {
      std::string strAlias = Text(alias);
      if (!strAlias.empty()) builder.FieldAlias(*fieldId, std::move(strAlias));
    }
  }
}

}  // namespace

void BuildPlan(pugi::xml_node root, PlanBuilder& builder) {
  DurationSettings settings;
  pugi::xml_node tasks;
  pugi::xml_node resources;
  for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
    const std::string_view name = child.name();
    if (name == "Title") {
      builder.Title(Text(child));
    } else if (name == "MinutesPerDay") {
      settings.lngMinutesPerDay = Int(child);
    } else if (name == "MinutesPerWeek") {
      settings.lngMinutesPerWeek = Int(child);
    } else if (name == "DaysPerMonth") {
      settings.lngDaysPerMonth = Int(child);
    } else if (name == "DurationFormat") {
      settings.lngDefaultFormat = Int(child);
    } else if (name == "ExtendedAttributes") {
      ReadFieldDefinitions(child, builder);
    } else if (name == "Tasks") {
      tasks = child;
    } else if (name == "Resources") {
      resources = child;
    }
  }
  builder.Settings(settings);
  for (pugi::xml_node node = tasks.first_child(); node; node = node.next_sibling()) {
    if (std::string_view(node.name()) == "Task") ReadTask(node, builder);
  }
  for (pugi::xml_node node = resources.first_child(); node; node = node.next_sibling()) {
    if (std::string_view(node.name()) == "Resource") ReadResource(node, builder);
  }
}

}  // namespace msproject::mspdi

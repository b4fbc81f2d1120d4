#include "platform/msproject/mpx/MpxFormat.h"

#include <fmt/format.h>

#include <algorithm>
#include <map>
#include <set>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/Fields.h"
#include "platform/msproject/PlanBuilder.h"
#include "platform/msproject/QuotedValue.h"
#include "platform/msproject/TextEncoding.h"
#include "platform/msproject/mpx/MpxRecords.h"
#include "platform/msproject/mpx/MpxValues.h"

namespace msproject {

namespace {

using Kind = PlanReadFailure::Kind;
using mpx::Record;

// The codes of the fields of the task and resource tables that the host reads (records 61
// and 41), with their German names for a message.
enum TaskField : int {
  kTaskName = 1,
  kTaskWBS = 2,
  kTaskOutlineLevel = 3,
  kTaskText1 = 4,  // … Text10 at 13
  kTaskDuration = 40,
  kTaskDuration1 = 46,  // … Duration3 at 48
  kTaskStart = 50,
  kTaskFinish = 51,
  kTaskPredecessors = 70,
  kTaskUniqueIDPredecessors = 74,
  kTaskMilestone = 81,
  kTaskID = 90,
  kTaskSubprojectFile = 96,
  kTaskUniqueID = 98,
  kTaskSummary = 120,
};
enum ResourceField : int {
  kResourceName = 1,
  kResourceGroup = 3,
  kResourceID = 40,
  kResourceUniqueID = 49,
};

// Record 60 and 40 name the fields in words, in the language of the program that wrote the
// file; they stand in for 61 and 41 only where those are missing.
const std::map<std::string, int>& TaskFieldNames() {
  static const std::map<std::string, int> names{
      {"Name", kTaskName},
      {"WBS", kTaskWBS},
      {"PSP-Code", kTaskWBS},
      {"Outline Level", kTaskOutlineLevel},
      {"Gliederungsebene", kTaskOutlineLevel},
      {"Duration", kTaskDuration},
      {"Dauer", kTaskDuration},
      {"Start", kTaskStart},
      {"Anfang", kTaskStart},
      {"Finish", kTaskFinish},
      {"Ende", kTaskFinish},
      {"Predecessors", kTaskPredecessors},
      {"Vorgänger", kTaskPredecessors},
      {"Unique ID Predecessors", kTaskUniqueIDPredecessors},
      {"Einmalige Nr. für Vorgänger", kTaskUniqueIDPredecessors},
      {"Milestone", kTaskMilestone},
      {"Meilenstein", kTaskMilestone},
      {"ID", kTaskID},
      {"Nr.", kTaskID},
      {"Subproject File", kTaskSubprojectFile},
      {"Teilprojektdatei", kTaskSubprojectFile},
      {"Unique ID", kTaskUniqueID},
      {"Einmalige Nr.", kTaskUniqueID},
      {"Summary", kTaskSummary},
      {"Sammelvorgang", kTaskSummary},
      {"Text1", kTaskText1},
      {"Text2", kTaskText1 + 1},
      {"Text3", kTaskText1 + 2},
      {"Text4", kTaskText1 + 3},
      {"Text5", kTaskText1 + 4},
      {"Text6", kTaskText1 + 5},
      {"Text7", kTaskText1 + 6},
      {"Text8", kTaskText1 + 7},
      {"Text9", kTaskText1 + 8},
      {"Text10", kTaskText1 + 9},
      {"Duration1", kTaskDuration1},
      {"Duration2", kTaskDuration1 + 1},
      {"Duration3", kTaskDuration1 + 2},
      {"Dauer1", kTaskDuration1},
      {"Dauer2", kTaskDuration1 + 1},
      {"Dauer3", kTaskDuration1 + 2},
  };
  return names;
}

const std::map<std::string, int>& ResourceFieldNames() {
  static const std::map<std::string, int> names{
      {"Name", kResourceName},
      {"Group", kResourceGroup},
      {"Gruppe", kResourceGroup},
      {"ID", kResourceID},
      {"Nr.", kResourceID},
      {"Unique ID", kResourceUniqueID},
      {"Einmalige Nr.", kResourceUniqueID},
  };
  return names;
}

// The iconv name of the code page the header names, nothing for one the reader does not know.
std::optional<std::string> CodePage(const std::string& strName) {
  static const std::map<std::string, std::string> pages{{"ANSI", "WINDOWS-1252"},
                                                        {"1252", "WINDOWS-1252"},
                                                        {"MAC", "MACINTOSH"},
                                                        {"437", "CP437"},
                                                        {"850", "CP850"},
                                                        {"852", "CP852"},
                                                        {"860", "CP860"},
                                                        {"863", "CP863"},
                                                        {"865", "CP865"},
                                                        {"RU", "WINDOWS-1251"},
                                                        {"ZH", "GB2312"},
                                                        {"UTF8", ""},
                                                        {"UTF-8", ""}};
  const auto found = pages.find(strName);
  if (found == pages.end()) return std::nullopt;
  return found->second;
}

[[noreturn]] void Fail(const Record& record, std::string strWhat) {
  throw PlanReadFailure{Kind::Faulty, std::move(strWhat), record.lngLine, std::nullopt};
}

// The list of fields of a table: record 61 (41) by code, else record 60 (40) by name.
class FieldList {
 public:
  void FromCodes(const Record& record) {
    codes_.clear();
    for (std::size_t i = 1; i < record.fields.size(); ++i) {
      const auto code = mpx::ParseWhole(record.fields[i]);
      codes_.push_back(code ? static_cast<int>(*code) : -1);
    }
    blnByCode_ = true;
  }
  void FromNames(const Record& record, const std::map<std::string, int>& names) {
    if (blnByCode_) return;
    codes_.clear();
    for (std::size_t i = 1; i < record.fields.size(); ++i) {
      const auto found = names.find(record.fields[i]);
      codes_.push_back(found == names.end() ? -1 : found->second);
    }
  }
  bool Empty() const { return codes_.empty(); }
  // The field of a record with this code, nothing where the table has no such field.
  std::optional<std::string> Of(const Record& record, int code) const {
    for (std::size_t i = 0; i < codes_.size(); ++i) {
      if (codes_[i] == code) return record.Field(i + 1);
    }
    return std::nullopt;
  }

 private:
  std::vector<int> codes_;
  bool blnByCode_ = false;
};

struct PendingLink {
  std::int32_t successorUID;
  std::string strList;
  bool blnByID;
  std::int64_t lngLine;
};

class MpxPlan {
 public:
  explicit MpxPlan(PlanBuilder& builder) : builder_(builder) {}

  void Take(const Record& record) {
    const std::string_view number = record.Number();
    if (number == "10") {
      if (!record.Field(5).empty()) conventions_.chDecimal = record.Field(5).front();
    } else if (number == "11") {
      Defaults(record);
    } else if (number == "12") {
      DatesAndTimes(record);
    } else if (number == "30") {
      const std::string& strTitle = record.Field(1);
      if (!builder_.NamedLikeTheFile(strTitle)) builder_.Title(strTitle);
    } else if (number == "40") {
      resourceFields_.FromNames(record, ResourceFieldNames());
    } else if (number == "41") {
      resourceFields_.FromCodes(record);
    } else if (number == "50") {
      Resource(record);
    } else if (number == "60") {
      taskFields_.FromNames(record, TaskFieldNames());
    } else if (number == "61") {
      taskFields_.FromCodes(record);
    } else if (number == "70") {
      Task(record);
    }
  }

  void Finish() {
    builder_.Settings(conventions_.durations);
    for (const PendingLink& link : links_) Link(link);
    // A row number that no record has is a blank row of the table.
    FillBlankRows(taskIDs_, [&](std::int32_t id) { builder_.AddBlankTask(id); });
    FillBlankRows(resourceIDs_, [&](std::int32_t id) { builder_.AddBlankResource(id); });
  }

 private:
  void Defaults(const Record& record) {
    static const std::int32_t kFormats[] = {3, 5, 7, 9, 11};
    if (const auto unit = mpx::ParseWhole(record.Field(1)); unit && *unit >= 0 && *unit < 5) {
      conventions_.durations.lngDefaultFormat = kFormats[*unit];
    }
    if (const auto hours = mpx::ParseNumber(record.Field(4), conventions_);
        hours && *hours > 0 && *hours <= 24) {
      conventions_.durations.lngMinutesPerDay = static_cast<std::int32_t>(*hours * 60);
    }
    if (const auto hours = mpx::ParseNumber(record.Field(5), conventions_);
        hours && *hours > 0 && *hours <= 168) {
      conventions_.durations.lngMinutesPerWeek = static_cast<std::int32_t>(*hours * 60);
    }
  }

  void DatesAndTimes(const Record& record) {
    if (const auto order = mpx::ParseWhole(record.Field(1)); order && *order >= 0 && *order <= 2) {
      conventions_.intDateOrder = static_cast<int>(*order);
    }
    if (const auto minutes = mpx::ParseWhole(record.Field(3));
        minutes && *minutes >= 0 && *minutes < 24 * 60) {
      conventions_.lngStartMinutes = static_cast<std::int32_t>(*minutes);
    }
    if (!record.Field(4).empty()) conventions_.chDateSeparator = record.Field(4).front();
    if (!record.Field(5).empty()) conventions_.chTimeSeparator = record.Field(5).front();
    conventions_.strAm = record.Field(6);
    conventions_.strPm = record.Field(7);
  }

  std::int32_t Number(const Record& record, const std::optional<std::string>& value,
                      const char* strField, std::int64_t min) const {
    if (!value || value->empty()) return 0;
    const auto number = mpx::ParseWhole(*value);
    if (!number || *number < min || *number > INT32_MAX) {
      Fail(record, catalog::Format(_("{} im Feld „{}“ ist keine gültige Zahl."),
                                   QuotedValue(*value), strField));
    }
    return static_cast<std::int32_t>(*number);
  }

  std::optional<DateTime> Date(const Record& record, const std::optional<std::string>& value,
                               const char* strField, std::int32_t lngDefaultMinutes) const {
    if (!value) return std::nullopt;
    const auto date = mpx::ParseDate(*value, conventions_, lngDefaultMinutes);
    if (!date) {
      Fail(record, catalog::Format(_("{} im Feld „{}“ ist kein gültiges Datum."),
                                   QuotedValue(*value), strField));
    }
    return *date;
  }

  std::optional<mpx::Duration> Duration(const Record& record,
                                        const std::optional<std::string>& value,
                                        const char* strField) const {
    if (!value || value->empty()) return std::nullopt;
    const auto duration = mpx::ParseDuration(*value, conventions_);
    if (!duration) {
      Fail(record, catalog::Format(_("{} im Feld „{}“ ist keine gültige Dauer."),
                                   QuotedValue(*value), strField));
    }
    return duration;
  }

  bool YesNo(const Record& record, const std::optional<std::string>& value,
             const char* strField) const {
    if (!value || value->empty()) return false;
    const auto flag = mpx::ParseYesNo(*value);
    if (!flag) {
      Fail(record, catalog::Format(_("{} im Feld „{}“ ist weder „Yes“ noch „No“."),
                                   QuotedValue(*value), strField));
    }
    return *flag;
  }

  void Task(const Record& record) {
    if (taskFields_.Empty()) {
      Fail(record, _("Vor dem ersten Vorgang fehlt die Liste seiner Felder (Satz 61)."));
    }
    const FieldList& fields = taskFields_;
    const auto idField = fields.Of(record, kTaskID);
    if (!idField || idField->empty()) Fail(record, _("Beim Vorgang fehlt die Nummer (Nr.)."));
    const std::int32_t id = Number(record, idField, "Nr.", 0);
    const auto uidField = fields.Of(record, kTaskUniqueID);
    const std::int32_t uid =
        uidField && !uidField->empty() ? Number(record, uidField, "Einmalige Nr.", 0) : id;
    // A date without a time: the task starts at the default start and ends a working day
    // and a lunch hour later.
    const std::int32_t lngStart = conventions_.lngStartMinutes;
    const std::int32_t lngEnd =
        std::min(24 * 60, lngStart + conventions_.durations.lngMinutesPerDay + 60);
    PlanBuilder::TaskRow row = builder_.AddTask(id);
    row.UniqueID(uid)
        .Name(fields.Of(record, kTaskName).value_or(""))
        .WBS(fields.Of(record, kTaskWBS).value_or(""))
        .OutlineLevel(Number(record, fields.Of(record, kTaskOutlineLevel), "Gliederungsebene", 0))
        .Start(Date(record, fields.Of(record, kTaskStart), "Anfang", lngStart))
        .Finish(Date(record, fields.Of(record, kTaskFinish), "Ende", lngEnd))
        .Milestone(YesNo(record, fields.Of(record, kTaskMilestone), "Meilenstein"))
        .Summary(YesNo(record, fields.Of(record, kTaskSummary), "Sammelvorgang"))
        .Subproject(fields.Of(record, kTaskSubprojectFile).value_or(""));
    if (const auto duration = Duration(record, fields.Of(record, kTaskDuration), "Dauer")) {
      row.Duration(duration->dblMinutes, duration->lngFormat).Estimated(duration->blnEstimated);
    }
    for (int n = 1; n <= 10; ++n) {
      const auto text = fields.Of(record, kTaskText1 + n - 1);
      if (text && !text->empty()) row.Text(TextFieldId(n), *text);
    }
    for (int n = 1; n <= 3; ++n) {
      const std::string strField = "Dauer" + std::to_string(n);
      if (const auto duration =
              Duration(record, fields.Of(record, kTaskDuration1 + n - 1), strField.c_str())) {
        row.CustomDuration(DurationFieldId(n), duration->dblMinutes, duration->lngFormat);
      }
    }
    if (id == 0) return;
    taskIDs_.insert(id);
    uidOfID_.emplace(id, uid);
    if (const auto list = fields.Of(record, kTaskUniqueIDPredecessors); list && !list->empty()) {
      links_.push_back(PendingLink{uid, *list, false, record.lngLine});
    } else if (const auto byID = fields.Of(record, kTaskPredecessors); byID && !byID->empty()) {
      links_.push_back(PendingLink{uid, *byID, true, record.lngLine});
    }
  }

  void Resource(const Record& record) {
    if (resourceFields_.Empty()) {
      Fail(record, _("Vor der ersten Ressource fehlt die Liste ihrer Felder (Satz 41)."));
    }
    const FieldList& fields = resourceFields_;
    const auto idField = fields.Of(record, kResourceID);
    if (!idField || idField->empty()) Fail(record, _("Bei der Ressource fehlt die Nummer (Nr.)."));
    const std::int32_t id = Number(record, idField, "Nr.", 0);
    const auto uidField = fields.Of(record, kResourceUniqueID);
    const std::int32_t uid =
        uidField && !uidField->empty() ? Number(record, uidField, "Einmalige Nr.", 0) : id;
    builder_.AddResource(id)
        .UniqueID(uid)
        .Name(fields.Of(record, kResourceName).value_or(""))
        .Group(fields.Of(record, kResourceGroup).value_or(""));
    if (id != 0) resourceIDs_.insert(id);
  }

  // "3FS+2d,5" (or with the German "EA"): the task's number, the kind and the lag, which the
  // host does not need; the list is split by the file's delimiter.
  void Link(const PendingLink& link) {
    std::size_t at = 0;
    while (at <= link.strList.size()) {
      std::size_t end = link.strList.find(delimiter_, at);
      if (end == std::string::npos) end = link.strList.size();
      std::string_view item = std::string_view(link.strList).substr(at, end - at);
      while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
      std::size_t digits = 0;
      while (digits < item.size() && item[digits] >= '0' && item[digits] <= '9') ++digits;
      if (digits > 0) {
        const auto number = mpx::ParseWhole(item.substr(0, digits));
        if (number && *number <= INT32_MAX) {
          const auto value = static_cast<std::int32_t>(*number);
          if (!link.blnByID) {
            builder_.AddLink(value, link.successorUID);
          } else if (const auto found = uidOfID_.find(value); found != uidOfID_.end()) {
            builder_.AddLink(found->second, link.successorUID);
          }
        }
      } else if (!item.empty()) {
        throw PlanReadFailure{
            Kind::Faulty,
            catalog::Format(_("{} im Feld „Vorgänger“ nennt keinen Vorgang."), QuotedValue(item)),
            link.lngLine, std::nullopt};
      }
      at = end + 1;
    }
  }

  template <class Add>
  static void FillBlankRows(const std::set<std::int32_t>& ids, Add add) {
    std::int32_t expected = 1;
    for (const std::int32_t id : ids) {
      // A plan with a row number far beyond its rows is not filled up to it.
      if (id - expected > static_cast<std::int32_t>(ids.size())) break;
      for (; expected < id; ++expected) add(expected);
      expected = id + 1;
    }
  }

 public:
  mpx::Conventions conventions_;
  char delimiter_ = ',';

 private:
  PlanBuilder& builder_;
  FieldList taskFields_;
  FieldList resourceFields_;
  std::vector<PendingLink> links_;
  std::set<std::int32_t> taskIDs_;
  std::set<std::int32_t> resourceIDs_;
  std::map<std::int32_t, std::int32_t> uidOfID_;
};

}  // namespace

bool MpxFormat::Recognises(std::string_view head) const {
  if (head.starts_with("\xEF\xBB\xBF")) head.remove_prefix(3);
  return head.size() >= 4 && head.starts_with("MPX") && head[3] != '\r' && head[3] != '\n';
}

void MpxFormat::Read(std::string bytes, PlanBuilder& builder) const {
  std::string_view text(bytes);
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  const char chDelimiter = text[3];
  // The header names the code page of the rest; it is written in ASCII itself.
  mpx::Records header(text, chDelimiter);
  Record record;
  header.Next(record);
  const std::string strPage = record.Field(3);
  const std::optional<std::string> strIconv = CodePage(strPage.empty() ? "ANSI" : strPage);
  if (!strIconv) {
    throw PlanReadFailure{
        Kind::Faulty,
        catalog::Format(_("Die Zeichenkodierung {} der MPX-Datei wird nicht unterstützt."),
                        QuotedValue(strPage)),
        1, std::nullopt};
  }
  std::string strText;
  try {
    strText = TextAsUtf8(std::string(text), strIconv->c_str(), strPage);
  } catch (const TextEncodingError& error) {
    throw PlanReadFailure{Kind::Faulty, error.what(), error.Line(), error.Column()};
  }
  MpxPlan plan(builder);
  plan.delimiter_ = chDelimiter;
  mpx::Records records(strText, chDelimiter);
  records.Next(record);  // the header again
  while (records.Next(record)) plan.Take(record);
  plan.Finish();
}

}  // namespace msproject

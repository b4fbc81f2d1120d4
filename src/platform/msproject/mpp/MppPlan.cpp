// The plan of a .mpp: its settings and title, its task and resource tables from their fixed
// and varying values as the field maps place them, and the links between its tasks.

#include "platform/msproject/mpp/MppPlan.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <vector>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/Fields.h"
#include "platform/msproject/PlanBuilder.h"
#include "platform/msproject/mpp/Bytes.h"
#include "platform/msproject/mpp/Keys.h"
#include "platform/msproject/mpp/MppFile.h"

namespace msproject::mpp {

namespace {

// The first entries of the task table's FixedMeta are no tasks.
constexpr std::size_t kFirstTaskEntry = 3;
constexpr std::uint32_t kDeleted = 0x02;
constexpr std::uint16_t kEstimated = 0x20;
constexpr std::uint16_t kUnitsMask = 0x1F;
constexpr std::uint16_t kConstraintAsLateAsPossible = 1;
constexpr std::uint16_t kConstraintStartNoLaterThan = 5;
constexpr std::uint16_t kConstraintFinishNoLaterThan = 7;

using task::kActualDurationUnits;

std::optional<std::int32_t> ToInt(std::optional<std::uint16_t> value) {
  return value ? std::optional<std::int32_t>(*value) : std::nullopt;
}

// The field maps Project wrote before it kept them in the file: the places of the fields the
// host reads.
FieldMap DefaultTaskMap(int format) {
  FieldMap map;
  const auto fixed = [&](std::int32_t field, std::uint16_t offset, int block = 0) {
    map.Set(field, FieldPlace{FieldPlace::Kind::Fixed, block, offset, field});
  };
  const auto var = [&](std::int32_t field, std::int32_t key) {
    map.Set(field, FieldPlace{FieldPlace::Kind::Var, 0, 0, key});
  };
  fixed(task::kUniqueID, 0);
  fixed(task::kID, 4);
  fixed(task::kLateStart, 12);
  fixed(task::kOutlineLevel, 40);
  if (format == 14) {
    fixed(task::kDuration, 42);
    fixed(kActualDurationUnits, 46);
    fixed(task::kConstraintType, 56);
    fixed(task::kStart, 64);
    fixed(task::kFinish, 68);
    fixed(task::kCreated, 98);
    fixed(task::kLateFinish, 110);
    map.FixedSize(206);
  } else {
    fixed(task::kDurationUnits, 58);
    fixed(task::kDuration, 60);
    fixed(kActualDurationUnits, 64);
    fixed(task::kConstraintType, 80);
    fixed(task::kStart, 88);
    fixed(task::kFinish, 92);
    fixed(task::kCreated, 130);
    fixed(task::kLateFinish, 152);
    map.FixedSize(264);
  }
  if (format == 9) {
    var(task::kWBS, 10);
    var(task::kName, 11);
    for (int n = 1; n <= 30; ++n) {
      var(TextFieldId(n) - kTaskFieldBase, n <= 10 ? 13 + n : 79 + n);
    }
  } else {
    var(task::kDurationUnits, task::kDurationUnits);
    for (const std::int32_t field : {task::kName, task::kWBS}) var(field, field);
    for (int n = 1; n <= 30; ++n)
      var(TextFieldId(n) - kTaskFieldBase, TextFieldId(n) - kTaskFieldBase);
  }
  return map;
}

FieldMap DefaultResourceMap(int format) {
  FieldMap map;
  map.Set(resource::kUniqueID, FieldPlace{FieldPlace::Kind::Fixed, 0, 0, 0});
  map.Set(resource::kID, FieldPlace{FieldPlace::Kind::Fixed, 0, 4, 0});
  map.Set(resource::kName,
          FieldPlace{FieldPlace::Kind::Var, 0, 0, format == 9 ? 1 : resource::kName});
  map.Set(resource::kGroup,
          FieldPlace{FieldPlace::Kind::Var, 0, 0, format == 9 ? 4 : resource::kGroup});
  map.FixedSize(8);
  return map;
}

FieldMap MapOf(const Props& props, std::int32_t key, std::int32_t key2, int format,
               FieldMap (*fallback)(int)) {
  std::optional<std::string_view> entries = props.Value(key);
  if (!entries) entries = props.Value(key2);
  if (!entries) return fallback(format);
  return FieldMap(*entries, format != 9);
}

// One task as the file holds it; handed to the builder once the table is complete.
struct TaskRecord {
  std::int32_t id = 0;
  std::int32_t uniqueID = 0;
  bool blnBlank = false;
  bool blnHasVar = false;
  std::string strName;
  std::string strWBS;
  std::int32_t outlineLevel = 0;
  std::optional<DateTime> start;
  std::optional<DateTime> finish;
  std::optional<double> minutes;
  std::int32_t format = 21;
  bool blnEstimated = false;
  bool blnMilestone = false;
  std::string strSubproject;
  std::vector<std::pair<std::int32_t, std::string>> texts;
};

class TaskTable {
 public:
  TaskTable(const MppFile& file, const DurationSettings& settings)
      : file_(file), settings_(settings) {}

  std::vector<TaskRecord> Read(const std::map<std::int32_t, std::string>& subprojects) {
    const int format = file_.Format();
    map_ = MapOf(file_.ProjectProps(), kTaskFieldMap, kTaskFieldMap2, format, DefaultTaskMap);
    var_ = VarData(file_.Required("TBkndTask/VarMeta"), file_.Required("TBkndTask/Var2Data"),
                   "TBkndTask", format != 9);
    const FixedMeta meta(file_.Required("TBkndTask/FixedMeta"), "TBkndTask/FixedMeta", {47});
    // Project 2000–2003 keeps no second block; its rows are no longer than 768 bytes.
    const FixedData data(file_.Required("TBkndTask/FixedData"), "TBkndTask/FixedData", meta,
                         format == 9 ? 768 : 0);
    std::optional<FixedMeta> meta2;
    FixedData data2;
    if (format != 9) {
      const std::vector<std::size_t> sizes = format == 12
                                                 ? std::vector<std::size_t>{86}
                                                 : std::vector<std::size_t>{92, 93, 94, 95, 96};
      meta2.emplace(file_.Required("TBkndTask/Fixed2Meta"), "TBkndTask/Fixed2Meta", sizes,
                    data.Count());
      data2 = FixedData(file_.Required("TBkndTask/Fixed2Data"), "TBkndTask/Fixed2Data", *meta2);
    }

    std::vector<TaskRecord> records;
    std::map<std::int32_t, std::size_t> byID;  // ID → place in records
    for (const auto& [uniqueID, index] : Entries(meta, data, data2)) {
      if (!index) continue;  // deleted
      const std::string_view bytes = data.Item(*index);
      TaskRecord record;
      if (bytes.size() == NullBlockSize()) {
        record.blnBlank = true;
        record.id = Id(bytes);
      } else if (!Task(bytes, meta, meta2, data2, *index, uniqueID, subprojects, record)) {
        continue;
      }
      Keep(std::move(record), records, byID);
    }
    return records;
  }

 private:
  std::size_t NullBlockSize() const { return file_.Format() == 9 ? 8 : 16; }

  // A blank row's ID lies at byte 4: two bytes in Project 2000–2003, four later.
  std::int32_t Id(std::string_view bytes) const {
    return file_.Format() == 9 ? ToInt(U16(bytes, 4)).value_or(0) : I32(bytes, 4).value_or(0);
  }

  // The rows of the table by unique ID: the place of each row's values, or nothing for a task
  // that was deleted. Rows later in the block are the newer versions of a task.
  std::map<std::int32_t, std::optional<std::size_t>> Entries(const FixedMeta& meta,
                                                             const FixedData& data,
                                                             const FixedData& data2) const {
    const int format = file_.Format();
    const std::size_t fixedSize = map_.FixedSize();
    const FieldPlace uidPlace = map_.Place(task::kUniqueID);
    std::map<std::int32_t, std::optional<std::size_t>> entries;
    for (std::size_t index = meta.Count(); index-- > kFirstTaskEntry;) {
      const std::string_view bytes = data.Item(index);
      if (bytes.empty() || (format != 9 && data2.Item(index).empty())) continue;
      const std::uint32_t flags = U32(meta.Item(index), 0).value_or(0);
      if (flags & kDeleted) {
        // A deleted task keeps its unique ID (two bytes) so that no other row takes it.
        const std::int32_t uid = ToInt(U16(bytes, 0)).value_or(-1);
        if (format == 14) {
          entries.try_emplace(uid, std::nullopt);
        } else {
          entries[uid] = std::nullopt;
        }
        continue;
      }
      if (bytes.size() == NullBlockSize()) {
        entries.try_emplace(I32(bytes, 0).value_or(-1), index);
        continue;
      }
      // A row of less than three quarters of a task's values is no task.
      if (fixedSize != 0 && bytes.size() * 100 / fixedSize <= 75) continue;
      const auto uid = I32(bytes, uidPlace.offset);
      if (!uid) continue;
      const auto found = entries.find(*uid);
      if (found == entries.end()) {
        entries.emplace(*uid, index);
      } else if (var_.HasRow(*uid) && (flags & 0x04) == 0) {
        found->second = index;
      }
    }
    return entries;
  }

  bool Task(std::string_view bytes, const FixedMeta& meta, const std::optional<FixedMeta>& meta2,
            const FixedData& data2, std::size_t index, std::int32_t uniqueID,
            const std::map<std::int32_t, std::string>& subprojects, TaskRecord& record) const {
    const int format = file_.Format();
    std::string padded;
    if (bytes.size() < map_.FixedSize()) {
      // Project 2010 and later leave the last values of a row out when they are empty.
      if (format == 9 || (format == 12 && uniqueID != 0)) return false;
      padded.assign(bytes);
      padded.resize(map_.FixedSize() + 8, '\0');
      bytes = padded;
    }
    if (format == 9 && uniqueID != 0 && !var_.HasRow(uniqueID)) return false;
    const std::string_view metaBytes = meta.Item(index);
    const std::string_view metaBytes2 = meta2 ? meta2->Item(index) : std::string_view();
    const Row row(map_, bytes, data2.Item(index), var_, uniqueID);

    record.uniqueID = uniqueID;
    record.id = row.Int(task::kID).value_or(0);
    record.blnHasVar = var_.HasRow(uniqueID);
    record.strName = row.Text(task::kName);
    record.strWBS = row.Text(task::kWBS);
    record.outlineLevel = ToInt(row.Short(task::kOutlineLevel))
                              .value_or(ToInt(row.Short(task::kOutlineLevelOld)).value_or(0));
    record.start = row.Date(task::kStart);
    record.finish = row.Date(task::kFinish);
    const bool blnManual = Manual(metaBytes2);
    if (blnManual) {
      // A manually scheduled task shows its own dates and duration where it has them.
      if (const auto start = row.Date(task::kManualStart)) record.start = start;
      if (const auto finish = row.Date(task::kManualFinish)) record.finish = finish;
    }
    const std::int32_t durationField =
        blnManual && row.Has(task::kManualDuration) ? task::kManualDuration : task::kDuration;
    const std::int32_t unitsField =
        durationField == task::kManualDuration ? task::kManualDurationUnits : task::kDurationUnits;
    if (const auto tenths = row.Int(durationField); tenths && *tenths != -1) {
      record.minutes = *tenths / 10.0;
      const std::uint16_t units = row.Short(unitsField).value_or(0) & kUnitsMask;
      record.format = units >= 3 ? units : settings_.lngDefaultFormat;
    }
    record.blnEstimated = (row.Short(kActualDurationUnits).value_or(0) & kEstimated) != 0;
    record.blnMilestone = Milestone(metaBytes);
    AdjustToConstraint(row, record);
    for (int n = 1; n <= 30; ++n) Text(row, TextFieldId(n), record);
    for (int n = 1; n <= 40; ++n) Text(row, EnterpriseTextFieldId(n), record);
    if (const auto found = subprojects.find(uniqueID); found != subprojects.end()) {
      record.strSubproject = found->second;
    }
    // A row without a name and without its dates is a blank row that Project kept as a task.
    const auto none = [](const std::optional<DateTime>& date) { return !date.has_value(); };
    if (record.strName.empty() && (none(record.start) || none(record.finish) ||
                                   (format != 12 && none(row.Date(task::kCreated))))) {
      const std::int32_t id = I32(bytes, 4).value_or(record.id);
      record = TaskRecord();
      record.blnBlank = true;
      record.id = id;
    }
    return true;
  }

  void Text(const Row& row, std::int32_t fieldId, TaskRecord& record) const {
    std::string strValue = row.Text(fieldId - kTaskFieldBase);
    if (!strValue.empty()) record.texts.emplace_back(fieldId, std::move(strValue));
  }

  bool Milestone(std::string_view meta) const {
    if (file_.Format() == 14 && file_.Application() > 14) {
      return (U8(meta, 10).value_or(0) & 0x02) != 0;
    }
    return (U8(meta, 8).value_or(0) & 0x20) != 0;
  }

  bool Manual(std::string_view meta2) const {
    if (file_.Format() != 14) return false;
    const std::uint8_t bits = U8(meta2, 8).value_or(0);
    return (bits & (file_.Application() > 14 ? 0x80 : 0x08)) != 0;
  }

  // A task to start as late as possible is shown at its late dates; a task constrained not to
  // start or end later whose dates came out reversed ends at its late finish.
  static void AdjustToConstraint(const Row& row, TaskRecord& record) {
    const std::uint16_t constraint = row.Short(task::kConstraintType).value_or(0);
    const auto lateStart = row.Date(task::kLateStart);
    const auto lateFinish = row.Date(task::kLateFinish);
    if (constraint == kConstraintAsLateAsPossible) {
      if (record.start && lateStart && *record.start < *lateStart) record.start = lateStart;
      if (record.finish && lateFinish && *record.finish < *lateFinish) record.finish = lateFinish;
    } else if (constraint == kConstraintStartNoLaterThan ||
               constraint == kConstraintFinishNoLaterThan) {
      if (record.start && record.finish && *record.finish < *record.start) {
        record.finish = lateFinish;
      }
    }
  }

  // Two rows with one ID: a row without values of varying size is a phantom; of two rows
  // with values the one with a name stays.
  static void Keep(TaskRecord record, std::vector<TaskRecord>& records,
                   std::map<std::int32_t, std::size_t>& byID) {
    const auto found = byID.find(record.id);
    if (found != byID.end()) {
      TaskRecord& earlier = records[found->second];
      if (!record.blnBlank && !record.blnHasVar) return;
      if (!earlier.blnBlank && !earlier.strName.empty()) return;
      earlier = std::move(record);
      return;
    }
    byID.emplace(record.id, records.size());
    records.push_back(std::move(record));
  }

  const MppFile& file_;
  const DurationSettings& settings_;
  FieldMap map_;
  VarData var_;
};

// Without a code of its own a task's WBS code is its outline number ("2.1.3"), which Project
// does not keep in the file.
void NumberTheOutline(std::vector<TaskRecord>& records) {
  for (const TaskRecord& record : records) {
    if (!record.blnBlank && !record.strWBS.empty()) return;
  }
  std::vector<int> counters;
  for (TaskRecord& record : records) {
    if (record.blnBlank || record.id == 0 || record.outlineLevel < 1) continue;
    // An outline deeper than the one before it by more than a level continues below the last.
    const auto level = std::min(static_cast<std::size_t>(record.outlineLevel), counters.size() + 1);
    counters.resize(level, 0);
    ++counters.back();
    std::string strNumber;
    for (const int counter : counters) {
      if (!strNumber.empty()) strNumber += '.';
      strNumber += std::to_string(counter);
    }
    record.strWBS = std::move(strNumber);
  }
}

void HandOverTasks(std::vector<TaskRecord>& records, PlanBuilder& builder) {
  std::sort(records.begin(), records.end(),
            [](const TaskRecord& a, const TaskRecord& b) { return a.id < b.id; });
  NumberTheOutline(records);
  for (std::size_t i = 0; i < records.size(); ++i) {
    TaskRecord& record = records[i];
    if (record.blnBlank) {
      builder.AddBlankTask(record.id);
      continue;
    }
    // A summary task is one whose next row lies deeper in the outline; an inserted project
    // counts as one.
    bool blnSummary = !record.strSubproject.empty();
    for (std::size_t j = i + 1; j < records.size() && !blnSummary; ++j) {
      if (records[j].blnBlank) continue;
      blnSummary = records[j].outlineLevel > record.outlineLevel;
      break;
    }
    PlanBuilder::TaskRow row = builder.AddTask(record.id);
    row.UniqueID(record.uniqueID)
        .Name(std::move(record.strName))
        .WBS(std::move(record.strWBS))
        .OutlineLevel(record.outlineLevel)
        .Start(record.start)
        .Finish(record.finish)
        .Duration(record.minutes, record.format)
        .Estimated(record.blnEstimated)
        .Milestone(record.blnMilestone)
        .Summary(blnSummary)
        .Subproject(std::move(record.strSubproject));
    for (auto& [fieldId, strValue] : record.texts) row.Text(fieldId, std::move(strValue));
  }
}

void ReadResources(const MppFile& file, PlanBuilder& builder) {
  const int format = file.Format();
  const FieldMap map =
      MapOf(file.ProjectProps(), kResourceFieldMap, kResourceFieldMap2, format, DefaultResourceMap);
  const VarData var(file.Required("TBkndRsc/VarMeta"), file.Required("TBkndRsc/Var2Data"),
                    "TBkndRsc", format != 9);
  const FixedMeta meta(file.Required("TBkndRsc/FixedMeta"), "TBkndRsc/FixedMeta", {37});
  const FixedData data(file.Required("TBkndRsc/FixedData"), "TBkndRsc/FixedData", meta);
  const std::uint16_t uidOffset = map.Place(resource::kUniqueID).offset;
  // The row of each unique ID (two bytes of it): the first one that has all its values.
  std::map<std::int32_t, std::size_t> rows;
  for (std::size_t index = 0; index < meta.Count(); ++index) {
    const std::string_view bytes = data.Item(index);
    if (bytes.empty() || bytes.size() < map.FixedSize()) continue;
    if (format == 9 && (U32(meta.Item(index), 0).value_or(0) & kDeleted)) continue;
    if (const auto uid = U16(bytes, uidOffset)) rows.try_emplace(*uid, index);
  }
  std::set<std::int32_t> ids;
  for (const std::int32_t uniqueID : var.Rows()) {
    const auto found = rows.find(uniqueID);
    if (found == rows.end()) continue;
    const Row row(map, data.Item(found->second), {}, var, uniqueID);
    const std::int32_t id = row.Int(resource::kID).value_or(0);
    builder.AddResource(id)
        .UniqueID(uniqueID)
        .Name(row.Text(resource::kName))
        .Group(row.Text(resource::kGroup));
    if (id > 0) ids.insert(id);
  }
  // Row numbers that no resource has are blank rows of the table.
  std::int32_t expected = 1;
  for (const std::int32_t id : ids) {
    if (id - expected > static_cast<std::int32_t>(ids.size())) break;
    for (; expected < id; ++expected) builder.AddBlankResource(expected);
    expected = id + 1;
  }
}

// The links: rows of 20 bytes in TBkndCons, each with its own number, the unique IDs of the
// predecessor and the successor.
void ReadLinks(const MppFile& file, PlanBuilder& builder) {
  const std::optional<std::string> metaBytes = file.Stream("TBkndCons/FixedMeta");
  const std::optional<std::string> dataBytes = file.Stream("TBkndCons/FixedData");
  if (!metaBytes || !dataBytes) return;
  const FixedMeta meta(*metaBytes, "TBkndCons/FixedMeta", {10});
  std::int32_t lastNumber = -1;
  for (std::size_t index = 0; index < meta.Count(); ++index) {
    if (U16(meta.Item(index), 0).value_or(1) != 0) continue;  // deleted
    const auto offset = meta.Offset(index);
    if (!offset || *offset > dataBytes->size()) {
      Damaged(catalog::Format(_("der Eintrag {} von „{}“ zeigt hinter das Ende von „{}“."),
                              index + 1, "TBkndCons/FixedMeta", "TBkndCons/FixedData"));
    }
    const std::string_view link = Tail(*dataBytes, *offset, 20);
    const auto number = I32(link, 0);
    const auto predecessor = I32(link, 4);
    const auto successor = I32(link, 8);
    if (link.size() < 14 || !number || !predecessor || !successor) continue;
    // Project keeps older versions of a link before the newer; each number counts once.
    if (*number <= lastNumber) continue;
    lastNumber = *number;
    if (*predecessor != *successor) builder.AddLink(*predecessor, *successor);
  }
}

DurationSettings ReadSettings(const Props& props) {
  DurationSettings settings;
  if (const auto minutes = props.Int(kMinutesPerDay); minutes && *minutes > 0) {
    settings.lngMinutesPerDay = *minutes;
  }
  if (const auto minutes = props.Int(kMinutesPerWeek); minutes && *minutes > 0) {
    settings.lngMinutesPerWeek = *minutes;
  }
  if (const auto days = props.Short(kDaysPerMonth); days && *days > 0) {
    settings.lngDaysPerMonth = *days;
  }
  if (const auto units = props.Short(kDurationUnits)) {
    const std::int32_t format = *units & kUnitsMask;
    if (format >= 3 && format <= 12) settings.lngDefaultFormat = format;
  }
  return settings;
}

}  // namespace

std::string_view Row::Fixed(const FieldPlace& place) const {
  return place.block == 0 ? data_ : data2_;
}

std::optional<std::string_view> Row::Var(const FieldPlace& place) const {
  return var_.Value(uniqueID_, place.varKey);
}

bool Row::Has(std::int32_t field) const {
  const FieldPlace place = map_.Place(field);
  if (place.kind == FieldPlace::Kind::Fixed) {
    return Fixed(place).size() >= static_cast<std::size_t>(place.offset) + 4;
  }
  return place.kind == FieldPlace::Kind::Var && Var(place).has_value();
}

std::optional<std::int32_t> Row::Int(std::int32_t field) const {
  const FieldPlace place = map_.Place(field);
  if (place.kind == FieldPlace::Kind::Fixed) return I32(Fixed(place), place.offset);
  if (place.kind == FieldPlace::Kind::Var) {
    const auto value = Var(place);
    return value ? I32(*value, 0) : std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::uint16_t> Row::Short(std::int32_t field) const {
  const FieldPlace place = map_.Place(field);
  if (place.kind == FieldPlace::Kind::Fixed) return U16(Fixed(place), place.offset);
  if (place.kind == FieldPlace::Kind::Var) {
    const auto value = Var(place);
    return value ? U16(*value, 0) : std::nullopt;
  }
  return std::nullopt;
}

std::optional<DateTime> Row::Date(std::int32_t field) const {
  using namespace std::chrono;
  const FieldPlace place = map_.Place(field);
  std::string_view bytes;
  std::size_t at = 0;
  if (place.kind == FieldPlace::Kind::Fixed) {
    bytes = Fixed(place);
    at = place.offset;
  } else if (place.kind == FieldPlace::Kind::Var) {
    bytes = Var(place).value_or(std::string_view());
  }
  const auto time = U16(bytes, at);
  const auto dayCount = U16(bytes, at + 2);
  if (!time || !dayCount || *dayCount <= 1 || *dayCount == 65535) return std::nullopt;
  const seconds secondsOfDay{*time == 65535 ? 0 : *time * 6};
  // Very small day numbers with seconds are a value Project shows as "NA".
  if (*dayCount < 100 && secondsOfDay.count() % 60 != 0) return std::nullopt;
  static constexpr sys_days kEpoch{year{1983} / December / 31};
  return kEpoch + days{*dayCount} + secondsOfDay;
}

std::string Row::Text(std::int32_t field) const {
  const FieldPlace place = map_.Place(field);
  if (place.kind != FieldPlace::Kind::Var) return "";
  const auto value = Var(place);
  return value ? Utf16Text(*value) : "";
}

void ReadMppPlan(const MppFile& file, PlanBuilder& builder) {
  const Props& props = file.ProjectProps();
  std::string strTitle = file.Container().Title();
  if (strTitle.empty()) {
    if (const auto title = props.Value(kTitle)) strTitle = Utf16Text(*title);
  }
  if (!builder.NamedLikeTheFile(strTitle)) builder.Title(std::move(strTitle));
  const DurationSettings settings = ReadSettings(props);
  builder.Settings(settings);
  for (auto& [fieldId, strAlias] : ReadFieldAliases(file)) {
    builder.FieldAlias(fieldId, std::move(strAlias));
  }
  const std::map<std::int32_t, std::string> subprojects =
      ReadSubprojects(props.Value(kSubprojects).value_or(std::string_view()), file.Format());
  std::vector<TaskRecord> tasks = TaskTable(file, settings).Read(subprojects);
  HandOverTasks(tasks, builder);
  ReadResources(file, builder);
  ReadLinks(file, builder);
}

}  // namespace msproject::mpp

#pragma once
// The plan in an opened .mpp handed to the builder: its settings, title and field aliases,
// the task table (with its blank rows and inserted projects), the resource table and the
// links between tasks.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/msproject/Project.h"
#include "platform/msproject/mpp/Blocks.h"
#include "platform/msproject/mpp/FieldMap.h"

namespace msproject {
class PlanBuilder;
}

namespace msproject::mpp {

class MppFile;

// The values of one row: its fixed values in up to two blocks and its varying ones.
class Row {
 public:
  Row(const FieldMap& map, std::string_view data, std::string_view data2, const VarData& var,
      std::int32_t uniqueID)
      : map_(map), data_(data), data2_(data2), var_(var), uniqueID_(uniqueID) {}

  std::optional<std::int32_t> Int(std::int32_t field) const;
  std::optional<std::uint16_t> Short(std::int32_t field) const;
  // A point in time: tenths of minutes since midnight and days since 31.12.1983.
  std::optional<DateTime> Date(std::int32_t field) const;
  std::string Text(std::int32_t field) const;
  bool Has(std::int32_t field) const;

 private:
  std::string_view Fixed(const FieldPlace& place) const;
  std::optional<std::string_view> Var(const FieldPlace& place) const;

  const FieldMap& map_;
  std::string_view data_;
  std::string_view data2_;
  const VarData& var_;
  std::int32_t uniqueID_;
};

// Reads the whole plan.
void ReadMppPlan(const MppFile& file, PlanBuilder& builder);

// The inserted projects of the plan: the stored path by the unique ID of the task that stands
// for it.
std::map<std::int32_t, std::string> ReadSubprojects(std::string_view data, int format);

// The aliases of the custom task fields by field identifier.
std::map<std::int32_t, std::string> ReadFieldAliases(const MppFile& file);

}  // namespace msproject::mpp

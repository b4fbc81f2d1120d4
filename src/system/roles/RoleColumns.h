#pragma once
// The plan's resources as the chart makes them its columns: the plan's own resources, then those
// of its inserted projects (depth first), each under its resource group in the order in which
// the groups are first met, a name once per group, at most as many as the chart shows. A
// resource without a group stands under "(keine)", as in the chart, but the plan is not changed.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace msproject {
class Project;
}

namespace roles {

struct RoleColumn {
  std::string strGroup;  // the group's name as the chart heads it
  std::string strName;   // the resource's name, which the role fields name
};

std::vector<RoleColumn> ChartColumns(const msproject::Project& objProject,
                                     std::int32_t lngMaxResources);

// The columns by name: a name stands in one column per group that holds it.
class ColumnOrder {
 public:
  explicit ColumnOrder(const std::vector<RoleColumn>& colColumns);
  // The columns of the name, first to last; empty for a name of no column.
  const std::vector<std::size_t>& Positions(const std::string& strName) const;
  // The first column of the name, by which names are put in order.
  std::optional<std::size_t> Position(const std::string& strName) const;

 private:
  std::unordered_map<std::string, std::vector<std::size_t>> byName_;
};

}  // namespace roles

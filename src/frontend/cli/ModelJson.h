#pragma once
// The chart model as JSON: the keys are the model's field names, host tasks and resources
// appear as small objects, a blank task row has "objTask": null.

#include <nlohmann/json.hpp>

class clsQuorvan;

namespace cli {

nlohmann::ordered_json ModelToJson(const clsQuorvan& objQuorvan);

}  // namespace cli

#pragma once
// The chart's header: the title, the captions of the task-field columns and the four header
// rows of the resource columns (group, name, the hidden unique ID, the ID).

#include <cstdint>
#include <string>

class clsQuorvan;
namespace excel {
class Worksheet;
}

// Attempts every call and returns true when any failed. Takes 1 for a first row or column of
// 0.
bool WriteHeader(clsQuorvan& objQuorvan, excel::Worksheet& objSheet, std::int32_t lngHeaderColor);

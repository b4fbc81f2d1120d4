#pragma once
// The task-field columns, left to right, owned by the task header.

#include <cstdint>
#include <vector>

#include "chart/clsField.h"

class clsFields {
 public:
  std::vector<clsField> colFields;
  double dblOffsetX = 0.0;
  std::int32_t lngOffsetColumns = 0;

  void AddField(clsField objField);
};

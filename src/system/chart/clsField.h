#pragma once
// One task-field column of the chart: WBS code, unique ID, task name or one of the optional
// fields, with its worksheet column and its width and centre in points.

#include <cstdint>
#include <string>

class clsField {
 public:
  bool blnStatusLights = false;
  std::int32_t lngField = 0;
  std::int32_t lngFieldOrder = 0;
  std::int32_t lngFieldColumn = 0;
  double dblFieldColumnWidth = 0.0;
  double dblFieldWidth = 0.0;
  double dblFieldMidX = 0.0;
  std::string strFieldName;
  std::string strFieldAlias;
  std::string strFieldDataType;
};

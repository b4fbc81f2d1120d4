#include "chart/clsFields.h"

#include <utility>

void clsFields::AddField(clsField objField) {
  colFields.push_back(std::move(objField));
}

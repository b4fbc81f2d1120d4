#pragma once
// The colour picker of the wizard's colour buttons.

#include <cstdint>

namespace basColor {

// Shows the colour dialog with lngInitColor preselected and returns the chosen colour, or
// lngInitColor after Cancel. Colours are Windows colour values (red in the low byte).
//
// The dialog's sixteen custom colours are kept here for the life of the add-in. Each custom
// colour argument that is not 0 replaces the table's entry at its position before the dialog
// opens; 0 keeps the entry (so black cannot be passed in). Changes that the user makes to
// the custom colours in the dialog stay in the table until the next call.
std::int32_t ShowColorDialog(std::int32_t lngInitColor, std::int32_t lngCustom1,
                             std::int32_t lngCustom2, std::int32_t lngCustom3,
                             std::int32_t lngCustom4, std::int32_t lngCustom5,
                             std::int32_t lngCustom6, std::int32_t lngCustom7,
                             std::int32_t lngCustom8, std::int32_t lngCustom9,
                             std::int32_t lngCustom10, std::int32_t lngCustom11,
                             std::int32_t lngCustom12, std::int32_t lngCustom13,
                             std::int32_t lngCustom14, std::int32_t lngCustom15,
                             std::int32_t lngCustom16);

}  // namespace basColor

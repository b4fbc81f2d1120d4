#pragma once
// The drawing operations of the chart: role symbols and status lights as circles, the thin
// lines that join a row's symbols, the arrows of the communication network. Each draws on the
// active sheet of the builder's engine instance, attempts every one of its calls, and returns
// true when any of them failed.

#include <cstdint>

class clsQuorvan;

// Black as an RGB colour, the outline of every symbol.
inline constexpr std::int32_t kBlack = 0;

// A circle centred on (dblX, dblY), filled with a gradient from its centre, with a black
// outline; with blnShadow a shadow in the builder's symbol shadow colour.
bool DrawCircle(clsQuorvan& objQuorvan, double dblX, double dblY, double dblRadius,
                std::int32_t lngColor, bool blnShadow);

// A hairline from the begin to the end point, sent behind every shape drawn so far; with
// blnShadow a shadow in the builder's arrow shadow colour.
bool DrawLine(clsQuorvan& objQuorvan, double dblBeginX, double dblBeginY, double dblEndX,
              double dblEndY, std::int32_t lngColor, bool blnShadow);

// A line with a triangular head at the end point, of the builder's arrow thickness and head
// size; with blnShadow a shadow in the builder's arrow shadow colour.
bool DrawArrow(clsQuorvan& objQuorvan, double dblBeginX, double dblBeginY, double dblEndX,
               double dblEndY, std::int32_t lngColor, bool blnShadow);

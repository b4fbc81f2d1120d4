#pragma once
// The shapes an export draws for a chart model, counted before anything is drawn: a status
// light per row that shows one, the role symbols and the lines of each row, the arrows of the
// communication network. The arrows grow with the product of the responsibles of linked rows,
// so a role field that names one resource many times costs quadratically; the export refuses a
// chart past kMaxChartShapes instead of running out of memory.

#include <cstdint>

class clsQuorvan;

// The most shapes an export draws. Measured in a release build on a chart of 20,000 rows and
// 200 resources with 499,984 shapes, most of them on its first page: the peak is 469 MiB
// saving .xlsx, 139 MiB .xls, 331 MiB printing to PDF, 226 MiB drawing PNG and 1.27 GiB
// drawing SVG, which costs some 3 KB a shape and so sets the bound (bench/export keeps the
// .xlsx figure).
inline constexpr std::uint64_t kMaxChartShapes = 500'000;

// Saturates at the largest number the type holds.
std::uint64_t ChartShapeCount(const clsQuorvan& objQuorvan);

#pragma once
// The keys of the values a .mpp keeps in its Props blocks, and the indexes of the fields of
// its task and resource tables that the host reads (the low 16 bits of Microsoft Project's
// field identifiers: 188743694 is the task's name, index 14).

#include <cstdint>

namespace msproject::mpp {

// The file's own Props ("Props9", "Props12", "Props14").
inline constexpr std::int32_t kPasswordFlags = 893386752;  // 1 to read, 2 to save
inline constexpr std::uint8_t kReadPassword = 0x01;
inline constexpr std::int32_t kPasswordHash = 893386756;
inline constexpr std::int32_t kEncryptionCode = 893386759;

// The project's Props.
inline constexpr std::int32_t kTitle = 37748744;
inline constexpr std::int32_t kDurationUnits = 37748757;
inline constexpr std::int32_t kMinutesPerDay = 37748765;
inline constexpr std::int32_t kMinutesPerWeek = 37748766;
inline constexpr std::int32_t kDaysPerMonth = 37753743;
inline constexpr std::int32_t kSubprojects = 37748898;
inline constexpr std::int32_t kTaskFieldMap = 131092;
inline constexpr std::int32_t kTaskFieldMap2 = 50331668;
inline constexpr std::int32_t kResourceFieldMap = 131093;
inline constexpr std::int32_t kResourceFieldMap2 = 50331669;
inline constexpr std::int32_t kTaskFieldAliases = 1048577;  // Project 2000–2003
// The task table's Props of Project 2007 and later: the custom fields with their aliases.
inline constexpr std::int32_t kCustomFields = 71303169;

namespace task {
inline constexpr std::int32_t kName = 14;
inline constexpr std::int32_t kWBS = 16;
inline constexpr std::int32_t kConstraintType = 17;
inline constexpr std::int32_t kID = 23;
inline constexpr std::int32_t kDuration = 29;  // in Project 2010 and later the scheduled one
inline constexpr std::int32_t kStart = 35;     // likewise
inline constexpr std::int32_t kFinish = 36;    // likewise
inline constexpr std::int32_t kLateStart = 39;
inline constexpr std::int32_t kLateFinish = 40;
inline constexpr std::int32_t kOutlineLevelOld = 85;
inline constexpr std::int32_t kUniqueID = 86;
inline constexpr std::int32_t kCreated = 93;
inline constexpr std::int32_t kDurationUnits = 152;
inline constexpr std::int32_t kActualDurationUnits = 181;
inline constexpr std::int32_t kOutlineLevel = 249;
inline constexpr std::int32_t kManualStart = 1283;
inline constexpr std::int32_t kManualFinish = 1284;
inline constexpr std::int32_t kManualDuration = 1288;
inline constexpr std::int32_t kManualDurationUnits = 1289;
}  // namespace task

namespace resource {
inline constexpr std::int32_t kID = 0;
inline constexpr std::int32_t kName = 1;
inline constexpr std::int32_t kGroup = 3;
inline constexpr std::int32_t kUniqueID = 27;
}  // namespace resource

}  // namespace msproject::mpp

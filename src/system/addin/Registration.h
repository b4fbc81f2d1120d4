#pragma once
// The add-in's entry in the registry of the current user: the host connects the add-ins listed
// below its add-in key at its start (load behaviour 3), and the component's description is
// kept with its programmatic identifier.

#include <string>

namespace addin {

inline constexpr const char* kProgId = "Quorvan.Connect";
inline constexpr const char* kAddInKey =
    "Software\\Microsoft\\Office\\MS Project\\Addins\\Quorvan.Connect";
inline constexpr const char* kClassKey = "Software\\Classes\\Quorvan.Connect";
inline constexpr const char* kFriendlyName = "Quorvan";
inline constexpr const char* kDescription =
    "Addin zur Erstellung von Kommunikationsdiagrammen aus Projektplänen.";
inline constexpr const char* kComponentDescription =
    "COM Addin zur Erstellung von Kommunikationsdiagrammen.";
inline constexpr unsigned kLoadBehavior = 3;

// Writes the entry. Returns "" when done, else the reason in German.
std::string RegisterAddIn();

// Removes the entry; nothing to remove is no failure. Returns "" when done, else the reason.
std::string UnregisterAddIn();

}  // namespace addin

#pragma once
// The registry export format that the Windows registry editor writes and reads:
//
//     Windows Registry Editor Version 5.00
//
//     [HKEY_CURRENT_USER\Software\Tevrana\Quorvan\Settings]
//     "FieldResponsible"="Text21"
//     "UseFieldStart"=dword:00000005
//     "FieldDesc"=hex(2):54,00,65,00,78,00,74,00,00,00
//     @="the default value"
//
// Files are read in UTF-16LE with a byte-order mark (as the editor exports them) or in UTF-8;
// they are written in UTF-8.

#include <optional>
#include <string>
#include <string_view>

#include "platform/registry/Hive.h"

namespace registry {

inline constexpr std::string_view kRegFileHeader = "Windows Registry Editor Version 5.00";
// The header of the editor's older format, which is not read but is a registry export still.
inline constexpr std::string_view kRegFileHeaderOld = "REGEDIT4";

// What a file's bytes begin with; whether the rest can be read is ParseRegFile's question.
enum class RegFileStart {
  kBlank,    // nothing but blanks (after a byte-order mark)
  kRegFile,  // the header of a registry export of either format
  kOther,    // anything else: no registry export
};
RegFileStart StartOfRegFile(std::string_view bytes);

// The keys and values of a file's bytes; nothing when they are not a registry export file that
// can be read (a key deeper than the 512 levels that Windows allows cannot be). Deletion entries
// ("[-…]", "\"name\"=-") are applied as the editor applies them on import. The time taken grows
// in proportion to the size of the file.
std::optional<Hive> ParseRegFile(std::string_view bytes);

// The file's text for the keys and values: UTF-8, CRLF line ends, long binary data wrapped
// with trailing backslashes as the editor wraps it.
std::string FormatRegFile(const Hive& hive);

}  // namespace registry

// The names a .mpp gives its custom task fields: in Project 2000–2003 a list of texts in the
// project's properties, one per field in a fixed order; later a block of the task table's own
// properties that names each field by its identifier.

#include "platform/msproject/Fields.h"
#include "platform/msproject/mpp/Bytes.h"
#include "platform/msproject/mpp/Keys.h"
#include "platform/msproject/mpp/MppFile.h"
#include "platform/msproject/mpp/MppPlan.h"

namespace msproject::mpp {

namespace {

// The place of Text1 … Text30 in the list of Project 2000–2003.
std::optional<std::int32_t> TextFieldAt(std::size_t index) {
  if (index >= 118 && index <= 127) return TextFieldId(static_cast<int>(index - 117));
  if (index >= 194 && index <= 213) return TextFieldId(static_cast<int>(index - 183));
  return std::nullopt;
}

std::map<std::int32_t, std::string> AliasList(std::string_view list) {
  std::map<std::int32_t, std::string> aliases;
  std::size_t at = 0;
  for (std::size_t index = 0; at < list.size(); ++index) {
    // The texts follow one another, each ended by a zero of two bytes.
    std::size_t end = at;
    while (end + 1 < list.size() && (list[end] != '\0' || list[end + 1] != '\0')) end += 2;
    std::string strAlias = Utf16Text(list.substr(at, end - at));
    if (const auto field = TextFieldAt(index); field && !strAlias.empty()) {
      aliases[*field] = std::move(strAlias);
    }
    at = end + 2;
  }
  return aliases;
}

// The size of the block of aliases, repeated, their number, then per alias the field's
// identifier and the offset (less 4) of its text.
std::map<std::int32_t, std::string> AliasBlock(std::string_view block) {
  std::map<std::int32_t, std::string> aliases;
  const auto size = I32(block, 0);
  const auto count = I32(block, 8);
  if (!size || !count || *count < 0) return aliases;
  const std::size_t end = std::min(block.size(), static_cast<std::size_t>(std::max(0, *size)));
  std::size_t at = 12;
  for (std::int32_t i = 0; i < *count && at + 8 <= end; ++i, at += 8) {
    const auto fieldId = I32(block, at);
    const auto offset = U32(block, at + 4);
    if (!fieldId || !offset || !IsCustomTextField(*fieldId)) continue;
    std::string strAlias = Utf16Text(block, static_cast<std::size_t>(*offset) + 4);
    if (!strAlias.empty()) aliases[*fieldId] = std::move(strAlias);
  }
  return aliases;
}

}  // namespace

std::map<std::int32_t, std::string> ReadFieldAliases(const MppFile& file) {
  if (file.Format() == 9) {
    const auto list = file.ProjectProps().Value(kTaskFieldAliases);
    return list ? AliasList(*list) : std::map<std::int32_t, std::string>();
  }
  const std::optional<std::string> props = file.Stream("TBkndTask/Props");
  if (!props) return {};
  const Props taskProps(*props, "TBkndTask/Props");
  const auto block = taskProps.Value(kCustomFields);
  return block ? AliasBlock(*block) : std::map<std::int32_t, std::string>();
}

}  // namespace msproject::mpp

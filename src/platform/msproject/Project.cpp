#include "platform/msproject/Project.h"

#include <fmt/format.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/Display.h"
#include "platform/msproject/Fields.h"

namespace msproject {

std::string Task::GetField(std::int32_t fieldId) const {
  switch (fieldId) {
    case pjTaskName:
      return strName_;
    case pjTaskWBS:
      return strWBS_;
    case pjTaskUniqueID:
      return std::to_string(lngUniqueID_);
    case pjTaskStart:
      return start_ ? DateText(*start_) : std::string();
    case pjTaskFinish:
      return finish_ ? DateText(*finish_) : std::string();
    case pjTaskDuration:
      return strDurationText_;
    default:
      break;
  }
  if (!IsCustomTextField(fieldId) && !IsCustomDurationField(fieldId)) {
    throw Error(kErrArgumentInvalid, catalog::Format(_("Das Feld {} gibt es nicht."), fieldId));
  }
  for (const auto& [id, strValue] : extendedAttributes_) {
    if (id == fieldId) return strValue;
  }
  return std::string();
}

namespace {

// The longest text a custom text field holds, in characters.
constexpr std::size_t kMaxTextLength = 255;

// The number of characters of a UTF-8 text; nothing for bytes that are no UTF-8 or for a
// control character, which a text field and its XML do not hold.
std::optional<std::size_t> TextLength(std::string_view text) {
  std::size_t lngCharacters = 0;
  for (std::size_t at = 0; at < text.size(); ++lngCharacters) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    std::uint32_t code = lead;
    if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      code = lead & 0x07u;
    } else if (lead >= 0xE0) {
      length = 3;
      code = lead & 0x0Fu;
    } else if (lead >= 0xC2 && lead < 0xE0) {
      length = 2;
      code = lead & 0x1Fu;
    } else if (lead >= 0x80) {
      return std::nullopt;
    }
    if (at + length > text.size()) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
      const auto next = static_cast<unsigned char>(text[at + i]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      code = (code << 6) | (next & 0x3Fu);
    }
    const bool blnOverlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    if (blnOverlong || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
    if (code < 0x20 || code == 0x7F || code == 0xFFFE || code == 0xFFFF) return std::nullopt;
    at += length;
  }
  return lngCharacters;
}

}  // namespace

void Task::SetField(std::int32_t fieldId, const std::string& strValue) {
  if (!IsCustomTextField(fieldId)) {
    throw Error(kErrArgumentInvalid,
                catalog::Format(_("Das Feld {} kann nicht geändert werden."), FieldName(fieldId)));
  }
  if (project_->Inserted()) {
    throw Error(kErrNotAvailable,
                catalog::Format(_("Der Vorgang „{}“ gehört zum eingefügten Projekt „{}“ und kann "
                                  "nur dort geändert werden."),
                                strName_, project_->Name()));
  }
  const std::optional<std::size_t> length = TextLength(strValue);
  if (!length) {
    throw Error(kErrArgumentInvalid,
                _("Der Text enthält Steuerzeichen oder Bytes, die kein Zeichen sind."));
  }
  if (*length > kMaxTextLength) {
    throw Error(kErrArgumentInvalid,
                catalog::Format(_("Der Text ist länger als {} Zeichen."), kMaxTextLength));
  }
  const auto at = std::find_if(extendedAttributes_.begin(), extendedAttributes_.end(),
                               [&](const auto& entry) { return entry.first == fieldId; });
  const std::string strOld = at == extendedAttributes_.end() ? std::string() : at->second;
  if (strOld == strValue) return;
  if (strValue.empty()) {
    extendedAttributes_.erase(at);
  } else if (at == extendedAttributes_.end()) {
    extendedAttributes_.emplace_back(fieldId, strValue);
  } else {
    at->second = strValue;
  }
  auto& edits = project_->edits_;
  const std::pair<const Task*, std::int32_t> edit(this, fieldId);
  if (std::find(edits.begin(), edits.end(), edit) == edits.end()) edits.push_back(edit);
  ++project_->lngRevision_;
}

DateTime Task::Start() const {
  if (!start_) throw Error(kErrNotAvailable, _("Der Vorgang hat keinen Anfangstermin."));
  return *start_;
}

DateTime Task::Finish() const {
  if (!finish_) throw Error(kErrNotAvailable, _("Der Vorgang hat keinen Endtermin."));
  return *finish_;
}

Project& Subproject::SourceProject() const {
  if (!source_) {
    throw Error(kErrNotAvailable,
                catalog::Format(_("Das eingefügte Projekt „{}“ konnte nicht geladen werden."),
                                task_ ? task_->Subproject() : std::string()));
  }
  return *source_;
}

std::string Project::FieldAlias(std::int32_t fieldId) const {
  for (const auto& [id, strAlias] : fieldAliases_) {
    if (id == fieldId) return strAlias;
  }
  return std::string();
}

std::string Project::FullName() const {
  return (std::filesystem::path(strPath_) / strName_).string();
}

}  // namespace msproject

#include "platform/msproject/Project.h"

#include <fmt/format.h>

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

#include "plan/SavePlan.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "plan/PlanFiles.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/excel/Error.h"
#include "platform/excel/save/AtomicSave.h"
#include "platform/msproject/PlanXml.h"
#include "platform/msproject/Project.h"

namespace plan {

namespace fs = std::filesystem;

namespace {

// Writes the bytes into the new file; a failure names the system's reason, which the save
// turns into German where it is a full disk.
void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::FILE* stream = std::fopen(file.c_str(), "wb");
  if (stream == nullptr) {
    throw excel::Error(catalog::Format(_("Die Datei „{}“ kann nicht angelegt werden: {}"),
                                       file.string(), std::strerror(errno)));
  }
  const bool blnWritten = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
  const int intWriteError = errno;
  const bool blnClosed = std::fclose(stream) == 0;
  if (!blnWritten || !blnClosed) {
    throw excel::Error(catalog::Format(_("Die Datei „{}“ kann nicht geschrieben werden: {}"),
                                       file.string(),
                                       std::strerror(blnWritten ? errno : intWriteError)));
  }
}

}  // namespace

fs::path SavePlanAs(msproject::Project& objPlan, const fs::path& target, SavedPlan after) {
  if (const std::optional<PlanFile> file = PlanFileAt(objPlan, target)) {
    if (file->blnInserted) {
      throw msproject::Error(
          msproject::kErrArgumentInvalid,
          catalog::Format(_("„{}“ ist ein eingefügtes Projekt des Plans; der Plan wird nicht "
                            "darüber gespeichert."),
                          target.string()));
    }
    if (!objPlan.ReadFromXml()) {
      throw msproject::Error(
          msproject::kErrArgumentInvalid,
          catalog::Format(_("„{}“ ist die Datei, aus der der Plan gelesen wurde; sie wird nicht "
                            "mit XML überschrieben. Bitte einen anderen Namen wählen."),
                          target.string()));
    }
  }
  std::string bytes = msproject::PlanXml(objPlan);
  const fs::path saved = excel::SaveAtomically(
      target, {".xml"}, _("Pläne werden im XML-Format von Microsoft Project (.xml) gespeichert."),
      [&](const fs::path& temporary) { WriteBytes(temporary, bytes); });
  if (after == SavedPlan::IsTheNewFile) {
    msproject::PlanXmlSavedAs(objPlan, std::move(bytes), fs::absolute(target).lexically_normal());
  } else {
    msproject::PlanXmlSaved(objPlan, std::move(bytes));
  }
  return saved;
}

}  // namespace plan

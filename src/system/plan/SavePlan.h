#pragma once
// Saving the plan as Microsoft Project XML (MSPDI): the bytes the host gives of it
// (platform/msproject/PlanXml.h: a plan read from XML with only its edited fields changed, a
// plan read from .mpp or .mpx written anew) saved atomically, as a workbook is saved
// (platform/excel/save/AtomicSave.h): written beside the target, flushed and renamed over it,
// the old file's permission bits kept; a failure leaves the target as it was.
//
// Refused before anything is written, with the German message of a vb::Error: a name that does
// not end in .xml; a missing or unwritable folder, a read-only target, a target that another
// program holds open (as every save refuses them); a target that is one of the plan's inserted
// projects; a target that is the .mpp or .mpx the plan was read from. A plan read from XML may
// be saved over its own file.

#include <filesystem>

namespace msproject {
class Project;
}

namespace plan {

// What the plan is after a save: still the file it was read from (a copy was saved, as
// `--save-plan` saves), or the file saved (as the host's "Speichern unter" leaves it: its name,
// folder and title are the new file's, and it is a plan of XML from then on).
enum class SavedPlan { KeepsItsFile, IsTheNewFile };

// Saves the plan under target; afterwards the plan has no unsaved changes. Returns the file
// written (a link is saved through to the file it points to).
std::filesystem::path SavePlanAs(msproject::Project& objPlan, const std::filesystem::path& target,
                                 SavedPlan after = SavedPlan::KeepsItsFile);

}  // namespace plan

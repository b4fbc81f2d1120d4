#pragma once
// The plan as Microsoft Project XML (MSPDI), for saving it.
//
// A plan read from MSPDI is written as the bytes of its file with nothing changed but the
// custom text fields edited since (Task::SetField): the value of each such field's
// ExtendedAttribute element is replaced, the element added where the task had none and
// removed when the field was cleared, and the plan's definition of the field added where it
// had none. Every other byte stays: declaration, encoding, namespaces, order, blanks. A plan
// without edits is written byte for byte as it was read.
//
// A plan read from .mpp or .mpx is written anew, in UTF-8, with what the host read of it: its
// settings, field aliases, tasks with their links and custom fields, and resources; the MSPDI
// reader reads it back as the same plan.

#include <filesystem>
#include <string>

#include "platform/msproject/Project.h"

namespace msproject {

// The bytes of the plan as MSPDI. Throws msproject::Error when the kept file cannot be
// written back (a character its encoding cannot hold is written as a character reference, so
// that does not happen for the edited fields).
std::string PlanXml(const Project& plan);

// Tells the plan that bytes (PlanXml's) were saved: it has no unsaved changes now, and the
// next save starts from these bytes. The plan keeps its name and path.
void PlanXmlSaved(Project& plan, std::string bytes);

// As PlanXmlSaved, for bytes saved as another file, as the host's "Speichern unter" saves: from
// now on the plan is that file (its name and folder), a plan of Microsoft Project XML.
void PlanXmlSavedAs(Project& plan, std::string bytes, const std::filesystem::path& file);

}  // namespace msproject

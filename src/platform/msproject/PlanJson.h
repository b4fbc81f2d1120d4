#pragma once
// What the host read from a plan, as JSON: the same keys whatever the plan's format, so that a
// .mpp can be compared with the XML that Microsoft Project saves of it. The file's own name
// stands under "file" alone.
//
//   file               the plan's file name
//   project            title; minutesPerDay, minutesPerWeek, daysPerMonth, durationFormat
//   fieldAliases       { "Text1": "Verantwortlich", … }
//   tasks              in table order; null for a blank row; else id, uniqueId, name, wbs,
//                      outlineLevel, start, finish ("2018-10-18T08:00:00" or null), duration
//                      (as the host shows it), summary, milestone, insertedProject (the stored
//                      path, "" for an ordinary task) and fields ({ "Text1": "…" })
//   resources          in table order; null for a blank row; else id, uniqueId, name, group
//   links              { predecessor, successor } by unique ID, in the order of the successors
//   insertedProjects   per inserted project: taskId, storedPath and its plan (as this object,
//                      without unreadInsertedProjects) or null when it could not be read
//   unreadInsertedProjects  only on the plan opened: storedPath, path, reason (notFound,
//                      notReadable, notAPlan, faulty), problem, taskId, taskName and, for
//                      one inserted into an inserted project, the file name of that (project)

#include <string>

#include "platform/msproject/Project.h"

namespace msproject {

// The plan as JSON text, indented by two blanks.
std::string PlanJson(const Project& plan);

}  // namespace msproject

#pragma once
// Where the host window saves the plan: "Speichern" writes a plan of Microsoft Project XML over
// its own file; a plan read from .mpp or .mpx is never written over, so "Speichern" asks as
// "Speichern unter…" does, in a save dialog for XML that proposes PLAN.xml beside the plan.

#include <QString>

#include "gui/shell/DialogRun.h"

class QWidget;

namespace msproject {
class Project;
}

namespace gui {

// The file "Speichern" saves to without asking; "" when the user must be asked.
QString PlanFileToSave(const msproject::Project& objPlan);

// The file the save dialog proposes: the plan's own for a plan of XML, else PLAN.xml beside it.
QString ProposedPlanXml(const msproject::Project& objPlan);

// The dialog "Speichern unter" for Microsoft Project XML; the file chosen, "" when cancelled.
QString AskWhereToSavePlan(QWidget* parent, const msproject::Project& objPlan,
                           const DialogHook& hook);

}  // namespace gui

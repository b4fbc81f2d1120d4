#pragma once
// `quorvan --dump-plan PLAN`: what the host read from a plan, as JSON on stdout
// (platform/msproject/PlanJson.h), and the notices of a run about inserted projects that could
// not be read.

#include <iosfwd>
#include <string>

namespace msproject {
class Project;
struct UnreadSubproject;
}  // namespace msproject

namespace cli {

// Reads the plan and prints it; exit status 0, or 2 for a plan that cannot be read.
int DumpPlan(const std::string& strPlan, std::ostream& out, std::ostream& err);

// One line for an inserted project whose resources the chart of the plan lacks:
// "Hinweis: Das eingefügte Projekt „Schulung.xml“ (Vorgang 42 „Schulung“) wurde nicht
// gefunden; seine Ressourcen fehlen im Diagramm."
std::string UnreadSubprojectNotice(const msproject::UnreadSubproject& unread,
                                   const std::string& strPlanName);

// Every such line of the plan, to err.
void PrintUnreadSubprojects(const msproject::Project& plan, std::ostream& err);

}  // namespace cli

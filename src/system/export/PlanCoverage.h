#pragma once
// How much of the plan a chart shows. The builder takes at most its limits of task rows and of
// resources (20,000 and 200 from the wizard) and leaves the rest out without a word; the front
// ends tell the user from this.

#include <cstdint>
#include <string>
#include <vector>

class clsQuorvan;
namespace msproject {
class Project;
}

struct PlanCoverage {
  std::int64_t lngPlanTasks = 0;  // the plan's task rows, blank rows included
  std::int64_t lngChartTasks = 0;
  // The plan's resources, those of its inserted projects included, each name once per group
  // (as the builder counts them).
  std::int64_t lngPlanResources = 0;
  std::int64_t lngChartResources = 0;

  bool Complete() const {
    return lngChartTasks >= lngPlanTasks && lngChartResources >= lngPlanResources;
  }
};

// The coverage of a builder that has read its project (GetChartData).
PlanCoverage CoverageOf(const clsQuorvan& objQuorvan);

// "Hinweis: Der Plan hat 100.000 Vorgänge und 300 Ressourcen, das Diagramm zeigt davon 20.000
// Vorgänge und 200 Ressourcen." — "" when the chart shows the whole plan.
std::string CoverageNotice(const PlanCoverage& objCoverage);

// One line for each inserted project of the plan that could not be read, in the order of the
// plan: "Hinweis: Das eingefügte Projekt „Schulung.xml“ (Vorgang 42 „Schulung“) wurde nicht
// gefunden; seine Ressourcen fehlen im Diagramm." A project inserted into an inserted project
// names the plan that inserts it.
std::vector<std::string> UnreadSubprojectNotices(const msproject::Project& objProject);

#include "chart/clsTask.h"

#include <utility>

void clsTask::AddResponsible(std::string strName) {
  colResponsibles.push_back(std::move(strName));
}

void clsTask::AddParticipiant(std::string strName) {
  colParticipiants.push_back(std::move(strName));
}

void clsTask::AddInformed(std::string strName) {
  colInformed.push_back(std::move(strName));
}

#include "platform/excel/Application.h"

#include <algorithm>

#include "platform/excel/Error.h"

namespace excel {

Application::Application() : workbooks_(std::make_unique<excel::Workbooks>(*this)) {}

Application::~Application() = default;

excel::Workbooks& Application::Workbooks() {
  CheckUsable();
  return *workbooks_;
}

bool Application::Visible() const {
  CheckUsable();
  return blnVisible_;
}

void Application::Visible(bool blnVisible) {
  CheckUsable();
  blnVisible_ = blnVisible;
}

std::int32_t Application::Cursor() const {
  CheckUsable();
  return lngCursor_;
}

void Application::Cursor(std::int32_t lngCursor) {
  CheckUsable();
  if (lngCursor != xlDefault && lngCursor != xlWait && lngCursor != xlNorthwestArrow &&
      lngCursor != xlIBeam) {
    throw Error("Den Mauszeiger " + std::to_string(lngCursor) + " gibt es nicht.");
  }
  lngCursor_ = lngCursor;
}

std::int32_t Application::SheetsInNewWorkbook() const {
  CheckUsable();
  return lngSheetsInNewWorkbook_;
}

void Application::SheetsInNewWorkbook(std::int32_t lngCount) {
  CheckUsable();
  if (lngCount < 1 || lngCount > 255) {
    throw Error("Eine neue Arbeitsmappe hat 1 bis 255 Tabellenblätter, nicht " +
                std::to_string(lngCount) + ".");
  }
  lngSheetsInNewWorkbook_ = lngCount;
}

Worksheet& Application::ActiveSheet() {
  CheckUsable();
  Workbook* workbook = workbooks_->Last();
  if (workbook == nullptr)
    throw Error(vb::kErrObjectRequired, "Es ist keine Arbeitsmappe geöffnet.");
  return workbook->ActiveSheet();
}

excel::Range Application::Cells(std::int32_t lngRow, std::int32_t lngColumn) {
  return ActiveSheet().Cells(lngRow, lngColumn);
}

double Application::CentimetersToPoints(double dblCentimeters) const {
  CheckUsable();
  return dblCentimeters * 72.0 / 2.54;
}

void Application::Quit() {
  CheckUsable();
  workbooks_->CloseAll();
  blnQuit_ = true;
}

void Application::WatchFolder(const std::filesystem::path& folder) {
  CheckUsable();
  std::filesystem::path normal = std::filesystem::absolute(folder).lexically_normal();
  if (normal.filename().empty() && normal.has_parent_path()) normal = normal.parent_path();
  if (std::find(watched_.begin(), watched_.end(), normal) == watched_.end()) {
    watched_.push_back(normal);
  }
}

void Application::CheckUsable() const {
  if (blnQuit_) throw Error("Excel wurde beendet; die Anwendung nimmt keine Aufrufe mehr an.");
}

}  // namespace excel

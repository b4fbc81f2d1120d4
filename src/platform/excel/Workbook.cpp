#include "platform/excel/Workbook.h"

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "platform/excel/save/WorkbookFile.h"

namespace excel {

namespace fs = std::filesystem;

Workbook::Workbook(Application& application, std::string strName, std::int32_t lngSheets)
    : application_(&application),
      strName_(std::move(strName)),
      palette_(DefaultPalette()),
      window_(*this) {
  for (std::int32_t i = 1; i <= lngSheets; ++i) {
    sheets_.push_back(std::make_unique<Worksheet>(*this, "Tabelle" + std::to_string(i)));
  }
}

Workbook::Workbook(Application& application, fs::path heldOpenPath)
    : application_(&application),
      strName_(heldOpenPath.filename().string()),
      path_(std::move(heldOpenPath)),
      blnHeldOpen_(true),
      palette_(DefaultPalette()),
      window_(*this) {}

Workbook::~Workbook() = default;

std::string Workbook::FullName() const {
  application_->CheckUsable();
  if (blnClosed_)
    throw Error(catalog::Format(_("Die Arbeitsmappe „{}“ ist geschlossen."), strName_));
  return path_.empty() ? strName_ : path_.string();
}

std::string Workbook::Name() const {
  application_->CheckUsable();
  if (blnClosed_)
    throw Error(catalog::Format(_("Die Arbeitsmappe „{}“ ist geschlossen."), strName_));
  return path_.empty() ? strName_ : path_.filename().string();
}

std::int32_t Workbook::Colors(std::int32_t lngIndex) const {
  CheckUsable();
  if (lngIndex < 1 || lngIndex > 56) {
    throw Error(
        catalog::Format(_("Den Farbindex {} gibt es nicht; die Palette hat die Einträge 1 bis 56."),
                        std::to_string(lngIndex)));
  }
  return palette_[lngIndex - 1];
}

void Workbook::Colors(std::int32_t lngIndex, std::int32_t lngColor) {
  CheckUsable();
  if (lngIndex < 1 || lngIndex > 56) {
    throw Error(
        catalog::Format(_("Den Farbindex {} gibt es nicht; die Palette hat die Einträge 1 bis 56."),
                        std::to_string(lngIndex)));
  }
  if (lngColor < 0 || lngColor > 0xFFFFFF) {
    throw Error(catalog::Format(_("Die Farbe {} ist kein RGB-Wert."), std::to_string(lngColor)));
  }
  palette_[lngIndex - 1] = lngColor;
}

Worksheet& Workbook::Worksheets(std::int32_t lngIndex) {
  CheckUsable();
  if (lngIndex < 1 || lngIndex > static_cast<std::int32_t>(sheets_.size())) {
    throw Error(
        9, catalog::Format(_("Das Tabellenblatt {} gibt es nicht."), std::to_string(lngIndex)));
  }
  return *sheets_[lngIndex - 1];
}

std::int32_t Workbook::WorksheetCount() const {
  CheckUsable();
  return static_cast<std::int32_t>(sheets_.size());
}

Worksheet& Workbook::ActiveSheet() {
  CheckUsable();
  return *sheets_[lngActiveSheet_];
}

excel::Window& Workbook::Windows(std::int32_t lngIndex) {
  CheckUsable();
  if (lngIndex != 1) {
    throw Error(9, catalog::Format(_("Das Fenster {} gibt es nicht."), std::to_string(lngIndex)));
  }
  return window_;
}

void Workbook::SaveAs(const std::string& strPath) {
  CheckUsable();
  fs::path target = fs::absolute(fs::path(strPath)).lexically_normal();
  for (Workbook& other : application_->Workbooks()) {
    if (&other != this && !other.IsHeldByOtherProgram() && other.FullName() == target.string()) {
      throw Error(catalog::Format(_("Die Arbeitsmappe kann nicht unter dem Namen einer anderen "
                                    "geöffneten Mappe gespeichert werden: „{}“."),
                                  target.string()));
    }
  }
  SaveWorkbookFile(*this, target);
  path_ = target;
  application_->WatchFolder(target.parent_path());
}

std::optional<LockFile> Workbook::HeldBy() const {
  if (!blnHeldOpen_) return std::nullopt;
  return LockFileOf(path_);
}

void Workbook::Close() {
  CheckUsable();
  blnClosed_ = true;
  application_->Workbooks().Closed(*this);
}

void Workbook::CheckUsable() const {
  application_->CheckUsable();
  if (blnClosed_)
    throw Error(catalog::Format(_("Die Arbeitsmappe „{}“ ist geschlossen."), strName_));
  if (blnHeldOpen_) {
    throw Error(catalog::Format(_("Die Datei „{}“ ist in einem anderen Programm geöffnet."),
                                path_.string()));
  }
}

void Workbook::ActivateSheet(const Worksheet& sheet) {
  for (std::size_t i = 0; i < sheets_.size(); ++i) {
    if (sheets_[i].get() == &sheet) lngActiveSheet_ = i;
  }
}

}  // namespace excel

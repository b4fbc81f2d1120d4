#include "settings/SaveDefaults.h"

#include <string>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/forms/Constants.h"
#include "platform/forms/FrontEnd.h"
#include "platform/registry/HiveFile.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/OnError.h"
#include "settings/SettingsTable.h"
#include "settings/basRegistry.h"

using namespace settings;

namespace {

constexpr const char* kSavedMessage =
    N_("Die aktuellen Diagrammeinstellungen wurden gespeichert.    ");
constexpr const char* kNotSavedMessage =
    N_("Die aktuellen Diagrammeinstellungen konnten nicht vollständig gespeichert werden.    ");
// A damaged registry file is replaced by the save; the user learns where the old one is kept.
std::string DamagedFileKept(const std::string& strBackup) {
  return catalog::Format(
      _("Die bisherige Registrierungsdatei war beschädigt und wurde ersetzt; sie ist als „{}“ "
        "aufbewahrt."),
      strBackup);
}

// Writes values one by one; a value that cannot be written is
// skipped, and the writer remembers that not everything was saved.
class Writer {
 public:
  explicit Writer(const char* strKey) : strKey_(strKey) {}

  template <class GetText>
  void operator()(const char* strValueName, GetText&& getText) {
    const bool blnFailed = steps_([&] {
      if (!WriteRegString(registry::HKEY_CURRENT_USER, strKey_, strValueName, getText())) {
        blnAllWritten_ = false;
      }
    });
    if (blnFailed) blnAllWritten_ = false;
  }

  void State(const char* strValueName, chart::Switch state) {
    (*this)(strValueName, [&] { return vb::CStr(static_cast<std::int32_t>(state)); });
  }

  bool AllWritten() const { return blnAllWritten_; }

 private:
  const char* strKey_;
  vb::ResumeNext steps_;
  bool blnAllWritten_ = true;
};

}  // namespace

bool SaveColorSettings(const chart::ChartOptions& options) {
  Writer colors(kKeyColors);
  for (std::size_t i = 0; i < chart::kColorCount; ++i) {
    colors(kColorValueNames[i], [&] { return vb::CStr(options.lngColors[i]); });
  }
  Writer shadows(kKeyShadows);
  shadows.State("ShadowArrow", options.shadowArrows);
  shadows.State("ShadowSymbols", options.shadowSymbols);
  return colors.AllWritten() && shadows.AllWritten();
}

bool SaveDefaults(const chart::ChartOptions& options, const std::string& strTitle) {
  // Every value of the save goes into the registry file at once, or none does.
  registry::HiveBatch batch(registry::RegistryFilePath());
  Writer settings(kKeySettings);
  settings("FieldResponsible", [&] { return options.strFieldResponsible; });
  settings("FieldParticipiant", [&] { return options.strFieldParticipant; });
  settings("FieldInformed", [&] { return options.strFieldInformed; });
  settings.State("UseFieldTargets", options.targets.use);
  settings("FieldTargets", [&] { return options.targets.strField; });
  settings.State("UseFieldStatus", options.status.use);
  settings("FieldStatus", [&] { return options.status.strField; });
  settings.State("UseFieldDesc", options.remarks.use);
  settings("FieldDesc", [&] { return options.remarks.strField; });
  settings.State("UseFieldStart", options.start);
  settings.State("UseFieldFinish", options.finish);
  settings.State("UseFieldDuration", options.duration);
  settings("ArrowLineWeight", [&] { return options.strArrowWeight; });
  settings("ArrowEndSize", [&] { return std::string(chart::ArrowSizeWord(options.arrowSize)); });
  settings.State("GroupTasks", options.groupTasks);
  settings.State("FreezePanes", options.freezePanes);
  settings("ColumnWidthRessources", [&] { return options.strColumnWidth; });
  settings("RowHeightTasks", [&] { return options.strRowHeight; });

  const bool blnColorsWritten = SaveColorSettings(options);
  const bool blnStored = batch.Commit() == registry::ERROR_SUCCESS;
  const bool blnAllWritten = blnColorsWritten && settings.AllWritten() && blnStored;

  // Tell the user only what is true: a save that failed is not reported as done.
  vb::TrySkip([&] {
    if (blnAllWritten) {
      forms::MsgBox(_(kSavedMessage), forms::vbOKOnly + forms::vbInformation, strTitle);
      if (!batch.KeptBackup().empty()) {
        forms::MsgBox(DamagedFileKept(batch.KeptBackup().string()),
                      forms::vbOKOnly + forms::vbInformation, strTitle);
      }
    } else {
      forms::MsgBox(_(kNotSavedMessage), forms::vbOKOnly + forms::vbExclamation, strTitle);
    }
  });
  return blnAllWritten;
}

#include "settings/SaveDefaults.h"

#include <string>

#include "platform/forms/FrontEnd.h"
#include "platform/registry/HiveFile.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/OnError.h"
#include "settings/SettingsTable.h"
#include "settings/basRegistry.h"
#include "wizard/frmQuorvan.h"

using namespace settings;

namespace {

constexpr const char* kSavedMessage = "Die aktuellen Diagrammeinstellungen wurden gespeichert.    ";
constexpr const char* kNotSavedMessage =
    "Die aktuellen Diagrammeinstellungen konnten nicht vollständig gespeichert werden.    ";
// A damaged registry file is replaced by the save; the user learns where the old one is kept.
std::string DamagedFileKept(const std::string& strBackup) {
  return "Die bisherige Registrierungsdatei war beschädigt und wurde ersetzt; sie ist als „" +
         strBackup + "“ aufbewahrt.";
}

// Writes values one by one; a value that cannot be read from its control or written is
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

  void State(const char* strValueName, const forms::CheckBox& chk) {
    (*this)(strValueName, [&] { return vb::CStr(static_cast<std::int32_t>(chk.Value())); });
  }

  bool AllWritten() const { return blnAllWritten_; }

 private:
  const char* strKey_;
  vb::ResumeNext steps_;
  bool blnAllWritten_ = true;
};

}  // namespace

bool SaveColorSettings(frmQuorvan& frm) {
  Writer colors(kKeyColors);
  for (const ColorSetting& color : kColorSettings) {
    colors(color.strValueName, [&] { return vb::CStr((frm.*color.lblSwatch).BackColor()); });
  }
  Writer shadows(kKeyShadows);
  shadows.State("ShadowArrow", frm.chkShadowArrows);
  shadows.State("ShadowSymbols", frm.chkShadowSymbols);
  return colors.AllWritten() && shadows.AllWritten();
}

bool SaveDefaults(frmQuorvan& frm) {
  // Every value of the save goes into the registry file at once, or none does.
  registry::HiveBatch batch(registry::RegistryFilePath());
  Writer settings(kKeySettings);
  settings("FieldResponsible", [&] { return frm.cboFieldResponsible.Text(); });
  settings("FieldParticipiant", [&] { return frm.cboFieldParticipiant.Text(); });
  settings("FieldInformed", [&] { return frm.cboFieldInformed.Text(); });
  settings.State("UseFieldTargets", frm.chkTargets);
  settings("FieldTargets", [&] { return frm.cboFieldTargets.Text(); });
  settings.State("UseFieldStatus", frm.chkStatus);
  settings("FieldStatus", [&] { return frm.cboFieldStatus.Text(); });
  settings.State("UseFieldDesc", frm.chkDesc);
  settings("FieldDesc", [&] { return frm.cboFieldDesc.Text(); });
  settings.State("UseFieldStart", frm.chkStart);
  settings.State("UseFieldFinish", frm.chkFinish);
  settings.State("UseFieldDuration", frm.chkDuration);
  settings("ArrowLineWeight", [&] { return frm.txtArrowThickness.Text(); });
  settings("ArrowEndSize", [&] {
    const std::string& strSize = frm.cboArrowSize.Text();
    return IsArrowSize(strSize) ? strSize : std::string(kArrowSizeDefault);
  });
  settings.State("GroupTasks", frm.chkGroupTasks);
  settings.State("FreezePanes", frm.chkFreezePanes);
  settings("ColumnWidthRessources", [&] { return frm.txtColumnWidth.Text(); });
  settings("RowHeightTasks", [&] { return frm.txtRowHeight.Text(); });

  const bool blnColorsWritten = SaveColorSettings(frm);
  const bool blnStored = batch.Commit() == registry::ERROR_SUCCESS;
  const bool blnAllWritten = blnColorsWritten && settings.AllWritten() && blnStored;

  // Tell the user only what is true: a save that failed is not reported as done.
  vb::TrySkip([&] {
    if (blnAllWritten) {
      forms::MsgBox(kSavedMessage, forms::vbOKOnly + forms::vbInformation, frm.Caption());
      if (!batch.KeptBackup().empty()) {
        forms::MsgBox(DamagedFileKept(batch.KeptBackup().string()),
                      forms::vbOKOnly + forms::vbInformation, frm.Caption());
      }
    } else {
      forms::MsgBox(kNotSavedMessage, forms::vbOKOnly + forms::vbExclamation, frm.Caption());
    }
  });
  return blnAllWritten;
}

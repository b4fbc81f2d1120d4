// The wizard's calls into the dialogs and the settings: the colour picker, the information
// dialog, the save dialog, saving the defaults and the field identifiers.
// Interim: these answer as if the user cancelled until the dialogs and settings land.

#include "wizard/frmQuorvan.h"

std::int32_t frmQuorvan::PickColor(std::int32_t lngInitColor) {
  return lngInitColor;
}

void frmQuorvan::ShowInfoDialog() {}

void frmQuorvan::cmdSave_Click() {}

void frmQuorvan::cmdSetDefaults_Click() {}

std::int32_t frmQuorvan::FieldId(const std::string& strFieldName) {
  (void)strFieldName;
  return -1;
}

// The wizard's calls into the dialogs and the stored defaults: the colour picker, the save
// dialog, saving the defaults, the field identifiers and the information dialog.

#include "dialogs/basColor.h"
#include "dialogs/basDialogXLFile.h"
#include "dialogs/frmInfo.h"
#include "platform/msproject/Application.h"
#include "platform/vb/OnError.h"
#include "settings/SaveDefaults.h"
#include "wizard/Globals.h"
#include "wizard/frmQuorvan.h"

namespace {

constexpr std::int32_t RGB(std::int32_t lngRed, std::int32_t lngGreen, std::int32_t lngBlue) {
  return lngRed + 256 * lngGreen + 65536 * lngBlue;
}

}  // namespace

std::int32_t frmQuorvan::PickColor(std::int32_t lngInitColor) {
  // The same sixteen custom colours every time.
  return basColor::ShowColorDialog(
      lngInitColor, RGB(0, 128, 255), RGB(128, 128, 255), RGB(176, 176, 255), RGB(222, 222, 255),
      RGB(202, 255, 255), RGB(106, 255, 255), RGB(0, 222, 222), RGB(0, 144, 144), RGB(255, 0, 0),
      RGB(255, 128, 128), RGB(255, 176, 176), RGB(255, 222, 222), RGB(255, 255, 222),
      RGB(255, 255, 176), RGB(255, 255, 96), RGB(255, 255, 0));
}

void frmQuorvan::cmdSave_Click() {
  if (blnRunning_) return;
  auto strPath = vb::TryRead([] {
    msproject::Project& objProject = ActiveProject();
    return basDialogXLFile::GetChartFileName(objProject.Path(), objProject.Name());
  });
  if (strPath && !strPath->empty()) vb::TrySkip([&] { txtChartPath.Text(*strPath); });
}

void frmQuorvan::cmdSetDefaults_Click() {
  if (blnRunning_) return;
  SaveDefaults(Options(), Caption());
}

void frmQuorvan::ShowInfoDialog() {
  frmInfo frmDialog;
  vb::TrySkip([&] { frmDialog.ShowBeside(*this); });
}

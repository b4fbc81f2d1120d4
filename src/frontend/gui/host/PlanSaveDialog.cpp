#include "gui/host/PlanSaveDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <filesystem>

#include "platform/catalog/Catalog.h"
#include "platform/msproject/Project.h"

namespace gui {

QString PlanFileToSave(const msproject::Project& objPlan) {
  return objPlan.ReadFromXml() ? QString::fromStdString(objPlan.FullName()) : QString();
}

QString ProposedPlanXml(const msproject::Project& objPlan) {
  if (objPlan.ReadFromXml()) return QString::fromStdString(objPlan.FullName());
  std::filesystem::path file(objPlan.FullName());
  file.replace_extension(".xml");
  return QString::fromStdString(file.string());
}

QString AskWhereToSavePlan(QWidget* parent, const msproject::Project& objPlan,
                           const DialogHook& hook) {
  QFileDialog dialog(parent, QString::fromUtf8(_("Speichern unter")));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters({QString::fromUtf8(_("Microsoft Project XML (*.xml)"))});
  dialog.setDefaultSuffix(QStringLiteral("xml"));
  const QFileInfo proposed(ProposedPlanXml(objPlan));
  dialog.setDirectory(proposed.absolutePath());
  dialog.selectFile(proposed.fileName());
  if (RunDialog(dialog, hook) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace gui

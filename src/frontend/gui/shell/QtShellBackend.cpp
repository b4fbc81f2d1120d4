#include "gui/shell/QtShellBackend.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QUrl>

#include "gui/shell/NameFilters.h"
#include "platform/catalog/Catalog.h"

namespace gui {

namespace {

QString Text(const std::string& strText) {
  return QString::fromStdString(strText);
}

QColor ToQColor(shell::COLORREF color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

shell::COLORREF ToColorRef(const QColor& color) {
  const QColor rgb = color.toRgb();
  return static_cast<shell::COLORREF>(rgb.red()) | static_cast<shell::COLORREF>(rgb.green()) << 8 |
         static_cast<shell::COLORREF>(rgb.blue()) << 16;
}

// The file dialog set up from the record; the caller sets the mode.
void SetUp(QFileDialog& dialog, const shell::FileDialogRequest& request,
           const QString& strDefaultTitle) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setWindowTitle(request.strTitle.empty() ? strDefaultTitle : Text(request.strTitle));
  const QStringList colFilters = NameFilters(request.filters);
  dialog.setNameFilters(colFilters);
  const int intIndex = static_cast<int>(request.record.nFilterIndex);
  if (intIndex >= 1 && intIndex <= colFilters.size())
    dialog.selectNameFilter(colFilters[intIndex - 1]);
  if (!request.strInitialDir.empty()) dialog.setDirectory(Text(request.strInitialDir));
  if (!request.strDefExt.empty()) {
    QString strSuffix = Text(request.strDefExt);
    while (strSuffix.startsWith(QLatin1Char('.'))) strSuffix.remove(0, 1);
    dialog.setDefaultSuffix(strSuffix);
  }
  if (!request.strFile.empty()) dialog.selectFile(Text(request.strFile));
}

std::vector<std::string> ChosenFiles(const QFileDialog& dialog) {
  std::vector<std::string> colFiles;
  for (const QString& strFile : dialog.selectedFiles()) {
    colFiles.push_back(QDir::cleanPath(QFileInfo(strFile).absoluteFilePath()).toStdString());
  }
  return colFiles;
}

bool IsOpenVerb(const std::string& strVerb) {
  return strVerb.empty() ||
         QString::fromStdString(strVerb).compare(QStringLiteral("open"), Qt::CaseInsensitive) == 0;
}

}  // namespace

QtShellBackend::QtShellBackend() : previous_(shell::SetBackend(this)) {}

QtShellBackend::~QtShellBackend() {
  shell::SetBackend(previous_);
}

std::optional<std::vector<std::string>> QtShellBackend::GetOpenFileName(
    const shell::FileDialogRequest& request) {
  QFileDialog dialog(DialogOwner());
  SetUp(dialog, request, QString::fromUtf8(_("Öffnen")));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  const shell::DWORD dwFlags = request.record.Flags;
  if ((dwFlags & shell::OFN_ALLOWMULTISELECT) != 0) {
    dialog.setFileMode(QFileDialog::ExistingFiles);
  } else if ((dwFlags & shell::OFN_FILEMUSTEXIST) != 0) {
    dialog.setFileMode(QFileDialog::ExistingFile);
  } else {
    dialog.setFileMode(QFileDialog::AnyFile);
  }
  if (RunDialog(dialog, OnDialog) != QDialog::Accepted) return std::nullopt;
  std::vector<std::string> colFiles = ChosenFiles(dialog);
  if (colFiles.empty()) return std::nullopt;
  return colFiles;
}

std::optional<std::string> QtShellBackend::GetSaveFileName(
    const shell::FileDialogRequest& request) {
  QFileDialog dialog(DialogOwner());
  SetUp(dialog, request, QString::fromUtf8(_("Speichern unter")));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite,
                   (request.record.Flags & shell::OFN_OVERWRITEPROMPT) == 0);
  if (RunDialog(dialog, OnDialog) != QDialog::Accepted) return std::nullopt;
  const std::vector<std::string> colFiles = ChosenFiles(dialog);
  if (colFiles.empty()) return std::nullopt;
  return colFiles.front();
}

std::optional<shell::COLORREF> QtShellBackend::ChooseColor(
    const shell::ColorDialogRequest& request,
    std::array<shell::COLORREF, shell::kCustomColorCount>& custColors) {
  // Qt keeps one table of custom colours for the whole application, as sixteen entries.
  for (std::size_t i = 0; i < shell::kCustomColorCount; ++i) {
    QColorDialog::setCustomColor(static_cast<int>(i), ToQColor(request.custColors[i]));
  }
  QColorDialog dialog(DialogOwner());
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if ((request.record.Flags & shell::CC_RGBINIT) != 0) {
    dialog.setCurrentColor(ToQColor(request.record.rgbResult));
  } else {
    dialog.setCurrentColor(Qt::black);
  }
  const int intResult = RunDialog(dialog, OnDialog);
  for (std::size_t i = 0; i < shell::kCustomColorCount; ++i) {
    custColors[i] = ToColorRef(QColorDialog::customColor(static_cast<int>(i)));
  }
  if (intResult != QDialog::Accepted) return std::nullopt;
  return ToColorRef(dialog.selectedColor());
}

std::optional<std::string> QtShellBackend::BrowseForFolder(
    const shell::FolderDialogRequest& request) {
  QFileDialog dialog(DialogOwner());
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setWindowTitle(request.strTitle.empty() ? QString::fromUtf8(_("Ordner suchen"))
                                                 : Text(request.strTitle));
  if (RunDialog(dialog, OnDialog) != QDialog::Accepted) return std::nullopt;
  const std::vector<std::string> colFolders = ChosenFiles(dialog);
  if (colFolders.empty()) return std::string();
  return colFolders.front();
}

shell::HINSTANCE QtShellBackend::ShellExecute(const shell::ShellExecuteRequest& request) {
  if (!IsOpenVerb(request.strOperation)) return shell::SE_ERR_NOASSOC;
  if (request.strFile.empty()) return shell::SE_ERR_FNF;
  const QString strWorkingDir =
      request.strDirectory.empty() ? QDir::currentPath() : Text(request.strDirectory);
  const QUrl url = QUrl::fromUserInput(Text(request.strFile), strWorkingDir, QUrl::AssumeLocalFile);
  if (!url.isValid()) return shell::SE_ERR_FNF;
  return QDesktopServices::openUrl(url) ? shell::kShellExecuteOK : shell::SE_ERR_NOASSOC;
}

}  // namespace gui

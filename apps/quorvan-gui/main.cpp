// quorvan-gui: the host window of a project plan with the add-in Quorvan, whose wizard turns
// the plan into a communication chart.

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTranslator>
#include <iostream>

#include "Arguments.h"
#include "StartDiagnosis.h"
#include "gui/forms/QtFrontEnd.h"
#include "gui/host/HostWindow.h"
#include "gui/shell/GermanQt.h"
#include "gui/shell/QtShellBackend.h"
#include "platform/catalog/Catalog.h"

int main(int argc, char** argv) {
  catalog::Start();
  // Help and version need no display.
  if (const GuiArguments early = ParseArguments(argc, argv); early.blnHelp || early.blnVersion) {
    std::cout << (early.blnHelp ? HelpText() : VersionText());
    return 0;
  }
  // QApplication takes its own options (-platform …) out of argv.
  QApplication app(argc, argv);
  // QApplication set the locale from the environment again; the catalog keeps its language.
  catalog::Use(catalog::Current());
  const GuiArguments args = ParseArguments(argc, argv);
  if (!args.strError.empty()) {
    std::cerr << args.strError << _("\nMehr dazu: quorvan-gui --help\n");
    return 2;
  }

  QApplication::setApplicationName(QStringLiteral("Quorvan"));
  QApplication::setOrganizationName(QStringLiteral("Tevrana"));
  QApplication::setDesktopFileName(QStringLiteral("quorvan"));
  // Qt's own dialogs and buttons speak the catalog's language: English is Qt's own.
  QTranslator qtGerman;
  if (catalog::Current() == catalog::Language::English) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  } else {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    gui::InstallGermanQt(qtGerman);
  }

  gui::QtFrontEnd frontEnd;
  gui::QtShellBackend shell;
  gui::HostWindow window;
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/quorvan/quorvan.svg")));
  frontEnd.HostWindow(&window);
  if (args.strPlan) window.OpenPlan(QString::fromLocal8Bit(args.strPlan->c_str()));
  if (args.blnDiagnoseStart) DiagnoseStart(window, frontEnd);
  window.show();
  return QApplication::exec();
}

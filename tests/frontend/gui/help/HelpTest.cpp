// "Hilfe", the host window's last menu: F1 shows the German manual with its text and pictures,
// its links lead within it; a missing manual is named; "Über Quorvan" names the version, Qt's
// version at run time, the libraries and the licence, in German and in English.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QToolButton>
#include <QUrl>
#include <QVariant>

#include "frontend/gui/HostTesting.h"
#include "gui/help/AboutDialog.h"
#include "gui/help/ManualWindow.h"
#include "platform/catalog/Catalog.h"
#include "version/Version.h"

namespace {

using guitest::HostTest;

class HelpTest : public HostTest {
 protected:
  // The pictures the page shown names, each as the browser loads it.
  static std::vector<QImage> Pictures(QTextBrowser& browser) {
    std::vector<QImage> colPictures;
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (!format.isImageFormat()) continue;
        // The browser reads a file's bytes; a picture it holds already comes as one.
        const QVariant picture =
            browser.loadResource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()));
        if (picture.typeId() == QMetaType::QByteArray) {
          colPictures.push_back(QImage::fromData(picture.toByteArray()));
        } else if (picture.typeId() == QMetaType::QPixmap) {
          colPictures.push_back(picture.value<QPixmap>().toImage());
        } else {
          colPictures.push_back(picture.value<QImage>());
        }
      }
    }
    return colPictures;
  }
};

TEST_F(HelpTest, F1ShowsTheManualWithItsTextPicturesAndLinks) {
  gui::HostWindow& host = StartHost();
  const QList<QAction*> colMenus = host.menuBar()->actions();
  ASSERT_FALSE(colMenus.isEmpty());
  EXPECT_EQ(colMenus.back()->text(), "&Hilfe");
  EXPECT_THAT(MenuTexts(host.HelpMenu()), testing::ElementsAre("&Handbuch", "Ü&ber Quorvan"));
  EXPECT_EQ(host.ManualAction().shortcut(), QKeySequence(Qt::Key_F1));

  QApplication::setActiveWindow(&host);
  QTest::keyClick(&host, Qt::Key_F1);
  auto* manual = host.findChild<gui::ManualWindow*>();
  ASSERT_NE(manual, nullptr);
  EXPECT_TRUE(manual->isVisible());
  EXPECT_FALSE(manual->isModal());  // read beside the window
  QTextBrowser& browser = manual->Browser();
  const QString strText = browser.toPlainText();
  for (const char* strPart : {"Einen Plan öffnen", "Text21", "Semikolon", "Schritt 2",
                              "Seitenbreite", "quorvan --help"}) {
    EXPECT_TRUE(strText.contains(QString::fromUtf8(strPart))) << strPart;
  }
  const std::vector<QImage> colPictures = Pictures(browser);
  ASSERT_GE(colPictures.size(), 4u);
  for (const QImage& picture : colPictures) EXPECT_GT(picture.width(), 300);

  // A link of the contents leads to its section; back returns.
  const int intTop = browser.verticalScrollBar()->value();
  browser.setSource(QUrl(QStringLiteral("#befehlszeile")));
  EXPECT_GT(browser.verticalScrollBar()->value(), intTop);
  auto* back = manual->findChild<QToolButton*>(QStringLiteral("manualBack"));
  ASSERT_NE(back, nullptr);
  EXPECT_TRUE(back->isEnabled());
  back->click();
  EXPECT_EQ(browser.verticalScrollBar()->value(), intTop);

  // F1 again shows the same window.
  manual->close();
  host.ManualAction().trigger();
  EXPECT_EQ(host.findChildren<gui::ManualWindow*>().size(), 1);
  EXPECT_TRUE(manual->isVisible());
  guitest::SaveShot(*manual, "manual");
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(HelpTest, AMissingManualIsNamed) {
  gui::HostWindow& host = StartHost();
  const std::filesystem::path missing = dir_ / "manual" / "index.html";
  EXPECT_EQ(gui::ShowManual(host, missing), nullptr);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_.front().strTitle, "Quorvan");
  EXPECT_EQ(boxes_.front().icon, QMessageBox::Warning);
  EXPECT_EQ(boxes_.front().strText.toStdString(),
            "Das Handbuch wurde nicht gefunden: Die Datei „" + missing.string() +
                "“ fehlt. Installieren Sie Quorvan erneut, um es wiederherzustellen.");
  EXPECT_EQ(host.findChild<gui::ManualWindow*>(), nullptr);
}

// The build's programs and tests find the manual of the sources, with every picture it names.
TEST_F(HelpTest, TheManualIsFoundWithItsPictures) {
  const std::filesystem::path index = gui::ManualIndex();
  ASSERT_TRUE(std::filesystem::is_regular_file(index)) << index;
  gui::ManualWindow manual(index);
  const std::vector<QImage> colPictures = Pictures(manual.Browser());
  EXPECT_GE(colPictures.size(), 4u);
  for (const QImage& picture : colPictures) EXPECT_FALSE(picture.isNull());
}

TEST_F(HelpTest, AboutNamesTheVersionTheLibrariesAndTheLicenceInBothLanguages) {
  gui::HostWindow& host = StartHost();
  QString strTitle, strText, strLicence;
  host.OnDialog = [&](QDialog& dialog) {
    auto& about = dynamic_cast<gui::AboutDialog&>(dialog);
    strTitle = about.windowTitle();
    strText = about.Text();
    strLicence = about.Licence().toPlainText();
    if (catalog::Current() == catalog::Language::German) guitest::SaveShot(about, "about");
    dialog.reject();
  };
  host.AboutAction().trigger();
  EXPECT_EQ(strTitle, "Über Quorvan");
  for (const QString& strPart :
       {QStringLiteral("Quorvan"), QStringLiteral("Version " QUORVAN_VERSION_TEXT),
        QStringLiteral("Qt ") + QString::fromLatin1(qVersion()), QStringLiteral("libzip"),
        QStringLiteral("libgsf"), QStringLiteral("pugixml"), QStringLiteral("CLI11"),
        QStringLiteral("Copyright © Tevrana"), QStringLiteral("Verwendete Bibliotheken")}) {
    EXPECT_TRUE(strText.contains(strPart)) << strPart.toStdString() << "\n"
                                           << strText.toStdString();
  }
  EXPECT_TRUE(strLicence.contains(QStringLiteral("Alle Rechte vorbehalten")));
  EXPECT_TRUE(strLicence.contains(QStringLiteral("CLI11")));

  catalog::Use(catalog::Language::English);
  host.AboutAction().trigger();
  catalog::Use(catalog::Language::German);
  EXPECT_EQ(strTitle, "About Quorvan");
  EXPECT_TRUE(strText.contains(QStringLiteral("Version " QUORVAN_VERSION_TEXT)));
  EXPECT_TRUE(strText.contains(QStringLiteral("Libraries used")));
}

}  // namespace

// The information dialog: what it shows, its links, the hover effect and its placing.

#include <gtest/gtest.h>

#include "dialogs/frmInfo.h"
#include "support/ScriptedBackend.h"
#include "version/Version.h"

namespace {

class InfoDialog : public ::testing::Test {
 protected:
  InfoDialog() { frm.Load(); }

  shell::ScriptedBackend backend;
  frmInfo frm;
};

TEST_F(InfoDialog, ShowsProductVersionAndPurpose) {
  EXPECT_EQ(frm.Caption(), "Quorvan Info");
  EXPECT_EQ(frm.lblInfo1.Caption(), "Quorvan (Version " QUORVAN_VERSION_TEXT ")");
  EXPECT_EQ(frm.lblInfo2.Caption(),
            "COM Addin zur Erstellung von Kommunikationsdiagrammen aus Projektplänen");
  EXPECT_EQ(frm.lblInfo4.Caption(), "");
  EXPECT_EQ(frm.lblInfo6.Caption(), "Eine Beschreibung dieses Addins finden Sie unter");
  EXPECT_EQ(frm.lblWeb.Caption(), "https://www.tevrana.de/quorvan");
  EXPECT_EQ(frm.lblWeb.ToolTipText(), "https://www.tevrana.de/quorvan");
  EXPECT_EQ(frm.imgLogo.Tag(), "https://www.tevrana.de");
  EXPECT_EQ(frm.cmdOK.Caption(), "OK");
  EXPECT_EQ(frm.cmdOK.ToolTipText(), "Klicken Sie hier, um den Dialog zu verlassen.");
}

TEST_F(InfoDialog, LinksOpenInTheBrowser) {
  frm.lblWeb.Click();
  frm.imgLogo.Click();
  ASSERT_EQ(backend.Links().size(), 2u);
  EXPECT_EQ(backend.Links()[0].strFile, "https://www.tevrana.de/quorvan");
  EXPECT_EQ(backend.Links()[0].strOperation, "Open");
  EXPECT_EQ(backend.Links()[1].strFile, "https://www.tevrana.de");
}

TEST_F(InfoDialog, OkClosesTheDialog) {
  frm.cmdOK.Click();
  EXPECT_FALSE(frm.Loaded());
  EXPECT_FALSE(frm.Visible());
}

TEST_F(InfoDialog, WebLinkIsUnderlinedWhileTheMouseIsOnIt) {
  EXPECT_FALSE(frm.lblWeb.FontUnderline());
  frm.lblWeb.MouseMove(0, 0, 10, 10);
  EXPECT_TRUE(frm.lblWeb.FontUnderline());
  // Other controls leave the underline as it is.
  frm.imgLogo.MouseMove(0, 0, 10, 10);
  frm.cmdOK.MouseMove(0, 0, 10, 10);
  frm.lblInfo6.MouseMove(0, 0, 10, 10);
  EXPECT_TRUE(frm.lblWeb.FontUnderline());
  // The dialog's free area removes it.
  frm.MouseMove(0, 0, 100, 100);
  EXPECT_FALSE(frm.lblWeb.FontUnderline());
  frm.MouseMove(0, 0, 100, 100);
  EXPECT_FALSE(frm.lblWeb.FontUnderline());
  frm.cmdOK.MouseMove(0, 0, 10, 10);
  EXPECT_FALSE(frm.lblWeb.FontUnderline());
}

TEST_F(InfoDialog, EveryLoadingStartsWithoutUnderline) {
  frm.lblWeb.MouseMove(0, 0, 10, 10);
  frm.cmdOK.Click();
  frm.Load();
  EXPECT_FALSE(frm.lblWeb.FontUnderline());
}

TEST(InfoDialogShow, PlacedBesideTheOwnerAndModal) {
  shell::ScriptedBackend backend;
  forms::Form frmOwner("frmOwner");
  frmOwner.Move(1200, 900, 11100, 7680);
  frmInfo frm;
  bool blnShown = false;
  const forms::ModalHandler previous = forms::SetModalHandler([&](forms::Form& frmModal) {
    blnShown = true;
    EXPECT_EQ(&frmModal, &frm);
    EXPECT_TRUE(frmModal.Modal());
    EXPECT_EQ(frmModal.Left(), 1500);
    EXPECT_EQ(frmModal.Top(), 1200);
    frm.cmdOK.Click();
  });
  frm.ShowBeside(frmOwner);
  forms::SetModalHandler(previous);
  EXPECT_TRUE(blnShown);
  EXPECT_FALSE(frm.Loaded());
}

}  // namespace

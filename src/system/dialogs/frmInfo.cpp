#include "dialogs/frmInfo.h"

#include "dialogs/basMail.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "version/Version.h"

namespace {

constexpr std::int32_t kOffsetFromOwner = 300;  // twips right of and below the owner
constexpr std::int32_t kLinkColor = 0xFF0000;   // blue

constexpr const char* kMakerAddress = "https://www.tevrana.de";
constexpr const char* kProductAddress = "https://www.tevrana.de/quorvan";

void Place(forms::Control& ctl, forms::Frame* container, std::int32_t lngLeft, std::int32_t lngTop,
           std::int32_t lngWidth, std::int32_t lngHeight) {
  if (container != nullptr) ctl.Container(*container);
  ctl.Move(lngLeft, lngTop, lngWidth, lngHeight);
}

}  // namespace

frmInfo::frmInfo() : Form("frmInfo") {
  cmdOK.OnClick = [this] { cmdOK_Click(); };
  lblWeb.OnClick = [this] { lblWeb_Click(); };
  lblWeb.OnMouseMove = [this](int intButton, int intShift, float sngX, float sngY) {
    lblWeb_MouseMove(intButton, intShift, sngX, sngY);
  };
  imgLogo.OnClick = [this] { imgLogo_Click(); };
}

frmInfo::~frmInfo() = default;

void frmInfo::InitializeComponent() {
  Caption(_("Quorvan Info"));
  Width(6090);
  Height(4830);

  imgTop.Picture("Quorvan-Banner");
  imgTop.Stretch(true);
  Place(imgTop, nullptr, 0, 0, 6000, 855);
  fraSeparatorTop.Caption("");
  Place(fraSeparatorTop, nullptr, 0, 855, 6000, 30);

  fraInfo.Caption("");
  Place(fraInfo, nullptr, 120, 1020, 5760, 2700);
  lblInfo1.Caption(catalog::Format(_("Quorvan (Version {})"), QUORVAN_VERSION_TEXT));
  lblInfo1.FontBold(true);
  Place(lblInfo1, &fraInfo, 240, 240, 5280, 255);
  lblInfo2.Caption(_("COM Addin zur Erstellung von Kommunikationsdiagrammen aus Projektplänen"));
  Place(lblInfo2, &fraInfo, 240, 600, 5280, 435);
  lblInfo4.Caption("");
  Place(lblInfo4, &fraInfo, 240, 1140, 5280, 255);
  lblInfo6.Caption(_("Eine Beschreibung dieses Addins finden Sie unter"));
  Place(lblInfo6, &fraInfo, 240, 1500, 5280, 255);
  lblWeb.Caption(kProductAddress);
  lblWeb.ToolTipText(kProductAddress);
  lblWeb.ForeColor(kLinkColor);
  lblWeb.FontUnderline(false);
  Place(lblWeb, &fraInfo, 240, 1860, 3840, 255);
  imgLogo.Picture("Tevrana-Logo");
  imgLogo.Tag(kMakerAddress);
  imgLogo.ToolTipText(kMakerAddress);
  Place(imgLogo, &fraInfo, 4500, 1800, 960, 816);

  cmdOK.Caption("OK");
  cmdOK.ToolTipText(_("Klicken Sie hier, um den Dialog zu verlassen."));
  cmdOK.Default(true);
  cmdOK.Cancel(true);
  Place(cmdOK, nullptr, 4545, 3900, 1335, 375);
}

void frmInfo::ShowBeside(const forms::Form& frmOwner) {
  Load();
  Left(frmOwner.Left() + kOffsetFromOwner);
  Top(frmOwner.Top() + kOffsetFromOwner);
  Show(forms::vbModal);
}

void frmInfo::cmdOK_Click() {
  Unload();
}

void frmInfo::lblWeb_Click() {
  basMail::OpenLink(lblWeb.Caption());
}

void frmInfo::imgLogo_Click() {
  basMail::OpenLink(imgLogo.Tag());
}

void frmInfo::lblWeb_MouseMove(int, int, float, float) {
  if (!lblWeb.FontUnderline()) lblWeb.FontUnderline(true);
}

void frmInfo::Form_MouseMove(int, int, float, float) {
  if (lblWeb.FontUnderline()) lblWeb.FontUnderline(false);
}

// The wizard's design-time state: size, captions, tooltips, tags, the initial colours and the
// positions in twips. Every loading of the form starts from here.

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "wizard/StepLayout.h"
#include "wizard/frmQuorvan.h"

namespace {

constexpr std::int32_t kFrameWidth = 10335;
constexpr std::int32_t kFrameHeight = 4455;
constexpr std::int32_t kButtonWidth = 1335;
constexpr std::int32_t kButtonHeight = 375;
constexpr std::int32_t kButtonTop = 6840;
constexpr std::int32_t kTextWidth = 9615;
// The heights of a text box or combo box, and of a colour swatch.
constexpr std::int32_t kBoxHeight = 315;
constexpr std::int32_t kSwatchHeight = 375;

// The colours that the swatches show before the stored defaults are applied.
constexpr std::int32_t kColorLightGrey = 14737632;  // 224, 224, 224
constexpr std::int32_t kColorSubprojects = 12640511;
constexpr std::int32_t kColorSummaries = 12648447;
constexpr std::int32_t kColorWhite = 16777215;
constexpr std::int32_t kColorBlue = 16711680;
constexpr std::int32_t kColorBlack = 0;
constexpr std::int32_t kColorSilver = 12632256;  // 192, 192, 192

void Place(forms::Control& ctl, forms::Frame* container, std::int32_t lngLeft, std::int32_t lngTop,
           std::int32_t lngWidth, std::int32_t lngHeight) {
  if (container != nullptr) ctl.Container(*container);
  ctl.Move(lngLeft, lngTop, lngWidth, lngHeight);
}

void Paragraph(forms::Label& lbl, forms::Frame& fra, const std::string& strCaption,
               std::int32_t lngTop, std::int32_t lngHeight) {
  lbl.Caption(strCaption);
  Place(lbl, &fra, 360, lngTop, kTextWidth, lngHeight);
}

// A step's frame and its heading "Schritt n von 7".
void Step(forms::Frame& fra, forms::Label& lblHeading, int intStep) {
  fra.Caption("");
  fra.BorderStyle(0);
  fra.Tag(wizard::StepTag(intStep));
  Place(fra, nullptr, wizard::kOutOfView, wizard::kOutOfView, kFrameWidth, kFrameHeight);
  lblHeading.Caption(catalog::Format(_("Schritt {} von {}"), intStep, 7));
  lblHeading.FontBold(true);
  Place(lblHeading, &fra, 360, 120, kTextWidth, 255);
}

void Button(forms::CommandButton& cmd, forms::Frame* fra, const std::string& strCaption,
            const std::string& strToolTip, std::int32_t lngLeft, std::int32_t lngTop) {
  cmd.Caption(strCaption);
  cmd.ToolTipText(strToolTip);
  Place(cmd, fra, lngLeft, lngTop, kButtonWidth, kButtonHeight);
}

// A check box; one beside another control takes that control's height, so that its caption
// stands level with it.
void Check(forms::CheckBox& chk, forms::Frame& fra, const std::string& strCaption,
           const std::string& strToolTip, std::int32_t lngLeft, std::int32_t lngTop,
           std::int32_t lngWidth, std::int32_t lngHeight = 300) {
  chk.Caption(strCaption);
  chk.ToolTipText(strToolTip);
  chk.Value(forms::vbUnchecked);
  Place(chk, &fra, lngLeft, lngTop, lngWidth, lngHeight);
}

void Field(forms::ComboBox& cbo, forms::Frame& fra, const std::string& strToolTip,
           std::int32_t lngLeft, std::int32_t lngTop) {
  cbo.Clear();
  cbo.Text("");
  cbo.ToolTipText(strToolTip);
  Place(cbo, &fra, lngLeft, lngTop, 2895, kBoxHeight);
}

// A caption beside a control: the control's top and height, so that its one line stands level
// with the control's text.
void LabelAt(forms::Label& lbl, forms::Frame& fra, const std::string& strCaption,
             std::int32_t lngLeft, std::int32_t lngTop, std::int32_t lngWidth,
             std::int32_t lngHeight) {
  lbl.Caption(strCaption);
  Place(lbl, &fra, lngLeft, lngTop, lngWidth, lngHeight);
}

// One colour row: caption, swatch, "Ändern..." button.
void ColorRow(forms::Label& lblCaption, const std::string& strCaption, forms::Label& lblSwatch,
              std::int32_t lngColor, forms::CommandButton& cmd, const std::string& strToolTip,
              forms::Frame& fra, std::int32_t lngTop) {
  if (!strCaption.empty()) LabelAt(lblCaption, fra, strCaption, 360, lngTop, 2655, kSwatchHeight);
  lblSwatch.Caption("");
  lblSwatch.BorderStyle(1);
  lblSwatch.BackColor(lngColor);
  Place(lblSwatch, &fra, 3120, lngTop, 1215, kSwatchHeight);
  Button(cmd, &fra, _("Ändern..."), strToolTip, 4560, lngTop);
}

}  // namespace

void frmQuorvan::InitializeComponent() {
  Caption(_("Quorvan Assistent"));
  Move(0, 0, 11100, 7680);
  MousePointer(forms::vbDefault);

  imgTop.Picture("Quorvan-Banner");
  imgTop.Stretch(true);
  Place(imgTop, nullptr, 0, 0, 11100, 1800);
  fraSeparatorTop.Caption("");
  Place(fraSeparatorTop, nullptr, -120, 1800, 11340, 30);
  fraSeparatorBottom.Caption("");
  Place(fraSeparatorBottom, nullptr, -120, 6600, 11340, 30);

  // The buttons along the bottom.
  // The buttons' access keys differ on every step: Alt with the underlined letter presses them.
  Button(cmdInfo, nullptr, _("&Info"), _("Klicken Sie hier, um den Infodialog aufzurufen."), 360,
         kButtonTop);
  Button(cmdCancel, nullptr, _("A&bbrechen"),
         _("Klicken Sie hier, um den Assistent zu verlassen, ohne ein Diagramm zu erstellen."),
         4680, kButtonTop);
  Button(cmdBack, nullptr, _("< &Zurück"),
         _("Klicken Sie hier, um zum vorigen Schritt zu gelangen."), 6240, kButtonTop);
  Button(cmdNext, nullptr, _("&Weiter >"),
         _("Klicken Sie hier, um zum nächsten Schritt zu gelangen."), 7620, kButtonTop);
  Button(cmdFinish, nullptr, _("&Ende"),
         _("Klicken Sie hier, um das Diagramm mit den gewählten Einstellungen zu erstellen."), 9360,
         kButtonTop);
  for (forms::CommandButton* cmd : {&cmdInfo, &cmdCancel, &cmdBack, &cmdNext, &cmdFinish}) {
    cmd->Enabled(true);
    cmd->Tag("");
  }
  // Enter goes to the next step, Escape leaves the wizard.
  cmdNext.Default(true);
  cmdCancel.Cancel(true);

  barProgress.Value(0.0F);
  Place(barProgress, nullptr, wizard::kOutOfView, 3000, 7200, 255);
  lblProgress.Caption("Label1");
  Place(lblProgress, nullptr, wizard::kOutOfView, 2720, 7200, 255);

  // Step 1: the workbook path.
  Step(fraStep1, lblStep1, 1);
  Paragraph(
      lblStep101, fraStep1,
      _("Herzlich Willkommen beim Assistenten zur Erstellung von Kommunikationsdiagrammen aus "
        "Projektplänen."),
      600, 495);
  Paragraph(lblStep102, fraStep1,
            _("Dieser Assistent hilft Ihnen beim Erstellen von Kommunikationsdiagrammen sowie beim "
              "Formatieren der einzelnen Elemente des Diagramms."),
            1200, 495);
  Paragraph(
      lblStep103, fraStep1,
      _("Klicken Sie auf die Schaltfläche Speichern, um den Speicherort für das zu erstellende "
        "Kommunikationsdiagramm festzulegen."),
      1800, 495);
  txtChartPath.Text("");
  Place(txtChartPath, &fraStep1, 360, 2520, 7995, kBoxHeight);
  Button(cmdSave, &fraStep1, _("&Speichern..."),
         _("Klicken Sie hier, um den Speicherort des Kommunikationsdiagramms festzulegen."), 8520,
         2490);

  // Step 2: the role fields.
  Step(fraStep2, lblStep2, 2);
  Paragraph(
      lblStep201, fraStep2,
      _("In welchen benutzerdefinierten Textfeldern sind in Ihrem Projekt die Informationen für "
        "die Verantwortlichen, die Beteiligten und die zu informierenden Personen des jeweiligen "
        "Vorgangs hinterlegt?"),
      600, 735);
  Paragraph(
      lblStep202, fraStep2,
      _("Ohne die Felder für die Verantwortlichen, die Beteiligten und die zu informierenden "
        "Personen kann kein Kommunikationsnetz berechnet werden. Diese Felder müssen die "
        "jeweiligen Ressourcennamen enthalten. Mehrere Ressourcen sind mit Semikolon zu trennen."),
      1440, 735);
  LabelAt(lblFieldResponsible, fraStep2, _("Verantwortlich"), 360, 2400, 2415, kBoxHeight);
  Field(cboFieldResponsible, fraStep2,
        _("Wählen Sie hier das Feld aus, das den Verantwortlichen enthält."), 2880, 2400);
  LabelAt(lblFieldParticipiant, fraStep2, _("Beteiligt"), 360, 2880, 2415, kBoxHeight);
  Field(cboFieldParticipiant, fraStep2,
        _("Wählen Sie hier das Feld aus, das die Beteiligten enthält."), 2880, 2880);
  LabelAt(lblFieldInformed, fraStep2, _("Wird informiert"), 360, 3360, 2415, kBoxHeight);
  Field(cboFieldInformed, fraStep2,
        _("Wählen Sie hier das Feld aus, das die zu informierenden Personen enthält."), 2880, 3360);

  // Step 3: the optional columns.
  Step(fraStep3, lblStep3, 3);
  Paragraph(
      lblStep301, fraStep3,
      _("Sollen weitere optionale Felder im Diagramm angezeigt werden? Aktivieren Sie die "
        "Kontrollkästchen für die Felder, die im Diagramm zusätzlich angezeigt werden sollen."),
      600, 495);
  Paragraph(
      lblStep302, fraStep3,
      _("Für die optionalen Felder Ziele, Status und Bemerkungen muss angegeben werden, in welchem "
        "benutzerdefinierten Textfeld diese Informationen hinterlegt sind. Im Feld Status werden "
        "die Werte \"unkritisch\", \"planmäßig\", \"schwierig\" und \"nicht erreichbar\" als Ampel "
        "dargestellt."),
      1200, 735);
  Check(chkTargets, fraStep3, _("Ziele"),
        _("Aktivieren Sie das Kontrollkästchen, um die Aufgabenziele im Diagramm auszugeben."), 360,
        2160, 2175, kBoxHeight);
  Field(cboFieldTargets, fraStep3,
        _("Wählen Sie hier das Feld aus, das die Aufgabenziele enthält."), 2640, 2160);
  Check(chkStatus, fraStep3, _("Status"),
        _("Aktivieren Sie das Kontrollkästchen, um den Aufgabenstatus im Diagramm auszugeben."),
        360, 2640, 2175, kBoxHeight);
  Field(cboFieldStatus, fraStep3,
        _("Wählen Sie hier das Feld aus, das den Aufgabenstatus enthält."), 2640, 2640);
  Check(
      chkDesc, fraStep3, _("Bemerkungen"),
      _("Aktivieren Sie das Kontrollkästchen, um Bemerkungen zu Aufgaben im Diagramm auszugeben."),
      360, 3120, 2175, kBoxHeight);
  Field(cboFieldDesc, fraStep3,
        _("Wählen Sie hier das Feld aus, das Bemerkungen zu Aufgaben enthält."), 2640, 3120);
  Check(chkStart, fraStep3, _("Anfang"),
        _("Aktivieren Sie das Kontrollkästchen, um den Aufgabenbeginn im Diagramm auszugeben."),
        6240, 2160, 2175, kBoxHeight);
  Check(chkFinish, fraStep3, _("Ende"),
        _("Aktivieren Sie das Kontrollkästchen, um das Aufgabenende im Diagramm auszugeben."), 6240,
        2640, 2175, kBoxHeight);
  Check(chkDuration, fraStep3, _("Dauer"),
        _("Aktivieren Sie das Kontrollkästchen, um die Aufgabendauer im Diagramm auszugeben."),
        6240, 3120, 2175, kBoxHeight);

  // Step 4: grouping and sizes.
  Step(fraStep4, lblStep4, 4);
  Paragraph(
      lblStep401, fraStep4,
      _("Legen Sie hier fest, ob Sie Tasks gruppieren wollen und ob die Diagrammüberschriften "
        "fixiert werden sollen. Der Assistent kann Tasks in bis zu 8 Ebenen gruppieren."),
      600, 495);
  Paragraph(
      lblStep402, fraStep4,
      _("Sie können außerdem Spaltenbreite und Zeilenhöhe des Diagramms sowie die Linienstärke und "
        "die Pfeilgröße des Kommunikationsnetzes festlegen."),
      1200, 495);
  Check(chkGroupTasks, fraStep4, _("Tasks gruppieren (maximal 8 Ebenen)"),
        _("Aktivieren Sie das Kontrollkästchen, um Gruppierungssymbole im Diagramm zu erhalten."),
        360, 1920, 4095);
  Check(chkFreezePanes, fraStep4, _("Überschriften fixieren"),
        _("Aktivieren Sie das Kontrollkästchen, um die Diagrammüberschriften zu fixieren."), 360,
        2280, 4095);
  LabelAt(lblColumnWidth, fraStep4, _("Spaltenbreite für Ressourcen"), 360, 2760, 2895, kBoxHeight);
  txtColumnWidth.Text("");
  txtColumnWidth.ToolTipText(_("Geben Sie hier eine Spaltenbreite zwischen 4 und 20 ein."));
  Place(txtColumnWidth, &fraStep4, 3360, 2760, 735, kBoxHeight);
  Place(updColumnWidth, &fraStep4, 4095, 2760, 255, kBoxHeight);
  updColumnWidth.BuddyControl(&txtColumnWidth);
  LabelAt(lblRowHeight, fraStep4, _("Zeilenhöhe für Tasks"), 360, 3240, 2895, kBoxHeight);
  txtRowHeight.Text("");
  txtRowHeight.ToolTipText(_("Geben Sie hier eine Zeilenhöhe zwischen 18 und 90 ein."));
  Place(txtRowHeight, &fraStep4, 3360, 3240, 735, kBoxHeight);
  Place(updRowHeight, &fraStep4, 4095, 3240, 255, kBoxHeight);
  updRowHeight.BuddyControl(&txtRowHeight);
  LabelAt(lblArrowThickness, fraStep4, _("Linienstärke"), 5160, 2760, 1815, kBoxHeight);
  txtArrowThickness.Text("");
  txtArrowThickness.ToolTipText(_("Geben Sie hier eine Linienstärke zwischen 0,25 und 6 ein."));
  Place(txtArrowThickness, &fraStep4, 7080, 2760, 735, kBoxHeight);
  Place(updArrowThickness, &fraStep4, 7815, 2760, 255, kBoxHeight);
  updArrowThickness.BuddyControl(&txtArrowThickness);
  LabelAt(lblUnit, fraStep4, _("Punkte"), 8160, 2760, 855, kBoxHeight);
  LabelAt(lblArrowSize, fraStep4, _("Pfeilgröße"), 5160, 3240, 1815, kBoxHeight);
  cboArrowSize.Clear();
  cboArrowSize.Text("");
  cboArrowSize.ToolTipText(_("Wählen Sie hier die Pfeilgröße aus."));
  Place(cboArrowSize, &fraStep4, 7080, 3240, 1215, kBoxHeight);

  // Step 5: colours of the headings and the kinds of task.
  Step(fraStep5, lblStep5, 5);
  Paragraph(lblStep501, fraStep5,
            _("Legen Sie hier die gewünschten Diagrammfarben für die Überschriften und die "
              "unterschiedlichen Vorgangsarten fest."),
            600, 495);
  ColorRow(lblHeaderTasks, _("Überschriften"), lblColorHeaderTasks, kColorLightGrey,
           cmdChangeColorHeaderTasks,
           _("Klicken Sie hier, um die Farbe der Überschriften zu ändern."), fraStep5, 1440);
  ColorRow(lblSubprojects, _("Teilprojekte"), lblColorSubprojects, kColorSubprojects,
           cmdChangeColorSubprojects,
           _("Klicken Sie hier, um die Farbe der Teilprojekte zu ändern."), fraStep5, 1920);
  ColorRow(lblSummaries, _("Sammelvorgänge"), lblColorSummaries, kColorSummaries,
           cmdChangeColorSummaries,
           _("Klicken Sie hier, um die Farbe der Sammelvorgänge zu ändern."), fraStep5, 2400);
  ColorRow(lblTasks, _("Vorgänge"), lblColorTasks, kColorWhite, cmdChangeColorTasks,
           _("Klicken Sie hier, um die Farbe der Vorgänge zu ändern."), fraStep5, 2880);
  ColorRow(lblMilestones, _("Meilensteine"), lblColorMilestones, kColorLightGrey,
           cmdChangeColorMilestones,
           _("Klicken Sie hier, um die Farbe der Meilensteine zu ändern."), fraStep5, 3360);

  // Step 6: colours and shadows of the communication network.
  Step(fraStep6, lblStep6, 6);
  Paragraph(lblStep601, fraStep6,
            _("Legen Sie hier die gewünschten Diagrammfarben für die Kommunikationspfeile und die "
              "Kommunikationssymbole fest."),
            600, 495);
  Paragraph(lblStep602, fraStep6,
            _("Für Pfeile und Symbole können außerdem Schatten mit frei wählbarer Schattenfarbe "
              "hinzugefügt werden."),
            1185, 495);
  ColorRow(lblArrows, _("Diagrammpfeile"), lblColorArrows, kColorBlue, cmdChangeColorArrows,
           _("Klicken Sie hier, um die Farbe der Diagrammpfeile zu ändern."), fraStep6, 1680);
  Check(chkShadowArrows, fraStep6, _("Schatten"),
        _("Aktivieren Sie das Kontrollkästchen, um den Diagrammpfeilen Schatten hinzuzufügen."),
        6240, 1680, 1335, kSwatchHeight);
  lblColorShadowArrows.Caption("");
  lblColorShadowArrows.BorderStyle(1);
  lblColorShadowArrows.BackColor(kColorLightGrey);
  Place(lblColorShadowArrows, &fraStep6, 7680, 1680, 855, kSwatchHeight);
  Button(cmdChangeColorShadowArrows, &fraStep6, _("Ändern..."),
         _("Klicken Sie hier, um die Schattenfarbe der Diagrammpfeile zu ändern."), 8700, 1680);
  ColorRow(lblResponsible, _("Verantwortlich"), lblColorResponsible, kColorBlack,
           cmdChangeColorResponsible,
           _("Klicken Sie hier, um die Farbe des Symbols für Verantwortliche zu ändern."), fraStep6,
           2400);
  ColorRow(lblParticipiant, _("Beteiligt"), lblColorParticipiant, kColorSilver,
           cmdChangeColorParticipiant,
           _("Klicken Sie hier, um die Farbe des Symbols für Beteiligte zu ändern."), fraStep6,
           2880);
  ColorRow(lblInformed, _("Wird informiert"), lblColorInformed, kColorWhite, cmdChangeColorInformed,
           _("Klicken Sie hier, um die Farbe des Symbols für zu Informierende zu ändern."),
           fraStep6, 3360);
  Check(chkShadowSymbols, fraStep6, _("Schatten"),
        _("Aktivieren Sie das Kontrollkästchen, um den Diagrammsymbolen Schatten hinzuzufügen."),
        6240, 2880, 1335, kSwatchHeight);
  lblColorShadowSymbols.Caption("");
  lblColorShadowSymbols.BorderStyle(1);
  lblColorShadowSymbols.BackColor(kColorLightGrey);
  Place(lblColorShadowSymbols, &fraStep6, 7680, 2880, 855, kSwatchHeight);
  Button(cmdChangeColorShadowSymbols, &fraStep6, _("Ändern..."),
         _("Klicken Sie hier, um die Schattenfarbe der Diagrammsymbole zu ändern."), 8700, 2880);

  // Step 7: defaults and start.
  Step(fraStep7, lblStep7, 7);
  Paragraph(
      lblStep701, fraStep7,
      _("Sollen die gewählten Einstellungen für das Kommunikationsdiagramm als Standard für neue "
        "Diagramme verwendet werden?"),
      600, 495);
  Button(cmdSetDefaults, &fraStep7, _("Als &Standard festlegen"),
         _("Klicken Sie hier, um die aktuellen Diagrammeinstellungen für neue Diagramme zu "
           "speichern."),
         360, 1320);
  cmdSetDefaults.Width(2535);
  Paragraph(lblStep702, fraStep7,
            _("Durch Klicken auf die Schaltfläche Ende wird der Diagrammexport gestartet."), 2040,
            255);

  for (forms::CommandButton* cmd : AllButtons()) cmd->Enabled(true);
}

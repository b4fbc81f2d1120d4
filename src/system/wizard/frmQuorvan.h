#pragma once
// The seven-step wizard: where to save the chart, the role fields, the optional columns, the
// layout values, the colours, the defaults; Finish makes the chart and shows its progress.
//
// The controls are the only copy of the user's settings while the wizard is open: the stored
// defaults are loaded into them at each launch and the run reads them.

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "chart/ChartOptions.h"
#include "platform/forms/Forms.h"
#include "wizard/StepLayout.h"

class ProgressSink;

class frmQuorvan : public forms::Form {
 public:
  // Creates and loads the form (design-time state, then Form_Load).
  frmQuorvan();
  ~frmQuorvan() override;

  // Outside the step frames.
  forms::Image imgTop{*this, "imgTop"};
  forms::Frame fraSeparatorTop{*this, "fraSeparatorTop"};
  forms::Frame fraSeparatorBottom{*this, "fraSeparatorBottom"};
  forms::CommandButton cmdBack{*this, "cmdBack"};
  forms::CommandButton cmdNext{*this, "cmdNext"};
  forms::CommandButton cmdFinish{*this, "cmdFinish"};
  forms::CommandButton cmdCancel{*this, "cmdCancel"};
  forms::CommandButton cmdInfo{*this, "cmdInfo"};
  forms::ProgressBar barProgress{*this, "barProgress"};
  forms::Label lblProgress{*this, "lblProgress"};

  // Step 1: the workbook path.
  forms::Frame fraStep1{*this, "fraStep1"};
  forms::Label lblStep1{*this, "lblStep1"};
  forms::Label lblStep101{*this, "lblStep101"};
  forms::Label lblStep102{*this, "lblStep102"};
  forms::Label lblStep103{*this, "lblStep103"};
  forms::TextBox txtChartPath{*this, "txtChartPath"};
  forms::CommandButton cmdSave{*this, "cmdSave"};

  // Step 2: the three role fields.
  forms::Frame fraStep2{*this, "fraStep2"};
  forms::Label lblStep2{*this, "lblStep2"};
  forms::Label lblStep201{*this, "lblStep201"};
  forms::Label lblStep202{*this, "lblStep202"};
  forms::Label lblFieldResponsible{*this, "lblFieldResponsible"};
  forms::ComboBox cboFieldResponsible{*this, "cboFieldResponsible"};
  forms::Label lblFieldParticipiant{*this, "lblFieldParticipiant"};
  forms::ComboBox cboFieldParticipiant{*this, "cboFieldParticipiant"};
  forms::Label lblFieldInformed{*this, "lblFieldInformed"};
  forms::ComboBox cboFieldInformed{*this, "cboFieldInformed"};

  // Step 3: the optional task columns.
  forms::Frame fraStep3{*this, "fraStep3"};
  forms::Label lblStep3{*this, "lblStep3"};
  forms::Label lblStep301{*this, "lblStep301"};
  forms::Label lblStep302{*this, "lblStep302"};
  forms::CheckBox chkTargets{*this, "chkTargets"};
  forms::ComboBox cboFieldTargets{*this, "cboFieldTargets"};
  forms::CheckBox chkStatus{*this, "chkStatus"};
  forms::ComboBox cboFieldStatus{*this, "cboFieldStatus"};
  forms::CheckBox chkDesc{*this, "chkDesc"};
  forms::ComboBox cboFieldDesc{*this, "cboFieldDesc"};
  forms::CheckBox chkStart{*this, "chkStart"};
  forms::CheckBox chkFinish{*this, "chkFinish"};
  forms::CheckBox chkDuration{*this, "chkDuration"};

  // Step 4: grouping and sizes.
  forms::Frame fraStep4{*this, "fraStep4"};
  forms::Label lblStep4{*this, "lblStep4"};
  forms::Label lblStep401{*this, "lblStep401"};
  forms::Label lblStep402{*this, "lblStep402"};
  forms::CheckBox chkGroupTasks{*this, "chkGroupTasks"};
  forms::CheckBox chkFreezePanes{*this, "chkFreezePanes"};
  forms::Label lblColumnWidth{*this, "lblColumnWidth"};
  forms::TextBox txtColumnWidth{*this, "txtColumnWidth"};
  forms::UpDown updColumnWidth{*this, "updColumnWidth"};
  forms::Label lblRowHeight{*this, "lblRowHeight"};
  forms::TextBox txtRowHeight{*this, "txtRowHeight"};
  forms::UpDown updRowHeight{*this, "updRowHeight"};
  forms::Label lblArrowThickness{*this, "lblArrowThickness"};
  forms::TextBox txtArrowThickness{*this, "txtArrowThickness"};
  forms::UpDown updArrowThickness{*this, "updArrowThickness"};
  forms::Label lblUnit{*this, "lblUnit"};
  forms::Label lblArrowSize{*this, "lblArrowSize"};
  forms::ComboBox cboArrowSize{*this, "cboArrowSize"};

  // Step 5: colours of the headings and the kinds of task.
  forms::Frame fraStep5{*this, "fraStep5"};
  forms::Label lblStep5{*this, "lblStep5"};
  forms::Label lblStep501{*this, "lblStep501"};
  forms::Label lblHeaderTasks{*this, "lblHeaderTasks"};
  forms::Label lblColorHeaderTasks{*this, "lblColorHeaderTasks"};
  forms::CommandButton cmdChangeColorHeaderTasks{*this, "cmdChangeColorHeaderTasks"};
  forms::Label lblSubprojects{*this, "lblSubprojects"};
  forms::Label lblColorSubprojects{*this, "lblColorSubprojects"};
  forms::CommandButton cmdChangeColorSubprojects{*this, "cmdChangeColorSubprojects"};
  forms::Label lblSummaries{*this, "lblSummaries"};
  forms::Label lblColorSummaries{*this, "lblColorSummaries"};
  forms::CommandButton cmdChangeColorSummaries{*this, "cmdChangeColorSummaries"};
  forms::Label lblTasks{*this, "lblTasks"};
  forms::Label lblColorTasks{*this, "lblColorTasks"};
  forms::CommandButton cmdChangeColorTasks{*this, "cmdChangeColorTasks"};
  forms::Label lblMilestones{*this, "lblMilestones"};
  forms::Label lblColorMilestones{*this, "lblColorMilestones"};
  forms::CommandButton cmdChangeColorMilestones{*this, "cmdChangeColorMilestones"};

  // Step 6: colours and shadows of the communication network.
  forms::Frame fraStep6{*this, "fraStep6"};
  forms::Label lblStep6{*this, "lblStep6"};
  forms::Label lblStep601{*this, "lblStep601"};
  forms::Label lblStep602{*this, "lblStep602"};
  forms::Label lblArrows{*this, "lblArrows"};
  forms::Label lblColorArrows{*this, "lblColorArrows"};
  forms::CommandButton cmdChangeColorArrows{*this, "cmdChangeColorArrows"};
  forms::CheckBox chkShadowArrows{*this, "chkShadowArrows"};
  forms::Label lblColorShadowArrows{*this, "lblColorShadowArrows"};
  forms::CommandButton cmdChangeColorShadowArrows{*this, "cmdChangeColorShadowArrows"};
  forms::Label lblResponsible{*this, "lblResponsible"};
  forms::Label lblColorResponsible{*this, "lblColorResponsible"};
  forms::CommandButton cmdChangeColorResponsible{*this, "cmdChangeColorResponsible"};
  forms::Label lblParticipiant{*this, "lblParticipiant"};
  forms::Label lblColorParticipiant{*this, "lblColorParticipiant"};
  forms::CommandButton cmdChangeColorParticipiant{*this, "cmdChangeColorParticipiant"};
  forms::Label lblInformed{*this, "lblInformed"};
  forms::Label lblColorInformed{*this, "lblColorInformed"};
  forms::CommandButton cmdChangeColorInformed{*this, "cmdChangeColorInformed"};
  forms::CheckBox chkShadowSymbols{*this, "chkShadowSymbols"};
  forms::Label lblColorShadowSymbols{*this, "lblColorShadowSymbols"};
  forms::CommandButton cmdChangeColorShadowSymbols{*this, "cmdChangeColorShadowSymbols"};

  // Step 7: defaults and start.
  forms::Frame fraStep7{*this, "fraStep7"};
  forms::Label lblStep7{*this, "lblStep7"};
  forms::Label lblStep701{*this, "lblStep701"};
  forms::CommandButton cmdSetDefaults{*this, "cmdSetDefaults"};
  forms::Label lblStep702{*this, "lblStep702"};

  // The progress bar shows dblPercent (0 … 100) and the label strText, both repainted at once.
  // A step that fails is skipped and the others still run; true when any failed (the wizard
  // unloaded, a percentage out of range).
  bool ShowProgress(double dblPercent, const std::string& strText);

  // Whoever watches the wizard's runs (the desktop): told every step, the model and the
  // result. Not owned; nullptr: nobody.
  void ObserveRuns(ProgressSink* observer) { observer_ = observer; }

  // The controls as a chart's options: the texts and states as they stand, the arrow size
  // "mittel" unless the box shows one of the three sizes.
  chart::ChartOptions Options() const;
  // Puts the options into the controls, every one but the chart's path; a control that refuses
  // its value keeps the one it had.
  void ShowOptions(const chart::ChartOptions& options);

  // True while a run is in progress: every button is disabled meanwhile.
  bool Running() const { return blnRunning_; }

  // The handlers of the buttons and spinners, connected to their controls' events at load.
  void cmdBack_Click();
  void cmdNext_Click();
  void cmdFinish_Click();
  void cmdCancel_Click();
  void cmdInfo_Click();
  void cmdSave_Click();
  void cmdSetDefaults_Click();
  void updArrowThickness_UpClick();
  void updArrowThickness_DownClick();
  void updColumnWidth_UpClick();
  void updColumnWidth_DownClick();
  void updRowHeight_UpClick();
  void updRowHeight_DownClick();

 protected:
  void InitializeComponent() override;
  void Form_Load() override;
  // The wizard is not closed while a run is in progress.
  void Form_QueryUnload(int& intCancel) override;

 private:
  std::array<forms::Frame*, wizard::kStepCount> StepFrames();
  // The colour swatches with the colour each shows.
  static std::array<std::pair<chart::ColorOf, forms::Label frmQuorvan::*>, chart::kColorCount>
  Swatches();
  std::vector<forms::CommandButton*> AllButtons();
  // The step named by the current step tag; 0 when the tag names none.
  int CurrentStep() const;
  void ConnectEvents();
  void GoToStep(int intStep);
  void RebuildTabOrder(int intStep);
  void ShowCheckMessage(const std::string& strMessage);
  // Each shows the message of a refused value and puts the focus into its box when that box is
  // in view; true when the value passes.
  bool CheckChartPath();
  bool CheckLayoutNumbers();
  void FocusRefused(chart::OptionsProblem problem);
  void ChangeColor(forms::Label& lblSwatch);
  // The colour picker, opened with an initial colour and the wizard's custom colours.
  std::int32_t PickColor(std::int32_t lngInitColor);
  void ShowInfoDialog();
  // A field name ("Text21") as the host's field identifier; −1 for a name the host lacks.
  void CreateChart();

  bool blnRunning_ = false;
  ProgressSink* observer_ = nullptr;
};

#pragma once
// The information dialog of the wizard's Info button: the product, its version and purpose,
// and two links to the maker's web site that open in the user's browser.

#include "platform/forms/Forms.h"

class frmInfo : public forms::Form {
 public:
  // Creates the form; it is loaded by Load or Show.
  frmInfo();
  ~frmInfo() override;

  forms::Image imgTop{*this, "imgTop"};
  forms::Frame fraSeparatorTop{*this, "fraSeparatorTop"};
  forms::Frame fraInfo{*this, "fraInfo"};
  forms::Label lblInfo1{*this, "lblInfo1"};
  forms::Label lblInfo2{*this, "lblInfo2"};
  forms::Label lblInfo4{*this, "lblInfo4"};
  forms::Label lblInfo6{*this, "lblInfo6"};
  forms::Label lblWeb{*this, "lblWeb"};
  forms::Image imgLogo{*this, "imgLogo"};
  forms::CommandButton cmdOK{*this, "cmdOK"};

  // Places the dialog 300 twips right of and below the owner's top-left corner and shows it
  // modally.
  void ShowBeside(const forms::Form& frmOwner);

 protected:
  void InitializeComponent() override;
  void Form_MouseMove(int intButton, int intShift, float sngX, float sngY) override;

 private:
  void cmdOK_Click();
  void lblWeb_Click();
  void lblWeb_MouseMove(int intButton, int intShift, float sngX, float sngY);
  void imgLogo_Click();
};

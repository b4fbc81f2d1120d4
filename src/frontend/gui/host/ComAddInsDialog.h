#pragma once
// The host's "COM-Add-Ins" dialog: the registered add-ins, each with a check box (ticked:
// connected now) and its description below the list. On OK an add-in unticked is removed as
// the user closed it, one ticked is connected while the host runs.

#include <QDialog>

class QLabel;
class QListWidget;

namespace addin {
class AddInHost;
}

namespace gui {

class ComAddInsDialog : public QDialog {
  Q_OBJECT

 public:
  ComAddInsDialog(addin::AddInHost& host, QWidget* parent = nullptr);

  QListWidget& List() const { return *list_; }

  // Connects and removes the add-ins as the boxes say (called on OK).
  void Apply();

 private:
  void ShowDescription();

  addin::AddInHost& host_;
  QListWidget* list_;
  QLabel* description_;
};

}  // namespace gui

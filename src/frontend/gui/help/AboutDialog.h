#pragma once
// "Hilfe" → "Über Quorvan": the program's name and version (the project's, as --version prints
// it), what it does, the copyright, the libraries it uses (Qt with the version it runs with) and
// the licence text (LICENSE of the sources, with the notices of the libraries compiled in).

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace gui {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  // The name, version, copyright and libraries, as shown.
  QString Text() const;
  const QPlainTextEdit& Licence() const { return *licence_; }

 private:
  QLabel* title_;
  QLabel* details_;
  QPlainTextEdit* licence_;
};

}  // namespace gui

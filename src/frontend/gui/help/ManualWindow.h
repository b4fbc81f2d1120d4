#pragma once
// The desktop's manual: the German HTML manual shipped with the program (docs/manual/de of the
// sources), read in a window of its own beside the host window. Its links lead within the
// manual (with back, forward and the contents), web and mail links go to the desktop's
// programs; its pictures are the screenshots beside it. There is one manual, in German, whatever
// the language of the program.

#include <QDialog>
#include <filesystem>

class QTextBrowser;

namespace gui {

// index.html of the manual: the installed one beside the program (PREFIX/bin/quorvan-gui,
// PREFIX/share/quorvan/manual), else the source tree's, where the build's programs and tests
// find it. Returned whether it exists or not.
std::filesystem::path ManualIndex();

class ManualWindow : public QDialog {
  Q_OBJECT

 public:
  // The manual at that index.html, shown from its first page.
  explicit ManualWindow(const std::filesystem::path& index, QWidget* parent = nullptr);

  QTextBrowser& Browser() const { return *browser_; }

 private:
  QTextBrowser* browser_;
};

// Shows the manual over the window: its window once opened is shown again, in front. When the
// manual is not there, a message box ("Quorvan", exclamation icon) names the file missing, and
// nullptr is returned.
ManualWindow* ShowManual(QWidget& window, const std::filesystem::path& index = ManualIndex());

}  // namespace gui

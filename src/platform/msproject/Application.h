#pragma once
// The host application: it opens plans and holds the active project.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/msproject/Project.h"

namespace office {
class CommandBars;
}

namespace msproject {

class Application {
 public:
  Application();
  ~Application();

  // Reads a plan and makes it the active project. A plan that cannot be read throws
  // msproject::Error with the German message for the user ("Die Projektdatei „Plan.xml“
  // konnte nicht gelesen werden: Zeile 12: …"); the application then stays as it was.
  void FileOpen(const std::filesystem::path& path);

  // The active project; throws when no project is open.
  Project& ActiveProject() const;

  // The status bar: a text, or false to give it back to the host.
  void StatusBar(const std::string& strText) {
    strStatusBar_ = strText;
    Changed();
  }
  // A text literal is a text, not the Boolean a pointer would convert to.
  void StatusBar(const char* strText) { StatusBar(std::string(strText)); }
  void StatusBar(bool blnValue) {
    if (!blnValue) strStatusBar_.clear();
    Changed();
  }
  const std::string& StatusBar() const { return strStatusBar_; }

  // Enables (true) or disables (false) the host's windows while a modal add-in dialog is open.
  void Interactive(bool blnValue) {
    blnInteractive_ = blnValue;
    Changed();
  }
  bool Interactive() const { return blnInteractive_; }

  // The host's window: told after a plan was opened and after the status bar or the
  // interactive state changed. One observer; an empty function detaches it.
  void Observe(std::function<void()> handler) { observer_ = std::move(handler); }

  // The host's menus and toolbars: read at first use from the file in which the host keeps
  // them (office::CommandBarsFilePath()), written back there when the host ends.
  office::CommandBars& CommandBars();

 private:
  std::vector<std::unique_ptr<Project>> projects_;  // the open plan and its inserted projects
  Project* activeProject_ = nullptr;
  std::string strStatusBar_;
  bool blnInteractive_ = true;
  std::unique_ptr<office::CommandBars> commandBars_;
  std::function<void()> observer_;

  void Changed() const {
    if (observer_) observer_();
  }
};

}  // namespace msproject

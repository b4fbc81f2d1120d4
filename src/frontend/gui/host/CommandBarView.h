#pragma once
// The host's command bars drawn in its window: the popup bar "Tools" as the menu "Extras", the
// visible bars docked at the top as toolbars. A triggered entry clicks its control (Execute),
// which raises the control's Click event in the add-in that placed it.
//
// The bars tell of every change; the view draws them anew once control is back in the event
// loop, and never while an entry's command is still running, so that no entry is deleted
// from inside its own trigger (an add-in removed from the "COM-Add-Ins" dialog, opened by an
// entry, takes its entries away).
//
// The host's own entries run what the host offers for their command Id (HostCommand); an
// entry whose command this window does not offer is not shown, though it stays on its bar
// (add-ins place their entries by the host's built-in ones), and a separator it began moves
// to the next entry shown. A toolbar with no entry shown is not shown.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace office {
class CommandBar;
class CommandBars;
class CommandBarButton;
}  // namespace office

namespace gui {

class CommandBarView : public QObject {
  Q_OBJECT

 public:
  // What the host does for a built-in command Id; an empty function when it has nothing.
  using HostCommand = std::function<std::function<void()>(int intId)>;

  CommandBarView(QMainWindow& window, QMenu& extras, office::CommandBars& bars,
                 HostCommand hostCommand);
  ~CommandBarView() override;
  CommandBarView(const CommandBarView&) = delete;
  CommandBarView& operator=(const CommandBarView&) = delete;

  // Draws the menu and the toolbars now.
  void Redraw();
  // Draws them once control is back in the event loop and no entry's command runs.
  void RedrawLater();

  // The toolbar of that bar name; nullptr when it is not shown.
  QToolBar* ToolBar(const std::string& strName) const;
  // The action of the control with that tag on the "Extras" menu (blnToolbar false) or on a
  // toolbar (true); nullptr when there is none.
  QAction* ActionForTag(const std::string& strTag, bool blnToolbar) const;

 private:
  using Control = std::shared_ptr<office::CommandBarButton>;

  // Whether the entry is shown: visible, and an add-in's or one whose command the host offers.
  bool Shown(const office::CommandBarButton& ctl) const;
  // Calls show with each entry shown and whether a separator goes before it.
  void ForEachShown(office::CommandBar& bar,
                    const std::function<void(const Control&, bool)>& show) const;
  QAction* CreateAction(const std::shared_ptr<office::CommandBarButton>& ctl, QObject* parent);
  void Trigger(const std::shared_ptr<office::CommandBarButton>& ctl);

  QMainWindow& window_;
  QMenu& extras_;
  office::CommandBars& bars_;
  HostCommand hostCommand_;
  std::vector<QPointer<QToolBar>> toolbars_;
  int intRunning_ = 0;       // entries whose command runs now
  bool blnPending_ = false;  // a redraw is queued
  bool blnDirty_ = false;    // a change came while a command ran
};

}  // namespace gui

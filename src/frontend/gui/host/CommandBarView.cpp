#include "gui/host/CommandBarView.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "gui/host/ThemeIcons.h"
#include "platform/catalog/Catalog.h"
#include "platform/office/BuiltInBars.h"
#include "platform/office/CommandBars.h"
#include "platform/vb/Error.h"

namespace gui {

namespace {

constexpr int kFaceQuorvan = 1084;
constexpr const char* kTagProperty = "commandBarTag";

// An add-in's face, or the themed icon of a built-in command.
QIcon Face(const office::CommandBarButton& ctl) {
  if (ctl.FaceId() == kFaceQuorvan) return QIcon(QStringLiteral(":/quorvan/quorvan.svg"));
  if (!ctl.BuiltIn()) return {};
  switch (ctl.Id()) {
    case office::kIdFileOpen:
      return ThemeIcon("document-open");
    case office::kIdComAddIns:
      return ThemeIcon("application-x-addon");
    default:
      return {};
  }
}

Qt::ToolButtonStyle ButtonStyle(int intStyle, bool blnHasIcon) {
  switch (intStyle) {
    case office::msoButtonIconAndCaption:
      return blnHasIcon ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonTextOnly;
    case office::msoButtonCaption:
      return Qt::ToolButtonTextOnly;
    default:
      return blnHasIcon ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly;
  }
}

}  // namespace

CommandBarView::CommandBarView(QMainWindow& window, QMenu& extras, office::CommandBars& bars,
                               HostCommand hostCommand)
    : window_(window), extras_(extras), bars_(bars), hostCommand_(std::move(hostCommand)) {
  bars_.Observe([this] { RedrawLater(); });
}

CommandBarView::~CommandBarView() {
  bars_.Observe(nullptr);
}

QAction* CommandBarView::CreateAction(const std::shared_ptr<office::CommandBarButton>& ctl,
                                      QObject* parent) {
  // The bars keep their captions in German; shown, they speak the catalog's language.
  auto* action = new QAction(QString::fromUtf8(_(ctl->Caption().c_str())), parent);
  action->setIcon(Face(*ctl));
  action->setProperty(kTagProperty, QString::fromStdString(ctl->Tag()));
  if (!ctl->TooltipText().empty())
    action->setToolTip(QString::fromUtf8(_(ctl->TooltipText().c_str())));
  connect(action, &QAction::triggered, this, [this, ctl] { Trigger(ctl); });
  return action;
}

bool CommandBarView::Shown(const office::CommandBarButton& ctl) const {
  return ctl.Visible() && (!ctl.BuiltIn() || hostCommand_(ctl.Id()));
}

void CommandBarView::ForEachShown(office::CommandBar& bar,
                                  const std::function<void(const Control&, bool)>& show) const {
  // A group begun by a hidden entry begins with the next entry shown.
  bool blnGroup = false;
  bool blnFirst = true;
  for (const Control& ctl : bar.Controls()) {
    blnGroup = blnGroup || ctl->BeginGroup();
    if (!Shown(*ctl)) continue;
    show(ctl, blnGroup && !blnFirst);
    blnGroup = false;
    blnFirst = false;
  }
}

void CommandBarView::Trigger(const std::shared_ptr<office::CommandBarButton>& ctl) {
  if (ctl->Deleted()) return;
  ++intRunning_;
  try {
    if (ctl->BuiltIn()) {
      if (const auto command = hostCommand_(ctl->Id())) command();
    } else {
      ctl->Execute();
    }
  } catch (const vb::Error&) {
    // A control that went while its click ran: nothing more to do.
  }
  --intRunning_;
  if (intRunning_ == 0 && blnDirty_) {
    blnDirty_ = false;
    RedrawLater();
  }
}

void CommandBarView::RedrawLater() {
  if (blnPending_) return;
  blnPending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        // Drawn already since it was asked for.
        if (!blnPending_) return;
        blnPending_ = false;
        if (intRunning_ > 0) {
          blnDirty_ = true;
          return;
        }
        Redraw();
      },
      Qt::QueuedConnection);
}

void CommandBarView::Redraw() {
  blnPending_ = false;
  extras_.clear();
  for (const QPointer<QToolBar>& toolbar : toolbars_) {
    if (toolbar) {
      window_.removeToolBar(toolbar);
      delete toolbar;
    }
  }
  toolbars_.clear();

  for (const office::CommandBars::Handle& bar : bars_) {
    if (bar->Name() == "Tools") {
      ForEachShown(*bar, [this](const Control& ctl, bool blnGroup) {
        if (blnGroup) extras_.addSeparator();
        extras_.addAction(CreateAction(ctl, &extras_));
      });
      continue;
    }
    if (bar->Position() != office::msoBarTop || !bar->Visible()) continue;
    auto* toolbar = new QToolBar(QString::fromStdString(bar->Name()), &window_);
    toolbar->setObjectName(QString::fromStdString(bar->Name()));
    ForEachShown(*bar, [&](const Control& ctl, bool blnGroup) {
      if (blnGroup) toolbar->addSeparator();
      QAction* action = CreateAction(ctl, toolbar);
      toolbar->addAction(action);
      if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action))) {
        // The host's few commands say what they do beside their icons.
        const bool blnIcon = !action->icon().isNull();
        button->setToolButtonStyle(ctl->BuiltIn() && blnIcon ? Qt::ToolButtonTextBesideIcon
                                                             : ButtonStyle(ctl->Style(), blnIcon));
      }
    });
    // A bar of built-in commands none of which the window offers is not shown at all.
    if (toolbar->actions().isEmpty()) {
      delete toolbar;
      continue;
    }
    window_.addToolBar(Qt::TopToolBarArea, toolbar);
    toolbars_.emplace_back(toolbar);
  }
}

QToolBar* CommandBarView::ToolBar(const std::string& strName) const {
  for (const QPointer<QToolBar>& toolbar : toolbars_) {
    if (toolbar && toolbar->objectName() == QString::fromStdString(strName)) return toolbar;
  }
  return nullptr;
}

QAction* CommandBarView::ActionForTag(const std::string& strTag, bool blnToolbar) const {
  const QString strWanted = QString::fromStdString(strTag);
  auto find = [&](const QList<QAction*>& actions) -> QAction* {
    for (QAction* action : actions) {
      if (!action->isSeparator() && action->property(kTagProperty).toString() == strWanted) {
        return action;
      }
    }
    return nullptr;
  };
  if (!blnToolbar) return find(extras_.actions());
  for (const QPointer<QToolBar>& toolbar : toolbars_) {
    if (!toolbar) continue;
    if (QAction* action = find(toolbar->actions())) return action;
  }
  return nullptr;
}

}  // namespace gui

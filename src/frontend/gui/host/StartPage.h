#pragma once
// What the host window shows while no plan is open: the button that opens a plan, the plans
// opened last (a click opens one) and the hint that a plan may be dropped on the window.

#include <QWidget>
#include <string>
#include <vector>

class QCommandLinkButton;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace gui {

class StartPage : public QWidget {
  Q_OBJECT

 public:
  explicit StartPage(QWidget* parent = nullptr);

  // The recent plans, newest first; the heading goes when there are none.
  void SetRecentPlans(const std::vector<std::string>& colPaths);

  QPushButton& OpenButton() const { return *openButton_; }
  // One button per recent plan, in the order given.
  const std::vector<QCommandLinkButton*>& RecentButtons() const { return recentButtons_; }

 signals:
  void OpenRequested();
  void PlanChosen(const QString& strPath);

 private:
  QPushButton* openButton_ = nullptr;
  QLabel* recentHeading_ = nullptr;
  QVBoxLayout* recentList_ = nullptr;
  std::vector<QCommandLinkButton*> recentButtons_;
};

}  // namespace gui

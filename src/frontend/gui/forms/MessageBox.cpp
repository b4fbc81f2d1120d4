#include "gui/forms/MessageBox.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QVariant>
#include <vector>

#include "platform/catalog/Catalog.h"
#include "platform/forms/Constants.h"
#include "platform/forms/FrontEnd.h"

namespace gui {

namespace {

constexpr int kButtonSetMask = 0x7;
constexpr int kIconMask = 0x70;
constexpr int kDefaultButtonMask = 0x300;
constexpr int kAbortRetryIgnore = 2;
constexpr int kRetryCancel = 5;
constexpr int kAbort = 3;
constexpr int kRetry = 4;
constexpr int kIgnore = 5;
constexpr const char* kAnswerProperty = "vbAnswer";

struct ButtonChoice {
  QMessageBox::StandardButton standard;
  const char* strCaption;
  int intAnswer;
};

std::vector<ButtonChoice> ButtonsOf(int intButtons) {
  const ButtonChoice ok{QMessageBox::Ok, "OK", forms::vbOK};
  const ButtonChoice cancel{QMessageBox::Cancel, _("Abbrechen"), forms::vbCancel};
  const ButtonChoice abort{QMessageBox::Abort, _("&Abbrechen"), kAbort};
  const ButtonChoice retry{QMessageBox::Retry, _("&Wiederholen"), kRetry};
  const ButtonChoice ignore{QMessageBox::Ignore, _("&Ignorieren"), kIgnore};
  const ButtonChoice yes{QMessageBox::Yes, _("&Ja"), forms::vbYes};
  const ButtonChoice no{QMessageBox::No, _("&Nein"), forms::vbNo};
  switch (intButtons & kButtonSetMask) {
    case forms::vbOKCancel:
      return {ok, cancel};
    case kAbortRetryIgnore:
      return {abort, retry, ignore};
    case forms::vbYesNoCancel:
      return {yes, no, cancel};
    case forms::vbYesNo:
      return {yes, no};
    case kRetryCancel:
      return {retry, cancel};
    default:
      return {ok};
  }
}

QMessageBox::Icon IconOf(int intButtons) {
  switch (intButtons & kIconMask) {
    case forms::vbCritical:
      return QMessageBox::Critical;
    case forms::vbQuestion:
      return QMessageBox::Question;
    case forms::vbExclamation:
      return QMessageBox::Warning;
    case forms::vbInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

QMessageBox* CreateMessageBox(QWidget* parent, const std::string& strPrompt, int intButtons,
                              const std::string& strTitle) {
  auto* box = new QMessageBox(parent);
  box->setWindowTitle(QString::fromStdString(strTitle));
  box->setTextFormat(Qt::PlainText);
  QString text = QString::fromStdString(strPrompt);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  box->setText(text);
  box->setIcon(IconOf(intButtons));
  const std::vector<ButtonChoice> buttons = ButtonsOf(intButtons);
  for (const ButtonChoice& choice : buttons) {
    QAbstractButton* button = box->addButton(choice.standard);
    button->setText(QString::fromUtf8(choice.strCaption));
    button->setProperty(kAnswerProperty, choice.intAnswer);
    if (choice.standard == QMessageBox::Cancel || buttons.size() == 1) box->setEscapeButton(button);
  }
  const auto index = static_cast<std::size_t>((intButtons & kDefaultButtonMask) >> 8);
  box->setDefaultButton(
      static_cast<QPushButton*>(box->button(buttons[index < buttons.size() ? index : 0].standard)));
  return box;
}

int MessageBoxAnswer(const QMessageBox& box, int intButtons) {
  const QAbstractButton* clicked = box.clickedButton();
  if (clicked != nullptr) {
    const QVariant answer = clicked->property(kAnswerProperty);
    if (answer.isValid()) return answer.toInt();
  }
  return forms::DefaultAnswer(intButtons);
}

}  // namespace gui

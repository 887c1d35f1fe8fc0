#include "qt/dialogs/qt_prompts.h"

#include <QApplication>
#include <QInputDialog>

#include "qt/translations/language.h"

namespace klandor {

namespace {

// A message or title in the player's language.
QString text(const std::string& english) { return translated(kPromptsContext, english); }
// A reply or detail, shown as it is.
QString data(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

std::string QtPrompts::inputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultReply) {
  bool ok = false;
  const QString reply = QInputDialog::getText(QApplication::activeWindow(), text(title), text(prompt),
                                              QLineEdit::Normal, data(defaultReply), &ok);
  return ok ? reply.toStdString() : std::string();
}

std::unique_ptr<QMessageBox> confirmBox(const std::string& message, const std::string& title, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, text(title), text(message),
                                           QMessageBox::Ok | QMessageBox::Cancel, parent);
  box->setDefaultButton(QMessageBox::Cancel);
  box->setEscapeButton(QMessageBox::Cancel);
  return box;
}

bool QtPrompts::confirm(const std::string& message, const std::string& title) {
  return confirmBox(message, title, QApplication::activeWindow())->exec() == QMessageBox::Ok;
}

void QtPrompts::warn(const std::string& title, const std::string& message, const std::string& detail) {
  QMessageBox::warning(QApplication::activeWindow(), text(title), text(message).arg(data(detail)));
}

}  // namespace klandor

#include "qt/dialogs/qt_prompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

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

bool QtPrompts::confirm(const std::string& message, const std::string& title) {
  QMessageBox box(QMessageBox::NoIcon, text(title), text(message), QMessageBox::Ok | QMessageBox::Cancel,
                  QApplication::activeWindow());
  return box.exec() == QMessageBox::Ok;
}

void QtPrompts::warn(const std::string& title, const std::string& message, const std::string& detail) {
  QMessageBox::warning(QApplication::activeWindow(), text(title), text(message).arg(data(detail)));
}

}  // namespace klandor

#include "qt/dialogs/qt_prompts.h"

#include <QApplication>
#include <QInputDialog>

#include "qt/translations/language.h"

namespace klandor {

namespace {

std::unique_ptr<QMessageBox> questionBox(const QString& title, const QString& message, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, message,
                                           QMessageBox::Ok | QMessageBox::Cancel, parent);
  box->setDefaultButton(QMessageBox::Cancel);
  box->setEscapeButton(QMessageBox::Cancel);
  return box;
}

}  // namespace

std::unique_ptr<QMessageBox> confirmBox(const std::string& message, const std::string& title, QWidget* parent) {
  return questionBox(say({kPromptsContext, title.c_str()}), say({kPromptsContext, message.c_str()}), parent);
}

bool QtPrompts::messageBox(Kind kind, const kit::Text& title, const kit::Text& message) {
  QWidget* parent = QApplication::activeWindow();
  switch (kind) {
    case Kind::kQuestion:
      return questionBox(say(title), say(message), parent)->exec() == QMessageBox::Ok;
    case Kind::kWarning:
      QMessageBox::warning(parent, say(title), say(message));
      return true;
    case Kind::kInformation:
      QMessageBox::information(parent, say(title), say(message));
      return true;
  }
  return false;
}

std::optional<std::string> QtPrompts::textBox(const kit::Text& title, const kit::Text& message,
                                              const std::string& reply) {
  bool ok = false;
  const QString typed = QInputDialog::getText(QApplication::activeWindow(), say(title), say(message),
                                              QLineEdit::Normal, QString::fromStdString(reply), &ok);
  if (!ok) return std::nullopt;
  return typed.toStdString();
}

}  // namespace klandor

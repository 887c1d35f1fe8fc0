#include "qt/dialogs/game_dialog.h"

namespace klandor {

GameDialog::GameDialog(QWidget* mainWindow, int clientWidth, int clientHeight)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow) {
  setFixedSize(clientWidth, clientHeight);
}

void GameDialog::reject() { closeByFrame(); }

void GameDialog::showOverMainWindow() {
  if (mainWindow_) mainWindow_->setEnabled(false);
  // A window shares the disabled state of its parent; this one must stay
  // usable while the main window is disabled.
  setEnabled(true);
  show();
  raise();
  activateWindow();
}

void GameDialog::hideToMainWindow() {
  hide();
  if (mainWindow_) mainWindow_->setEnabled(true);
}

}  // namespace klandor

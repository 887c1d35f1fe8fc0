#pragma once
// What the Best Times and Custom Field dialogs share: each stands over the
// main window, which is disabled while the dialog is open, so the player can
// only use the dialog. Closing the dialog through its frame or with Escape
// runs closeByFrame().

#include <QDialog>

namespace klandor {

// Positions and sizes of the dialog layouts are given in twips, 15 to a pixel.
constexpr int px(int twips) { return (twips + 7) / 15; }

class GameDialog : public QDialog {
  Q_OBJECT

 public:
  GameDialog(QWidget* mainWindow, int clientWidth, int clientHeight);

  void reject() override;

 protected:
  // Disables the main window and shows the dialog in front of it.
  void showOverMainWindow();
  // Hides the dialog and enables the main window again.
  void hideToMainWindow();
  QWidget* mainWindow() const { return mainWindow_; }

  virtual void closeByFrame() = 0;

 private:
  QWidget* mainWindow_;
};

}  // namespace klandor

#pragma once
// A dialog of the game as Qt widgets: the controls the kit's dialog lays
// out, at their places, showing its texts in the player's language; each
// button's click and the closing of the window go back to it. It stands over
// the main window, which is disabled while it is open.

#include <QDialog>
#include <vector>

#include "kit/dialogs.h"

namespace klandor {

class GameDialog final : public QDialog, public kit::DialogView {
  Q_OBJECT

 public:
  GameDialog(kit::Dialog& dialog, QWidget* mainWindow);

  // A control by its index in the dialog's layout.
  QWidget* control(int index) const { return controls_[static_cast<std::size_t>(index)]; }

  void refresh() override;
  void showOverMain() override;
  void hideToMain() override;
  std::string boxText(int control) const override;

  // Closing through the frame or with Escape.
  void reject() override;

 private:
  kit::Dialog& dialog_;
  QWidget* mainWindow_;
  std::vector<QWidget*> controls_;
};

}  // namespace klandor

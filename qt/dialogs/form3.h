#pragma once
// The Custom Field dialog: the width, height and mine count of the Custom
// level. Made at its first opening (the constructor is its Load, which fills
// the boxes from the settings), afterwards only hidden and shown again. Only
// OK changes anything; Cancel and closing it leave the game as it was.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "core/module1.h"
#include "qt/dialogs/game_dialog.h"

namespace klandor {

class Form3 final : public GameDialog {
  Q_OBJECT

 public:
  // Receives the limited values after OK; the game switches to the Custom
  // level and starts a new board with them.
  using Accept = std::function<void(int across, int down, int totalmines)>;

  Form3(const Module1& settings, QWidget* mainWindow, Accept accept);

  // The Custom command: disables the main window and shows the dialog.
  void mnuCustom_Click();

 private:
  void OK_Click();
  void Cancel_Click();
  void closeByFrame() override;

  Accept accept_;
  QPushButton* OK;
  QLineEdit* Acr;
  QLineEdit* Dwn;
  QLineEdit* TM;
  QPushButton* Cancel;
  QLabel* HLabel;
  QLabel* WLabel;
  QLabel* Label1;
};

}  // namespace klandor

#pragma once
// The Best Times dialog: the time and holder of each fixed level, read from
// bestline, and a button that resets the table. Made at its first opening
// (the constructor is its Load), afterwards only hidden and shown again.

#include <QLabel>
#include <QPushButton>
#include <array>

#include "core/module1.h"
#include "qt/dialogs/game_dialog.h"
#include "records/prompts.h"
#include "records/record_entry.h"

namespace klandor {

class Form2 final : public GameDialog {
  Q_OBJECT

 public:
  Form2(Module1& settings, RecordEntry& records, Prompts& prompts, QWidget* mainWindow);

  // The Best Times command: disables the main window and shows the table.
  void mnuBest_Click();

 private:
  void OK_Click();
  void Reset_Click();
  void closeByFrame() override;
  void showBest();
  void setCaption(int element, const QString& caption);
  static QString timeCaption(std::string_view field);

  Module1& settings_;
  RecordEntry& records_;
  Prompts& prompts_;
  QPushButton* Reset;
  QPushButton* OK;
  std::array<QLabel*, 6> Best{};
  QLabel* Fram;
};

inline constexpr char kResetQuestion[] = QT_TRANSLATE_NOOP("Prompts", "Are you sure?");
inline constexpr char kResetTitle[] = QT_TRANSLATE_NOOP("Prompts", "Reset?");

}  // namespace klandor

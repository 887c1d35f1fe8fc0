#pragma once
// The Statistics dialog, Form4: for each level the games played and won,
// the share won, the current and the longest winning streak, the best and
// the average winning time and the best 3BV per second; for the level
// chosen, its ten fastest wins. With Keep Statistics on it reads the
// statistics file afresh at each opening; with it off it counts this run's
// games only, and says so. Reset Statistics asks first.

#include "kit/dialogs.h"
#include "records/statistics.h"

namespace klandor::kit {

class Form4 final : public Dialog {
 public:
  using Dialog::Dialog;

  // The figures, by row, each with its caption and one label per level.
  enum Figure : int { Played, Won, Share, Streak, Longest, Best, Average, Rate, kFigures };
  static constexpr int kLevelCount = 4;
  static constexpr int kFastest = static_cast<int>(StatisticsTally::kFastest);
  // Its controls, by index in the layout, in their tab order: OK first, so
  // that Enter closes the dialog.
  enum : int {
    OK,
    Reset,
    FastestLevel,  // the choice of the level whose fastest wins are listed
    FastestLabel,
    Note,          // says when only this run's games are counted
    Heading,       // the levels' names, one label each
    Caption = Heading + kLevelCount,       // a figure's caption, one a row
    Cell = Caption + kFigures,             // the figures, row by row, a level a column
    ListHeading = Cell + kFigures * kLevelCount,  // time, date and 3BV/s over the list
    List = ListHeading + 3,                // the fastest wins: rank, time, date, 3BV/s a row
    kControls = List + kFastest * 4,
  };

  const DialogLayout& layout() const override;
  Text title() const override;
  Text text(int control) const override;
  std::vector<Text> items(int control) const override;
  int chosen(int control) const override { return control == FastestLevel ? level_ : 0; }
  void press(int control) override;
  void choose(int control, int item) override;
  void close() override { OK_Click(); }

  void OK_Click();
  void Reset_Click();

 private:
  void update() override;

  StatisticsTally tally_;
  bool fromFile_ = false;
  int level_ = 0;  // the level of the fastest wins, 0 Beginner .. 3 Custom
};

}  // namespace klandor::kit

#include "ui/session.h"

namespace klandor::ui {

Session::Session(std::filesystem::path bestTimes, Prompts& prompts, SeedClock clock, FileWriter& writer)
    : prompts_(prompts),
      file_(std::move(bestTimes), writer),
      records_(file_, prompts_, [this] { mnuBest_Click(); }),
      game_(settings_, random_, std::move(clock), &records_),
      form1_(std::make_unique<Form1>(game_)) {
  form1_->onBest = [this] { mnuBest_Click(); };
  form1_->onCustom = [this] { mnuCustom_Click(); };
}

void Session::mnuBest_Click() {
  if (!form2_) form2_ = std::make_unique<Form2>(settings_, records_, prompts_, form1_.get());
  form2_->mnuBest_Click();
}

void Session::mnuCustom_Click() {
  if (!form3_) {
    form3_ = std::make_unique<Form3>(settings_, form1_.get(), [this](int across, int down, int totalmines) {
      form1_->customFieldOk(across, down, totalmines);
    });
  }
  form3_->mnuCustom_Click();
}

}  // namespace klandor::ui

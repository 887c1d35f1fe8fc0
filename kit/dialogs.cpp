#include "kit/dialogs.h"

#include <string>

#include "core/levels.h"
#include "kit/session.h"
#include "records/best_file.h"
#include "records/custom_field.h"
#include "records/leading_number.h"
#include "resources/picture_numbers.h"

namespace klandor::kit {

namespace {

// A rectangle given in twips.
constexpr Rect twips(int left, int top, int width, int height) { return {px(left), px(top), px(width), px(height)}; }

Control button(const char* name, Rect rect, Text caption, bool isDefault = false) {
  return {Control::kButton, name, rect, std::move(caption), isDefault};
}
Control label(const char* name, Rect rect, Text caption, bool fits, int buddy = -1) {
  return {Control::kLabel, name, rect, std::move(caption), false, fits, buddy};
}
Control box(const char* name, Rect rect) { return {Control::kBox, name, rect, {}}; }

}  // namespace

void Dialog::open() {
  if (view_ == nullptr) {
    Shell* shell = session_.shell();
    if (shell == nullptr) {  // no main window to stand over
      update();
      return;
    }
    load();
    view_ = &shell->makeDialog(*this);
  }
  update();
  open_ = true;
  view_->refresh();
  view_->showOverMain();
}

void Dialog::hide() {
  open_ = false;
  if (view_ != nullptr) view_->hideToMain();
}

void Dialog::sync() const {
  if (open_ && view_ != nullptr) view_->refresh();
}

// ---- Best Times -------------------------------------------------------

const DialogLayout& Form2::layout() const {
  static const DialogLayout layout = [] {
    DialogLayout l{px(4830), px(2265), {}};
    l.controls.push_back(button("Reset", twips(2160, 1800, 1215, 375), KLANDOR_TEXT("klandor::Form2", "&Reset Scores")));
    l.controls.push_back(button("OK", twips(3480, 1800, 1215, 375), KLANDOR_TEXT("klandor::Form2", "OK")));
    // The time of each level, then its holder, one row a level; each label
    // sizes itself to its text.
    static const char* const kNames[] = {"Best0", "Best1", "Best2", "Best3", "Best4", "Best5"};
    constexpr int kRowTop[] = {480, 840, 1200};
    for (int i = 0; i < 6; ++i)
      l.controls.push_back(label(kNames[i], {px(i < 3 ? 1680 : 3240), px(kRowTop[i % 3]), 0, 0}, {}, true));
    Control fram{Control::kPicture, "Fram", {px(120), px(120), 0, 0}, {}};
    fram.picture = pic::kBestTimesBackground;
    l.controls.push_back(fram);
    return l;
  }();
  return layout;
}

// The whole line, quotes included, as it was at the first opening.
void Form2::load() { title_ = latin1ToUtf8(session_.settings().bestline); }

Text Form2::title() const { return data(title_); }

// Each level's time field and " seconds" in the player's language (in the
// plural the number asks for), then its name field, as bestline holds them.
Text Form2::text(int control) const {
  const int element = control - Best;
  if (element < 0 || element >= 6) return Dialog::text(control);
  const std::string_view line = session_.settings().bestline;
  const int slot = element % 3 + 1;
  if (element >= 3) return data(latin1ToUtf8(field(line, nameOffset(slot), kNameWidth)));
  const std::string_view time = field(line, timeOffset(slot), kTimeWidth);
  Text caption = KLANDOR_TEXT_N3("klandor::Form2", "%1 seconds",
                                 "a time of the table; %1 is the time field, three characters");
  caption.count = static_cast<int>(leadingNumber(time));
  caption.args = {latin1ToUtf8(time)};
  return caption;
}

void Form2::press(int control) {
  if (control == OK) OK_Click();
  if (control == Reset) Reset_Click();
}

void Form2::OK_Click() { hide(); }

// The table shows what the file holds after the attempt: the default one,
// or, when it could not be saved, the records still held.
void Form2::Reset_Click() {
  if (!session_.prompts().confirm(kResetQuestion, kResetTitle)) return;
  session_.records().resetScores(session_.settings());
  sync();
}

// ---- Custom Field -------------------------------------------------------

const DialogLayout& Form3::layout() const {
  static const DialogLayout layout = [] {
    DialogLayout l{px(3375), px(1650), {}};
    l.controls = {
        button("OK", twips(2125, 240, 1095, 300), KLANDOR_TEXT("klandor::Form3", "OK"), true),
        box("Acr", twips(1080, 720, 855, 285)),
        box("Dwn", twips(1080, 240, 855, 285)),
        box("TM", twips(1080, 1200, 855, 285)),
        button("Cancel", twips(2125, 600, 1095, 300), KLANDOR_TEXT("klandor::Form3", "Cancel")),
        label("HLabel", twips(120, 240, 510, 195), KLANDOR_TEXT("klandor::Form3", "&Height:"), true, Dwn),
        label("WLabel", twips(120, 720, 735, 255), KLANDOR_TEXT("klandor::Form3", "&Width:"), false, Acr),
        label("Label1", twips(120, 1200, 735, 255), KLANDOR_TEXT("klandor::Form3", "&Mines:"), false, TM),
    };
    return l;
  }();
  return layout;
}

void Form3::load() { filled_ = session_.settings(); }

Text Form3::title() const { return KLANDOR_TEXT("klandor::Form3", "Custom Field"); }

// The boxes as the first opening fills them: decimal numbers without a
// leading space.
Text Form3::text(int control) const {
  switch (control) {
    case Acr:
      return data(std::to_string(filled_.across));
    case Dwn:
      return data(std::to_string(filled_.down));
    case TM:
      return data(std::to_string(filled_.totalmines));
    default:
      return Dialog::text(control);
  }
}

void Form3::press(int control) {
  if (control == OK) OK_Click();
  if (control == Cancel) Cancel_Click();
}

// The values are limited, not written back: the boxes keep what the player
// typed.
void Form3::OK_Click() {
  const DialogView* v = view();
  if (v == nullptr) return;
  const CustomField f = customField(v->boxText(Acr), v->boxText(Dwn), v->boxText(TM));
  hide();
  session_.game().customFieldOk(f.across, f.down, f.totalmines);
  session_.commandDone();
}

void Form3::Cancel_Click() { hide(); }

// ---- The main window's texts ---------------------------------------------

Text gameTitle() { return KLANDOR_TEXT3("klandor::ui::Form1", "Klandor", "the game's name"); }

}  // namespace klandor::kit

#pragma once
// The game's dialogs, whatever the toolkit: each one's controls and their
// places, what it shows and what its buttons do, in what order. A front end
// makes the controls from the layout, shows the texts the dialog gives it,
// and forwards each button's click and the closing of the window; it holds
// no caption, no rule and no step of its own.
//
// A dialog is made at its first opening (its Load) and afterwards only
// hidden and shown again. While it is open the main window is disabled, so
// the player can only use the dialog.

#include <string>
#include <vector>

#include "core/module1.h"
#include "kit/layout.h"
#include "kit/text.h"
#include "records/prompts.h"
#include "records/record_entry.h"

namespace klandor::kit {

class Session;

// Positions and sizes of the dialogs' layouts are given in twips, 15 to a
// pixel.
constexpr int px(int twips) { return (twips + 7) / 15; }

// A control of a dialog.
struct Control {
  enum Kind { kButton, kLabel, kBox, kPicture, kChoice };
  Kind kind;
  const char* name;   // as tests and tools find it
  Rect rect;          // in pixels at scale 1; a picture's size is its own
  Text caption;       // a button's or a fixed label's text
  bool isDefault = false;  // the button that Enter presses
  bool fits = false;       // a label that sizes itself to its text
  int buddy = -1;          // a label's box or choice, whose place its access key leads to
  int picture = 0;         // a picture's number, drawn behind the other controls
  bool right = false;      // a label's text set against its right edge
};

struct DialogLayout {
  int width = 0, height = 0;  // the client area, in pixels at scale 1
  // In tab order; labels and pictures take no Tab.
  std::vector<Control> controls;
};

// A dialog's window, as the dialog drives it.
class DialogView {
 public:
  virtual ~DialogView() = default;
  // Shows the title, the texts of the labels and the item chosen of each
  // choice as the dialog gives them now (a box keeps what the player
  // typed).
  virtual void refresh() = 0;
  // Disables the main window and shows the dialog in front of it.
  virtual void showOverMain() = 0;
  // Hides the dialog, enables the main window again and brings it to the
  // front.
  virtual void hideToMain() = 0;
  // What a box holds now, UTF-8.
  virtual std::string boxText(int control) const = 0;
};

class Dialog {
 public:
  explicit Dialog(Session& session) : session_(session) {}
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  virtual const DialogLayout& layout() const = 0;
  // The title, and what a control shows now: a label's caption, a box's
  // text when the dialog is first made.
  virtual Text title() const = 0;
  virtual Text text(int control) const { return layout().controls[static_cast<std::size_t>(control)].caption; }
  // A choice's items, and the one chosen now.
  virtual std::vector<Text> items(int /*control*/) const { return {}; }
  virtual int chosen(int /*control*/) const { return 0; }
  // A button clicked; an item of a choice chosen.
  virtual void press(int control) = 0;
  virtual void choose(int /*control*/, int /*item*/) {}
  // The window closed through its frame, or with Escape.
  virtual void close() = 0;

  // Its command: made at the first opening, brought up to date and shown
  // over the main window.
  void open();
  bool isOpen() const { return open_; }
  // Its window, once made.
  DialogView* view() const { return view_; }
  // Brings its window up to what it shows, when it is open.
  void sync() const;

 protected:
  // Runs at the first opening, before the window is made.
  virtual void load() {}
  // Brings what it shows up to date at each opening.
  virtual void update() {}
  void hide();

  Session& session_;

 private:
  DialogView* view_ = nullptr;
  bool open_ = false;
};

// The Best Times dialog, Form2: the time and holder of each level that
// keeps a best time, read from bestline, over picture 600; Reset Scores
// asks first and then resets the table.
class Form2 final : public Dialog {
 public:
  using Dialog::Dialog;

  // Its controls, by index in the layout.
  enum : int { Reset, OK, Best, Fram = Best + 6 };

  const DialogLayout& layout() const override;
  Text title() const override;
  Text text(int control) const override;
  void press(int control) override;
  void close() override { OK_Click(); }

  void OK_Click();
  void Reset_Click();

 private:
  void load() override;

  std::string title_;  // the best-times line at the first opening, UTF-8
};

// The Custom Field dialog, Form3: the width, height and mine count of the
// Custom level. Its boxes are filled from the settings at the first opening
// and keep what the player typed afterwards. OK brings the values into
// range and starts a Custom board of that size; Cancel and closing leave
// the game as it is.
class Form3 final : public Dialog {
 public:
  using Dialog::Dialog;

  enum : int { OK, Acr, Dwn, TM, Cancel, HLabel, WLabel, Label1 };

  const DialogLayout& layout() const override;
  Text title() const override;
  Text text(int control) const override;
  void press(int control) override;
  void close() override { Cancel_Click(); }

  void OK_Click();
  void Cancel_Click();

 private:
  void load() override;

  Module1 filled_;  // the settings at the first opening
};

// The About box; "%1" is the game's version.
inline constexpr char kAboutTitle[] = KLANDOR_TR_NOOP("Prompts", "About Klandor");
inline constexpr char kAboutText[] = KLANDOR_TR_NOOP(
    "Prompts",
    "Klandor %1. Uncover every cell that hides no mine, as fast as you can: the numbers tell how many mines touch "
    "each cell, the right button plants a flag, and the fastest time of each level is kept with its holder's name. "
    "Written by the Klandor developers.");
// The main window's title.
Text gameTitle();

inline constexpr char kResetQuestion[] = KLANDOR_TR_NOOP("Prompts", "Are you sure?");
inline constexpr char kResetTitle[] = KLANDOR_TR_NOOP("Prompts", "Reset?");

}  // namespace klandor::kit

#pragma once
// The Best Times dialog: the time and holder of each fixed level, read from
// bestline, over picture 600, and a button that resets the table. Made at
// its first opening (the constructor is its Load), afterwards only hidden
// and shown again.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/module1.h"
#include "records/prompts.h"
#include "records/record_entry.h"
#include "resources/pictures.h"
#include "windows/back_buffer.h"
#include "windows/dialog.h"

namespace klandor::win {

class Form2 final : public Dialog {
 public:
  Form2(Module1& settings, RecordEntry& records, Prompts& prompts, HWND mainWindow);
  ~Form2() override;

  // The Best Times command: disables the main window and shows the table.
  void mnuBest_Click();

  // The labels' texts, and a device pixel of the background (0x00RRGGBB)
  // with the scale it is drawn at, for tests.
  std::string caption(int element) const;
  std::uint32_t backgroundPixel(int x, int y) const { return Fram.pixel(x, y); }
  int backgroundScale() const { return Fram.scale(); }

 private:
  bool init() override;
  bool command(int id, int code) override;
  void closeByFrame() override;
  bool message(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void rescaled() override;

  void OK_Click();
  void Reset_Click();
  void showBest();
  void setCaption(int element, const std::wstring& caption);

  Module1& settings_;
  RecordEntry& records_;
  Prompts& prompts_;
  HWND Reset = nullptr;
  HWND OK = nullptr;
  std::array<HWND, 6> Best{};
  BackBuffer Fram;  // picture 600 at the dialog's scale
  HBRUSH panel_ = nullptr;  // the picture's ground, behind the labels
};

inline constexpr char kResetQuestion[] = KLANDOR_TR_NOOP("Prompts", "Are you sure?");
inline constexpr char kResetTitle[] = KLANDOR_TR_NOOP("Prompts", "Reset?");

// Picture 600 lettered in the current language.
res::Picture bestTimesBackground();

// The Latin-1 bytes of the best-times line as text.
std::wstring latin1(std::string_view bytes);

}  // namespace klandor::win

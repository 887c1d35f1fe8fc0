#pragma once
// A dialog of the game as a window of the system's own kind: the controls
// the kit's dialog lays out, at their places at the main window's scale,
// showing its texts in the player's language; each button's click and the
// closing of the window go back to it. A picture among its controls is
// drawn behind the others, and a label standing on it takes its ground.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kit/dialogs.h"
#include "windows/back_buffer.h"
#include "windows/dialog.h"

namespace klandor::win {

class GameDialog final : public Dialog, public kit::DialogView {
 public:
  GameDialog(kit::Dialog& dialog, HWND mainWindow);
  ~GameDialog() override;

  // A control by its index in the dialog's layout (null for a picture),
  // and its text, for tests.
  HWND control(int index) const { return made_[static_cast<std::size_t>(index)]; }
  std::string text(int index) const { return windowText(control(index)); }
  // A device pixel of a picture (0x00RRGGBB), from its top left corner,
  // and the scale it is drawn at, for tests.
  std::uint32_t picturePixel(int index, int x, int y) const { return picture(index).pixel(x, y); }
  int pictureScale(int index) const { return picture(index).scale(); }

  void refresh() override;
  void showOverMain() override;
  void hideToMain() override;
  std::string boxText(int control) const override;

 private:
  using Dialog::control;

  bool init() override;
  bool command(int id, int code) override;
  void closeByFrame() override;
  bool message(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void rescaled() override;

  // The control's window, made at its place.
  HWND make(int index);
  const BackBuffer& picture(int index) const;
  // Composes the pictures at the dialog's scale.
  void composePictures();

  kit::Dialog& dialog_;
  std::vector<HWND> made_;
  // The pictures, each composed at the dialog's scale, by control.
  std::vector<std::pair<int, std::unique_ptr<BackBuffer>>> pictures_;
  HBRUSH ground_ = nullptr;  // the pictures' ground, behind the labels standing on them
};

// Picture 600 lettered in the current language.
res::Picture bestTimesBackground();

}  // namespace klandor::win

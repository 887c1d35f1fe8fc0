#include "windows/game_dialog.h"

#include "resources/best_background.h"
#include "resources/picture_numbers.h"
#include "windows/text.h"
#include "windows/translations/translations.h"

namespace klandor::win {

namespace {

// A button's id: the default button's is IDOK, which Enter sends; Escape
// and the frame's close box send IDCANCEL, which no control has.
constexpr int kFirstId = 100;

res::Picture pictureOf(int number) {
  if (number == pic::kBestTimesBackground) return bestTimesBackground();
  const res::Picture* picture = res::picture(number);
  return picture != nullptr ? *picture : res::Picture{};
}

}  // namespace

res::Picture bestTimesBackground() {
  return res::bestTimesBackground(res::translatedLettering(
      [](std::string_view text) { return std::string(translated(res::kLetteringContext, text)); }));
}

GameDialog::GameDialog(kit::Dialog& dialog, HWND mainWindow)
    : Dialog(mainWindow, dialog.layout().width, dialog.layout().height), dialog_(dialog) {
  create(say(dialog.title()));
}

GameDialog::~GameDialog() {
  if (ground_ != nullptr) DeleteObject(ground_);
}

void GameDialog::composePictures() {
  const std::vector<kit::Control>& controls = dialog_.layout().controls;
  for (auto& [index, buffer] : pictures_) {
    const res::Picture picture = pictureOf(controls[static_cast<std::size_t>(index)].picture);
    buffer->reset(picture.width, picture.height, scale());
    buffer->place(picture, 0, 0);
    if (ground_ == nullptr) {
      const res::Rgb g = res::kPalette[picture.at(picture.width / 2, picture.height / 2)];
      ground_ = CreateSolidBrush(RGB(g.r, g.g, g.b));
    }
  }
}

// The pictures at the dialog's new scale.
void GameDialog::rescaled() {
  composePictures();
  InvalidateRect(hwnd(), nullptr, TRUE);
}

bool GameDialog::init() {
  const std::vector<kit::Control>& controls = dialog_.layout().controls;
  made_.assign(controls.size(), nullptr);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const kit::Control& c = controls[i];
    if (c.kind == kit::Control::kPicture) {
      pictures_.emplace_back(static_cast<int>(i), std::make_unique<BackBuffer>());
      continue;
    }
    // Each label goes just before its box, so that its access key leads
    // there; the rest in tab order.
    if (c.kind == kit::Control::kLabel && c.buddy >= 0) continue;
    for (std::size_t l = 0; l < controls.size(); ++l)
      if (controls[l].kind == kit::Control::kLabel && controls[l].buddy == static_cast<int>(i)) make(static_cast<int>(l));
    make(static_cast<int>(i));
  }
  composePictures();
  refresh();
  return false;  // the first control that takes Tab has the focus
}

HWND GameDialog::make(int index) {
  const kit::Control& c = dialog_.layout().controls[static_cast<std::size_t>(index)];
  const kit::Rect& r = c.rect;
  const int id = c.isDefault ? IDOK : kFirstId + index;
  HWND w = nullptr;
  switch (c.kind) {
    case kit::Control::kButton:
      w = control(L"BUTTON", say(c.caption), WS_TABSTOP | (c.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), id, r.x,
                  r.y, r.w, r.h);
      break;
    case kit::Control::kBox:
      w = control(L"EDIT", say(dialog_.text(index)), WS_TABSTOP | ES_AUTOHSCROLL, id, r.x, r.y, r.w, r.h);
      break;
    case kit::Control::kLabel:
      // A label without an access key shows its text as it stands.
      w = control(L"STATIC", L"", (c.right ? SS_RIGHT : SS_LEFT) | (c.buddy >= 0 ? 0 : SS_NOPREFIX), id, r.x, r.y,
                  r.w > 0 ? r.w : 1, r.h > 0 ? r.h : 1);
      break;
    case kit::Control::kChoice:
      // Its window reaches down over the list it drops.
      w = control(L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, id, r.x, r.y, r.w, r.h * 8);
      for (const kit::Text& item : dialog_.items(index))
        SendMessageW(w, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(say(item).c_str()));
      break;
    case kit::Control::kPicture:
      break;
  }
  made_[static_cast<std::size_t>(index)] = w;
  return w;
}

const BackBuffer& GameDialog::picture(int index) const {
  for (const auto& [control, buffer] : pictures_) {
    if (control == index) return *buffer;
  }
  return *pictures_.front().second;
}

void GameDialog::refresh() {
  SetWindowTextW(hwnd(), say(dialog_.title()).c_str());
  const std::vector<kit::Control>& controls = dialog_.layout().controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const int index = static_cast<int>(i);
    if (controls[i].kind == kit::Control::kChoice) SendMessageW(made_[i], CB_SETCURSEL, dialog_.chosen(index), 0);
    if (controls[i].kind != kit::Control::kLabel) continue;
    SetWindowTextW(made_[i], say(dialog_.text(index)).c_str());
    if (controls[i].fits) fitToText(made_[i]);  // the label sizes itself to its text
  }
}

void GameDialog::showOverMain() { showOverMainWindow(); }

void GameDialog::hideToMain() {
  hideToMainWindow();
  if (mainWindow() != nullptr) ShowWindow(mainWindow(), SW_SHOW);
}

std::string GameDialog::boxText(int control) const { return windowText(this->control(control)); }

bool GameDialog::command(int id, int code) {
  const std::vector<kit::Control>& controls = dialog_.layout().controls;
  if (code == CBN_SELCHANGE) {
    const int index = id - kFirstId;
    if (index < 0 || index >= static_cast<int>(controls.size())) return false;
    dialog_.choose(index, static_cast<int>(SendMessageW(made_[static_cast<std::size_t>(index)], CB_GETCURSEL, 0, 0)));
    return true;
  }
  if (code != BN_CLICKED) return false;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const kit::Control& c = controls[i];
    if (c.kind == kit::Control::kButton && (c.isDefault ? IDOK : kFirstId + static_cast<int>(i)) == id) {
      dialog_.press(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

void GameDialog::closeByFrame() { dialog_.close(); }

bool GameDialog::message(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  const std::vector<kit::Control>& controls = dialog_.layout().controls;
  if (message == WM_PAINT && !pictures_.empty()) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    for (const auto& [index, buffer] : pictures_) {
      const kit::Rect& r = controls[static_cast<std::size_t>(index)].rect;
      buffer->copyTo(dc, r.x * scale(), r.y * scale());
    }
    EndPaint(hwnd(), &ps);
    result = 0;
    return true;
  }
  if (message == WM_CTLCOLORSTATIC && ground_ != nullptr) {
    // The labels standing on a picture take its ground.
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if (made_[i] != reinterpret_cast<HWND>(lParam) || controls[i].kind != kit::Control::kLabel) continue;
      for (const auto& [index, buffer] : pictures_) {
        const kit::Rect& p = controls[static_cast<std::size_t>(index)].rect;
        const kit::Rect under{p.x, p.y, buffer->width(), buffer->height()};
        if (!under.contains(controls[i].rect.x, controls[i].rect.y)) continue;
        LOGBRUSH ground{};
        GetObjectW(ground_, sizeof(ground), &ground);
        SetBkColor(reinterpret_cast<HDC>(wParam), ground.lbColor);
        result = reinterpret_cast<INT_PTR>(ground_);
        return true;
      }
    }
  }
  return false;
}

}  // namespace klandor::win

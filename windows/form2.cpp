#include "windows/form2.h"

#include "records/best_file.h"
#include "records/leading_number.h"
#include "resources/best_background.h"
#include "windows/text.h"
#include "windows/translations/translations.h"

namespace klandor::win {

namespace {

constexpr char kContext[] = "klandor::Form2";
constexpr int kResetId = 100, kFirstBest = 110;
constexpr int kTimeLeft = 1680, kNameLeft = 3240;
constexpr std::array<int, 3> kRowTop = {480, 840, 1200};
constexpr int kFramLeft = 120, kFramTop = 120;

// A time field as bestline holds it, then its unit in the player's
// language, in the plural the number asks for.
std::wstring timeCaption(std::string_view field) {
  const int seconds = static_cast<int>(leadingNumber(field));
  return wide(arg(translated(kContext, "%1 seconds", "a time of the table; %1 is the time field, three characters",
                             seconds),
                  utf8(latin1(field))));
}

}  // namespace

res::Picture bestTimesBackground() {
  return res::bestTimesBackground(res::translatedLettering(
      [](std::string_view text) { return std::string(translated(res::kLetteringContext, text)); }));
}

std::wstring latin1(std::string_view bytes) {
  std::wstring text;
  for (const char c : bytes) text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
  return text;
}

Form2::Form2(Module1& settings, RecordEntry& records, Prompts& prompts, HWND mainWindow)
    : Dialog(mainWindow, px(4830), px(2265)), settings_(settings), records_(records), prompts_(prompts) {
  // The title is the whole line, quotes included, as it is at the first
  // opening.
  create(latin1(settings_.bestline));
}

Form2::~Form2() {
  if (panel_ != nullptr) DeleteObject(panel_);
}

bool Form2::init() {
  const res::Picture background = bestTimesBackground();
  Fram.reset(background.width, background.height, scale());
  Fram.place(background, 0, 0);
  const res::Rgb ground = res::kPalette[background.at(background.width / 2, background.height / 2)];
  panel_ = CreateSolidBrush(RGB(ground.r, ground.g, ground.b));

  const DWORD button = WS_TABSTOP | BS_PUSHBUTTON;
  Reset = control(L"BUTTON", wide(translated(kContext, "&Reset Scores")), button, kResetId, px(2160), px(1800),
                  px(1215), px(375));
  OK = control(L"BUTTON", wide(translated(kContext, "OK")), button, IDOK, px(3480), px(1800), px(1215), px(375));
  for (int i = 0; i < 6; ++i)
    Best[static_cast<std::size_t>(i)] = control(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, kFirstBest + i,
                                                px(i < 3 ? kTimeLeft : kNameLeft), px(kRowTop[i % 3]), 1, 1);
  showBest();
  return false;
}

// Picture 600 at the dialog's new scale.
void Form2::rescaled() {
  const res::Picture background = bestTimesBackground();
  Fram.reset(background.width, background.height, scale());
  Fram.place(background, 0, 0);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Form2::mnuBest_Click() {
  showBest();
  showOverMainWindow();
}

bool Form2::command(int id, int code) {
  if (code != BN_CLICKED) return false;
  if (id == IDOK) {
    OK_Click();
  } else if (id == kResetId) {
    Reset_Click();
  } else {
    return false;
  }
  return true;
}

void Form2::closeByFrame() { OK_Click(); }

void Form2::OK_Click() {
  hideToMainWindow();
  if (mainWindow() != nullptr) ShowWindow(mainWindow(), SW_SHOW);
}

void Form2::Reset_Click() {
  if (!prompts_.confirm(kResetQuestion, kResetTitle)) return;
  for (int i = 0; i < 3; ++i) {
    setCaption(i, timeCaption("999"));
    setCaption(i + 3, L"MrNobody");
  }
  records_.resetScores(settings_);
}

// Each level's time field and " seconds", then its name field, as bestline
// holds them.
void Form2::showBest() {
  const std::string_view line = settings_.bestline;
  for (int level = 1; level <= 3; ++level) {
    setCaption(level - 1, timeCaption(field(line, timeOffset(level), kTimeWidth)));
    setCaption(level + 2, latin1(field(line, nameOffset(level), kNameWidth)));
  }
}

// The labels size themselves to their text.
void Form2::setCaption(int element, const std::wstring& caption) {
  HWND label = Best[static_cast<std::size_t>(element)];
  SetWindowTextW(label, caption.c_str());
  fitToText(label);
}

std::string Form2::caption(int element) const { return windowText(Best[static_cast<std::size_t>(element)]); }

bool Form2::message(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    Fram.copyTo(dc, px(kFramLeft) * scale(), px(kFramTop) * scale());
    EndPaint(hwnd(), &ps);
    result = 0;
    return true;
  }
  if (message == WM_CTLCOLORSTATIC) {
    // The labels stand on the picture's ground.
    for (HWND label : Best) {
      if (reinterpret_cast<HWND>(lParam) != label) continue;
      HDC dc = reinterpret_cast<HDC>(wParam);
      LOGBRUSH ground{};
      GetObjectW(panel_, sizeof(ground), &ground);
      SetBkColor(dc, ground.lbColor);
      result = reinterpret_cast<INT_PTR>(panel_);
      return true;
    }
  }
  if (message == WM_DESTROY && panel_ != nullptr) {
    DeleteObject(panel_);
    panel_ = nullptr;
  }
  return false;
}

}  // namespace klandor::win

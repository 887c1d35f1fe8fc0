#include "windows/form3.h"

#include <string>

#include "records/custom_field.h"
#include "windows/text.h"
#include "windows/translations/translations.h"

namespace klandor::win {

namespace {
constexpr char kContext[] = "klandor::Form3";
constexpr int kAcrId = 100, kDwnId = 101, kTMId = 102, kCancelId = 103, kLabelId = 110;
}  // namespace

Form3::Form3(const Module1& settings, HWND mainWindow, Accept accept)
    : Dialog(mainWindow, px(3375), px(1650)), settings_(settings), accept_(std::move(accept)) {
  create(wide(translated(kContext, "Custom Field")));
}

bool Form3::init() {
  // Made in tab order: OK, Acr, Dwn, TM, Cancel. Each label goes just
  // before its box, so that its access key leads there; labels take no Tab.
  control(L"BUTTON", wide(translated(kContext, "OK")), WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, px(2125), px(240),
          px(1095), px(300));
  auto box = [&](const char* label, int labelHeight, int id, int top, int value, bool fit) {
    HWND l = control(L"STATIC", wide(translated(kContext, label)), SS_LEFT, kLabelId + id, px(120), px(top),
                     px(735), px(labelHeight));
    if (fit) fitToText(l);  // sizes itself to its text
    return control(L"EDIT", std::to_wstring(value), WS_TABSTOP | ES_AUTOHSCROLL, id, px(1080), px(top), px(855),
                   px(285));
  };
  Acr = box("&Width:", 255, kAcrId, 720, settings_.across, false);
  Dwn = box("&Height:", 195, kDwnId, 240, settings_.down, true);
  TM = box("&Mines:", 255, kTMId, 1200, settings_.totalmines, false);
  control(L"BUTTON", wide(translated(kContext, "Cancel")), WS_TABSTOP | BS_PUSHBUTTON, kCancelId, px(2125),
          px(600), px(1095), px(300));
  return false;  // OK has the focus
}

void Form3::mnuCustom_Click() { showOverMainWindow(); }

bool Form3::command(int id, int code) {
  if (code != BN_CLICKED) return false;
  if (id == IDOK) {
    OK_Click();
  } else if (id == kCancelId) {
    Cancel_Click();
  } else {
    return false;
  }
  return true;
}

// The entered values are limited, not written back: the boxes keep what the
// player typed.
void Form3::OK_Click() {
  const CustomField f = customField(windowText(Acr), windowText(Dwn), windowText(TM));
  hideToMainWindow();
  accept_(f.across, f.down, f.totalmines);
}

void Form3::Cancel_Click() { hideToMainWindow(); }

void Form3::closeByFrame() { Cancel_Click(); }

}  // namespace klandor::win

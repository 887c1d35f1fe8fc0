#pragma once
// The board as UI Automation shows it to assistive tools (screen readers):
// the window's client area holds the mine counter, the face, the clock and
// the minefield, a table of cells in row order, each named with the kit's
// words in the player's language (kit/access.h). The system may ask from any
// thread, so the elements answer from a snapshot of the board that the
// window brings up to date after each sync, behind a lock; their actions
// travel to the window's thread as a message. Nothing here runs, and the
// system's library is not even loaded, until a tool asks for the window's
// elements.

#include "windows/uia.h"

#include <memory>

#include "kit/access.h"

namespace klandor::win {

// What the board tells the tools that listen; tests listen through their
// own.
class AutomationEvents {
 public:
  virtual ~AutomationEvents() = default;
  virtual bool listening() = 0;
  virtual void propertyChanged(IRawElementProviderSimple* element, PROPERTYID property, const VARIANT& was,
                               const VARIANT& now) = 0;
  virtual void focusChanged(IRawElementProviderSimple* element) = 0;
  // The element's children are all new; `runtimeId` is its own.
  virtual void childrenInvalidated(IRawElementProviderSimple* element, int* runtimeId, int length) = 0;
};

struct AutomationTree;

class BoardAutomation {
 public:
  // Carries an assistive tool's click to the window's thread.
  static constexpr UINT kActMessage = WM_APP + 0x2A1;

  explicit BoardAutomation(const kit::Front& front);
  ~BoardAutomation();
  BoardAutomation(const BoardAutomation&) = delete;
  BoardAutomation& operator=(const BoardAutomation&) = delete;

  // WM_GETOBJECT: the board's root element for UI Automation; 0 for any
  // other request, which the window leaves to the system.
  LRESULT getObject(HWND hwnd, WPARAM wParam, LPARAM lParam);
  // After each sync of the board: the snapshot brought up to date and,
  // while a tool listens, what changed told.
  void synced(const kit::Changes& changes);
  // kActMessage: the click played on the board, while the window takes
  // input and the cell is still on it.
  kit::Outcome act(kit::Front& front, WPARAM wParam, LPARAM lParam);
  // The window goes: its elements are gone for every tool.
  void disconnect();

  // The window's root element, a new reference; null without the system's
  // library. The first one takes the snapshot: on the window's thread.
  IRawElementProviderSimple* root(HWND hwnd);
  // Who hears the changes; the system by default.
  void listenWith(AutomationEvents* events) { events_ = events; }

 private:
  // The snapshot brought up to date, and what changed told when `tell`.
  void update(const kit::Reports& reports, bool tell);

  const kit::Front& front_;
  std::shared_ptr<AutomationTree> tree_;
  IRawElementProviderSimple* root_ = nullptr;
  AutomationEvents* events_;
  bool gone_ = false;
};

}  // namespace klandor::win

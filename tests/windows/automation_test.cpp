// The board as assistive tools read it, under Wine: through UI Automation's
// flat client calls as far as Wine reads (the tree, names, ids, the face's
// status), and through the provider's own interfaces for the rest (the
// table, the actions, the toggle states, the reports).
#include "windows/board_automation.h"

#include <gtest/gtest.h>
#include <wrl/client.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/windows/window_fixture.h"
#include "windows/form1.h"
#include "windows/text.h"
#include "windows/translations/translations.h"

namespace klandor::win {
namespace {

using Microsoft::WRL::ComPtr;
using Element = ComPtr<IRawElementProviderSimple>;

template <typename I>
ComPtr<I> as(const Element& e) {
  ComPtr<I> i;
  if (e) e.As(&i);
  return i;
}
std::string text(VARIANT v) {
  std::string s = v.vt == VT_BSTR ? utf8(v.bstrVal) : v.vt == VT_I4 ? std::to_string(v.lVal) : "";
  if (v.vt == VT_BOOL) s = v.boolVal ? "true" : "false";
  return s;
}
std::string property(const Element& e, PROPERTYID id) {
  VARIANT v;
  if (FAILED(e->GetPropertyValue(id, &v))) return "(gone)";
  const std::string s = text(v);
  VariantClear(&v);
  return s;
}
std::string id(const Element& e) { return e ? property(e, UIA_AutomationIdPropertyId) : "(none)"; }
Element navigate(const Element& e, NavigateDirection d) {
  ComPtr<IRawElementProviderFragment> to;
  as<IRawElementProviderFragment>(e)->Navigate(d, &to);
  Element simple;
  if (to) to.As(&simple);
  return simple;
}

class AutomationTest : public test::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    core = uiaCore();
    ASSERT_NE(core, nullptr);
  }
  HWND hwnd() const { return form->hwnd(); }
  void send(UINT message, WPARAM wParam, LPARAM lParam = 0) { SendMessageW(hwnd(), message, wParam, lParam); }
  void click(int cell, bool right = false) {
    const kit::Rect r = form->front().layout().boxRect(cell);
    const LPARAM at = MAKELPARAM(r.x + r.w / 2, r.y + r.h / 2);
    send(right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, at);
    send(right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
  }
  // The window takes what the elements posted it.
  static void pump() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
  }
  Element root() {
    Element e;
    e.Attach(form->automation().root(hwnd()));
    return e;
  }
  Element cell(int row, int column) {
    Element e;
    as<IGridProvider>(navigate(root(), NavigateDirection_LastChild))->GetItem(row, column, &e);
    return e;
  }

  const UiaCore* core = nullptr;
};

// A tool's reading through the flat client calls: the names of every
// element under the window, depth first, and the nodes to read again.
struct Reading {
  std::vector<HUIANODE> nodes;
  std::vector<std::string> names;
};
void readTree(const UiaCore& core, HUIANODE node, Reading& out) {
  UiaCondition all{ConditionType_True};
  UiaCacheRequest request{&all, TreeScope_Element, nullptr, 0, nullptr, 0, AutomationElementMode_Full};
  for (auto d = NavigateDirection_FirstChild;; d = NavigateDirection_NextSibling) {
    SAFEARRAY* data = nullptr;
    BSTR shape = nullptr;
    if (FAILED(core.navigate(node, d, &all, &request, &data, &shape)) || data == nullptr) return;
    LONG first[2] = {0, 0};
    VARIANT v;
    SafeArrayGetElement(data, first, &v);
    core.nodeFromVariant(&v, &node);
    SafeArrayDestroy(data);
    SysFreeString(shape);
    core.getPropertyValue(node, UIA_NamePropertyId, &v);
    out.nodes.push_back(node);
    out.names.push_back(text(v));
    VariantClear(&v);
    readTree(core, node, out);
  }
}

TEST_F(AutomationTest, ToolsReadTheCounterFaceClockAndEveryCellAsTheBoardShows) {
  layMines({10, 64});
  HUIANODE window = nullptr;
  ASSERT_EQ(core->nodeFromHandle(hwnd(), &window), S_OK);
  Reading tree;
  readTree(*core, window, tree);
  std::vector<std::string> expected = {"Mines left: 10", "New game, Game in play", "Time: 0 seconds", "Minefield"};
  expected.insert(expected.end(), 64, "covered");  // the minefield's
  ASSERT_EQ(tree.names, expected);
  auto read = [&](int node, PROPERTYID id) {
    VARIANT v;
    core->getPropertyValue(tree.nodes[static_cast<std::size_t>(node)], id, &v);
    const std::string s = text(v);
    VariantClear(&v);
    return s;
  };
  const std::pair<const char*, int> parts[] = {{"Counter", UIA_TextControlTypeId},
                                               {"Face", UIA_ButtonControlTypeId},
                                               {"Clock", UIA_TextControlTypeId},
                                               {"Minefield", UIA_TableControlTypeId}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(read(i, UIA_AutomationIdPropertyId), parts[i].first);
    EXPECT_EQ(read(i, UIA_ControlTypePropertyId), std::to_string(parts[i].second));
  }
  EXPECT_EQ(read(1, UIA_ItemStatusPropertyId), "Game in play");
  const int cell = 4 - 1;  // the node of cell 1
  EXPECT_EQ(read(cell + 11, UIA_AutomationIdPropertyId), "Cell.1.2");
  EXPECT_EQ(read(cell + 11, UIA_HelpTextPropertyId), "Row 2, column 3");
  EXPECT_EQ(read(cell + 11, UIA_ControlTypePropertyId), std::to_string(UIA_DataItemControlTypeId));

  click(2, true);
  click(1);
  EXPECT_EQ(read(cell + 1, UIA_NamePropertyId), "1 mine around");
  EXPECT_EQ(read(cell + 2, UIA_NamePropertyId), "flag");
  EXPECT_EQ(read(cell + 3, UIA_NamePropertyId), "covered");
  EXPECT_EQ(read(0, UIA_NamePropertyId), "Mines left: 9");
  EXPECT_EQ(read(2, UIA_NamePropertyId), "Time: 1 second");
  click(10);
  EXPECT_EQ(read(cell + 10, UIA_NamePropertyId), "exploded mine");
  EXPECT_EQ(read(1, UIA_NamePropertyId), "New game, Game lost");
  EXPECT_EQ(read(1, UIA_ItemStatusPropertyId), "Game lost");
  for (HUIANODE n : tree.nodes) core->nodeRelease(n);
  core->nodeRelease(window);
}

TEST_F(AutomationTest, TheMinefieldIsATableOfCellsInRowOrder) {
  send(WM_COMMAND, MenuBar::command(Menu::mnuHard));
  const Element minefield = navigate(root(), NavigateDirection_LastChild);
  int rows = 0, columns = 0;
  as<IGridProvider>(minefield)->get_RowCount(&rows);
  as<IGridProvider>(minefield)->get_ColumnCount(&columns);
  EXPECT_EQ(rows, 16);
  EXPECT_EQ(columns, 30);
  RowOrColumnMajor major = RowOrColumnMajor_ColumnMajor;
  as<ITableProvider>(minefield)->get_RowOrColumnMajor(&major);
  EXPECT_EQ(major, RowOrColumnMajor_RowMajor);
  Element none;
  EXPECT_EQ(as<IGridProvider>(minefield)->GetItem(16, 0, &none), E_INVALIDARG);

  const Element c = cell(2, 29);
  int row = 0, column = 0;
  as<IGridItemProvider>(c)->get_Row(&row);
  as<IGridItemProvider>(c)->get_Column(&column);
  EXPECT_EQ(row * 100 + column, 229);
  EXPECT_EQ(id(c), "Cell.2.29");
  EXPECT_TRUE(as<ITableItemProvider>(c) && !as<IGridProvider>(c) && !as<IInvokeProvider>(minefield));
  EXPECT_EQ(id(navigate(c, NavigateDirection_NextSibling)), "Cell.3.0") << "row by row";
  EXPECT_EQ(id(navigate(c, NavigateDirection_Parent)), "Minefield");

  // On the screen where the window draws it, and found there.
  UiaRect r{};
  as<IRawElementProviderFragment>(c)->get_BoundingRectangle(&r);
  POINT origin{0, 0};
  ClientToScreen(hwnd(), &origin);
  const kit::Rect drawn = form->front().layout().boxRect(cellIndex(30, 29, 2));
  EXPECT_EQ(r.left, origin.x + drawn.x);
  EXPECT_EQ(r.top, origin.y + drawn.y);
  EXPECT_EQ(r.width, drawn.w);
  ComPtr<IRawElementProviderFragment> found;
  as<IRawElementProviderFragmentRoot>(root())->ElementProviderFromPoint(r.left + 2, r.top + 2, &found);
  Element hit;
  if (found) found.As(&hit);
  EXPECT_EQ(id(hit), "Cell.2.29");
}

TEST_F(AutomationTest, InvokeAndToggleClickAsTheMouseWhileTheWindowTakesInput) {
  layMines({10, 64});
  send(WM_COMMAND, MenuBar::command(Menu::mnuMarks));
  const ComPtr<IToggleProvider> flag = as<IToggleProvider>(cell(0, 1));
  ToggleState state = ToggleState_Off;
  for (ToggleState expected : {ToggleState_On, ToggleState_Indeterminate, ToggleState_Off}) {
    EXPECT_EQ(flag->Toggle(), S_OK);
    pump();
    flag->get_ToggleState(&state);
    EXPECT_EQ(state, expected);
  }
  EXPECT_EQ(as<IInvokeProvider>(cell(0, 0))->Invoke(), S_OK);
  pump();
  EXPECT_TRUE(game.b.uncovered[1]);
  // With Chording on, Invoke on a number whose mine is flagged chords it.
  settings.options.chording = true;
  as<IToggleProvider>(cell(1, 1))->Toggle();
  as<IInvokeProvider>(cell(0, 0))->Invoke();
  pump();
  EXPECT_TRUE(game.b.uncovered[2] && game.b.uncovered[9]);

  // A modal box over the window: no click, whether asked or already on its way.
  EnableWindow(hwnd(), FALSE);
  EXPECT_EQ(as<IInvokeProvider>(cell(7, 7))->Invoke(), UIA_E_ELEMENTNOTENABLED);
  EnableWindow(hwnd(), TRUE);
  as<IInvokeProvider>(cell(7, 7))->Invoke();
  EnableWindow(hwnd(), FALSE);
  pump();
  EnableWindow(hwnd(), TRUE);
  EXPECT_FALSE(game.b.uncovered[64]);

  const Element old = cell(0, 0);
  const unsigned loads = game.loads;
  const Element face = navigate(navigate(root(), NavigateDirection_FirstChild), NavigateDirection_NextSibling);
  EXPECT_FALSE(as<IToggleProvider>(face));
  as<IInvokeProvider>(face)->Invoke();
  pump();
  EXPECT_EQ(game.loads, loads + 1) << "a new game";
  EXPECT_EQ(property(old, UIA_NamePropertyId), "(gone)") << "a cell of the last board";
  EXPECT_EQ(property(cell(0, 0), UIA_NamePropertyId), "covered");
}

// Hears what the board tells, by the elements' ids.
class Recorder final : public AutomationEvents {
 public:
  bool listening() override { return on; }
  void propertyChanged(IRawElementProviderSimple* e, PROPERTYID p, const VARIANT& was, const VARIANT& now) override {
    heard.push_back(std::to_string(p) + " " + id(e) + ": " + text(was) + " > " + text(now));
  }
  void focusChanged(IRawElementProviderSimple* e) override { heard.push_back("focus " + id(e)); }
  void childrenInvalidated(IRawElementProviderSimple* e, int*, int) override { heard.push_back("new " + id(e)); }

  bool on = true;
  std::vector<std::string> heard;
};

TEST_F(AutomationTest, ListeningToolsAreToldWhatChanged) {
  Recorder tool;
  form->automation().listenWith(&tool);
  const Element window = root();
  ShowWindow(hwnd(), SW_SHOW);
  SetFocus(hwnd());
  layMines({10, 64});
  send(WM_KEYDOWN, VK_RIGHT);
  EXPECT_EQ(tool.heard, std::vector<std::string>{"focus Cell.0.1"});
  EXPECT_EQ(property(cell(0, 1), UIA_HasKeyboardFocusPropertyId), "true");
  EXPECT_EQ(property(cell(0, 0), UIA_HasKeyboardFocusPropertyId), "false");
  tool.heard.clear();
  send(WM_KEYDOWN, 'F');
  send(WM_KEYUP, 'F');
  const std::string name = std::to_string(UIA_NamePropertyId) + " ";
  EXPECT_EQ(tool.heard, (std::vector<std::string>{name + "Cell.0.1: covered > flag",
                                                   std::to_string(UIA_ToggleToggleStatePropertyId) + " Cell.0.1: 0 > 1",
                                                   name + "Counter: Mines left: 10 > Mines left: 9"}));
  tool.heard.clear();
  click(10);  // lost: the wrong flag, the mine hit, the other mine, the clock's start, the face
  ASSERT_EQ(tool.heard.size(), 7u);
  EXPECT_EQ(tool.heard[0], name + "Cell.0.1: flag > wrong flag");
  EXPECT_EQ(tool.heard[3], name + "Cell.7.7: covered > mine");
  EXPECT_EQ(tool.heard[5], name + "Face: New game, Game in play > New game, Game lost");
  EXPECT_EQ(tool.heard[6], std::to_string(UIA_ItemStatusPropertyId) + " Face: Game in play > Game lost");
  tool.heard.clear();
  send(WM_COMMAND, MenuBar::command(Menu::mnuNew));
  ASSERT_EQ(tool.heard.size(), 6u);
  EXPECT_EQ(tool.heard[0], name + "Counter: Mines left: 9 > Mines left: 10");
  EXPECT_EQ(tool.heard[4], "new Minefield");
  EXPECT_EQ(tool.heard[5], "focus Cell.0.1") << "the cursor keeps its place";

  tool.on = false;
  tool.heard.clear();
  click(5, true);
  EXPECT_TRUE(tool.heard.empty());
  const Element counter = navigate(window, NavigateDirection_FirstChild);
  form.reset();
  EXPECT_EQ(property(counter, UIA_NamePropertyId), "(gone)") << "with the window";
}

TEST_F(AutomationTest, TheWordsAreInThePlayersLanguage) {
  useLanguage("de");
  layMines({3, 10, 64});
  click(2);
  EXPECT_EQ(property(cell(0, 1), UIA_NamePropertyId), "2 angrenzende Minen");
  EXPECT_EQ(property(cell(0, 1), UIA_HelpTextPropertyId), "Zeile 1, Spalte 2");
  EXPECT_EQ(property(navigate(root(), NavigateDirection_FirstChild), UIA_NamePropertyId), "Verbleibende Minen: 10");
  useLanguage("");
}

}  // namespace
}  // namespace klandor::win

#include "windows/board_automation.h"

#include <array>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "windows/dpi.h"
#include "windows/text.h"
#include "windows/translations/translations.h"

namespace klandor::win {

namespace {

using kit::Part;

// The board's words in the player's language.
std::wstring say(const kit::Phrase& p) {
  if (p.text == nullptr) return {};
  std::string s(p.plural ? translated(kit::kBoardWordsContext, p.text, p.args[0])
                         : translated(kit::kBoardWordsContext, p.text));
  for (int i = 0; i < p.argCount; ++i) s = arg(s, std::to_string(p.args[static_cast<std::size_t>(i)]));
  return wide(s);
}

// What the tools read of a part.
struct Words {
  std::wstring name, status;
  int mark = kNoMark;
};

Words wordsOf(const kit::Front& front, Part part) {
  Words w{say(kit::partName(front, part)), say(kit::partStatus(front, part)), kit::partMark(front, part)};
  // Some tools read nothing but names: the face's says the game's state too.
  if (part.kind == Part::kFace) w.name += L", " + w.status;
  return w;
}

// The board as the window last synced it.
struct Snapshot {
  kit::Layout layout{0, 0};
  unsigned board = 0;  // counts the boards laid out
  std::array<Words, std::size(kit::kBoardParts)> parts;
  std::vector<Words> cells;  // by Box index
  int cursor = 1;
  bool gone = false;

  int cellCount() const { return layout.across() * layout.down(); }
  Words& words(Part p) { return p.kind == Part::kCell ? cells[static_cast<std::size_t>(p.index)] : parts[p.kind]; }
  const Words& words(Part p) const {
    return p.kind == Part::kCell ? cells[static_cast<std::size_t>(p.index)] : parts[p.kind];
  }
};

}  // namespace

struct AutomationTree {
  HWND hwnd = nullptr;
  SRWLOCK lock = SRWLOCK_INIT;
  Snapshot s;
};

namespace {

class Reader {
 public:
  explicit Reader(AutomationTree& t) : t_(t) { AcquireSRWLockShared(&t_.lock); }
  ~Reader() { ReleaseSRWLockShared(&t_.lock); }
  const Snapshot* operator->() const { return &t_.s; }
  const Snapshot& operator*() const { return t_.s; }

 private:
  AutomationTree& t_;
};

class Writer {
 public:
  explicit Writer(AutomationTree& t) : t_(t) { AcquireSRWLockExclusive(&t_.lock); }
  ~Writer() { ReleaseSRWLockExclusive(&t_.lock); }
  Snapshot* operator->() const { return &t_.s; }

 private:
  AutomationTree& t_;
};

// An element: the window's own (the root, whose name, type and place the
// system gives) or a part of the board, a cell with the board it was made on.
struct Node {
  bool root = false;
  Part part;
  unsigned board = 0;
};
constexpr Node kRoot{true, {}, 0};
Node nodeOf(Part part, unsigned board = 0) { return {false, part, board}; }

VARIANT text(const std::wstring& s) {
  VARIANT v;
  VariantInit(&v);
  if (s.empty()) return v;
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocString(s.c_str());
  return v;
}
VARIANT number(int n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = n;
  return v;
}
VARIANT truth(bool b) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

// No header rows or columns: an empty array.
HRESULT noHeaders(SAFEARRAY** out) {
  *out = SafeArrayCreateVector(VT_UNKNOWN, 0, 0);
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The runtime id after the window's: the part, and for a cell its board and
// index.
std::vector<int> runtimeId(const Node& n) {
  if (n.part.kind != Part::kCell) return {UiaAppendRuntimeId, n.part.kind + 1};
  return {UiaAppendRuntimeId, Part::kCell + 1, static_cast<int>(n.board), n.part.index};
}

// The window has the keyboard focus; asked from any thread.
bool hasFocus(HWND hwnd) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info) && info.hwndFocus == hwnd;
}

ToggleState toggleState(int mark) {
  return mark == kFlagMark ? ToggleState_On : mark == kQuestionMark ? ToggleState_Indeterminate : ToggleState_Off;
}

class Element final : public IRawElementProviderSimple,
                      public IRawElementProviderFragment,
                      public IRawElementProviderFragmentRoot,
                      public IInvokeProvider,
                      public IToggleProvider,
                      public IGridProvider,
                      public IGridItemProvider,
                      public ITableProvider,
                      public ITableItemProvider {
 public:
  // A new element, its one reference the caller's.
  static Element* make(const std::shared_ptr<AutomationTree>& tree, const Node& node) {
    return new Element(tree, node);
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IRawElementProviderSimple)) {
      *out = static_cast<IRawElementProviderSimple*>(this);
    } else if (iid == __uuidof(IRawElementProviderFragment)) {
      *out = static_cast<IRawElementProviderFragment*>(this);
    } else if (iid == __uuidof(IRawElementProviderFragmentRoot) && node_.root) {
      *out = static_cast<IRawElementProviderFragmentRoot*>(this);
    } else if (iid == __uuidof(IInvokeProvider)) {
      *out = patternOf(UIA_InvokePatternId);
    } else if (iid == __uuidof(IToggleProvider)) {
      *out = patternOf(UIA_TogglePatternId);
    } else if (iid == __uuidof(IGridProvider)) {
      *out = patternOf(UIA_GridPatternId);
    } else if (iid == __uuidof(IGridItemProvider)) {
      *out = patternOf(UIA_GridItemPatternId);
    } else if (iid == __uuidof(ITableProvider)) {
      *out = patternOf(UIA_TablePatternId);
    } else if (iid == __uuidof(ITableItemProvider)) {
      *out = patternOf(UIA_TableItemPatternId);
    }
    if (*out == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IRawElementProviderSimple. No COM threading: the system calls from any
  // thread, and the snapshot answers.
  HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* out) override {
    *out = ProviderOptions_ServerSideProvider;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown** out) override {
    *out = nullptr;
    if (!alive()) return UIA_E_ELEMENTNOTAVAILABLE;
    *out = patternOf(pattern);
    if (*out != nullptr) AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* out) override {
    VariantInit(out);
    if (node_.root) return S_OK;  // the window's own, from the system
    const Reader r(*tree_);
    if (!alive(*r)) return UIA_E_ELEMENTNOTAVAILABLE;
    const Part p = node_.part;
    const Words& w = r->words(p);
    const bool cell = p.kind == Part::kCell;
    switch (property) {
      case UIA_ControlTypePropertyId:
        *out = number(controlType());
        break;
      case UIA_NamePropertyId:
        *out = text(w.name);
        break;
      case UIA_AutomationIdPropertyId:
        *out = text(automationId(r->layout));
        break;
      case UIA_HelpTextPropertyId:  // a cell's place, the minefield's keys
        if (cell || p.kind == Part::kMinefield) *out = text(w.status);
        break;
      case UIA_ItemStatusPropertyId:  // the game's state
        if (p.kind == Part::kFace) *out = text(w.status);
        break;
      case UIA_IsKeyboardFocusablePropertyId:
        *out = truth(cell);
        break;
      case UIA_HasKeyboardFocusPropertyId:
        *out = truth(cell && r->cursor == p.index && hasFocus(tree_->hwnd));
        break;
      case UIA_IsEnabledPropertyId:
        *out = truth(IsWindowEnabled(tree_->hwnd) != FALSE);
        break;
      default:
        break;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** out) override {
    *out = nullptr;
    if (!node_.root) return S_OK;
    if (!alive()) return UIA_E_ELEMENTNOTAVAILABLE;
    return uiaCore()->hostProviderFromHwnd(tree_->hwnd, out);
  }

  // IRawElementProviderFragment
  HRESULT STDMETHODCALLTYPE Navigate(NavigateDirection direction, IRawElementProviderFragment** out) override {
    *out = nullptr;
    std::optional<Node> to;
    {
      const Reader r(*tree_);
      if (!alive(*r)) return UIA_E_ELEMENTNOTAVAILABLE;
      to = neighbour(direction, r->cellCount(), r->board);
    }
    if (to) *out = make(tree_, *to);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** out) override {
    *out = nullptr;
    if (node_.root) return S_OK;  // the window's
    const std::vector<int> id = runtimeId(node_);
    *out = SafeArrayCreateVector(VT_I4, 0, static_cast<ULONG>(id.size()));
    if (*out == nullptr) return E_OUTOFMEMORY;
    for (LONG i = 0; i < static_cast<LONG>(id.size()); ++i)
      SafeArrayPutElement(*out, &i, const_cast<int*>(&id[static_cast<std::size_t>(i)]));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_BoundingRectangle(UiaRect* out) override {
    *out = {};
    if (node_.root) return S_OK;  // the window's
    kit::Rect r;
    {
      const Reader s(*tree_);
      if (!alive(*s)) return UIA_E_ELEMENTNOTAVAILABLE;
      r = kit::partRect(s->layout, node_.part);
    }
    // The window draws at a whole-number scale of the layout's pixels.
    const int scale = scaleFor(windowDpi(tree_->hwnd));
    POINT origin{0, 0};
    ClientToScreen(tree_->hwnd, &origin);
    *out = {static_cast<double>(origin.x + r.x * scale), static_cast<double>(origin.y + r.y * scale),
            static_cast<double>(r.w * scale), static_cast<double>(r.h * scale)};
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetEmbeddedFragmentRoots(SAFEARRAY** out) override {
    *out = nullptr;
    return S_OK;
  }
  // The keyboard cursor moves by keys only.
  HRESULT STDMETHODCALLTYPE SetFocus() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_FragmentRoot(IRawElementProviderFragmentRoot** out) override {
    *out = make(tree_, kRoot);
    return S_OK;
  }

  // IRawElementProviderFragmentRoot
  HRESULT STDMETHODCALLTYPE ElementProviderFromPoint(double x, double y, IRawElementProviderFragment** out) override {
    *out = nullptr;
    POINT at{static_cast<LONG>(x), static_cast<LONG>(y)};
    ScreenToClient(tree_->hwnd, &at);
    const int scale = scaleFor(windowDpi(tree_->hwnd));
    const Reader r(*tree_);
    if (r->gone) return UIA_E_ELEMENTNOTAVAILABLE;
    if (at.x < 0 || at.y < 0) return S_OK;
    if (const std::optional<Part> p = kit::partAt(r->layout, at.x / scale, at.y / scale))
      *out = make(tree_, nodeOf(*p, r->board));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetFocus(IRawElementProviderFragment** out) override {
    *out = nullptr;
    const Reader r(*tree_);
    if (r->gone) return UIA_E_ELEMENTNOTAVAILABLE;
    if (hasFocus(tree_->hwnd)) *out = make(tree_, nodeOf({Part::kCell, r->cursor}, r->board));
    return S_OK;
  }

  // IInvokeProvider: the face's new game, a cell's left click (a number's
  // chord, with a chord option on).
  HRESULT STDMETHODCALLTYPE Invoke() override { return click(kLeft); }
  // IToggleProvider: the right button's click, a flag put on or taken off
  // (with marks, a flag turns into a "?" first).
  HRESULT STDMETHODCALLTYPE Toggle() override { return click(kRight); }
  HRESULT STDMETHODCALLTYPE get_ToggleState(ToggleState* out) override {
    const Reader r(*tree_);
    if (!alive(*r)) return UIA_E_ELEMENTNOTAVAILABLE;
    *out = toggleState(r->cells[static_cast<std::size_t>(node_.part.index)].mark);
    return S_OK;
  }

  // IGridProvider, ITableProvider: the minefield, row by row.
  HRESULT STDMETHODCALLTYPE GetItem(int row, int column, IRawElementProviderSimple** out) override {
    *out = nullptr;
    const Reader r(*tree_);
    if (!alive(*r)) return UIA_E_ELEMENTNOTAVAILABLE;
    const kit::Layout& l = r->layout;
    if (row < 0 || column < 0 || row >= l.down() || column >= l.across()) return E_INVALIDARG;
    *out = make(tree_, nodeOf({Part::kCell, cellIndex(l.across(), column, row)}, r->board));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_RowCount(int* out) override { return size(out, false); }
  HRESULT STDMETHODCALLTYPE get_ColumnCount(int* out) override { return size(out, true); }
  HRESULT STDMETHODCALLTYPE GetRowHeaders(SAFEARRAY** out) override { return noHeaders(out); }
  HRESULT STDMETHODCALLTYPE GetColumnHeaders(SAFEARRAY** out) override { return noHeaders(out); }
  HRESULT STDMETHODCALLTYPE get_RowOrColumnMajor(RowOrColumnMajor* out) override {
    *out = RowOrColumnMajor_RowMajor;
    return S_OK;
  }

  // IGridItemProvider, ITableItemProvider: a cell.
  HRESULT STDMETHODCALLTYPE get_Row(int* out) override { return place(out, false); }
  HRESULT STDMETHODCALLTYPE get_Column(int* out) override { return place(out, true); }
  HRESULT STDMETHODCALLTYPE get_RowSpan(int* out) override { return give(1, out); }
  HRESULT STDMETHODCALLTYPE get_ColumnSpan(int* out) override { return give(1, out); }
  HRESULT STDMETHODCALLTYPE get_ContainingGrid(IRawElementProviderSimple** out) override {
    *out = make(tree_, nodeOf({Part::kMinefield}));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetRowHeaderItems(SAFEARRAY** out) override { return noHeaders(out); }
  HRESULT STDMETHODCALLTYPE GetColumnHeaderItems(SAFEARRAY** out) override { return noHeaders(out); }

 private:
  Element(std::shared_ptr<AutomationTree> tree, const Node& node) : tree_(std::move(tree)), node_(node) {}

  static HRESULT give(int n, int* out) {
    *out = n;
    return S_OK;
  }

  bool alive(const Snapshot& s) const {
    if (s.gone) return false;
    return node_.root || node_.part.kind != Part::kCell || node_.board == s.board;
  }
  bool alive() const { return alive(*Reader(*tree_)); }

  // The pattern's interface where the part has it: the face's Invoke, the
  // minefield's Grid and Table, a cell's Invoke, Toggle, GridItem and
  // TableItem.
  IUnknown* patternOf(PATTERNID pattern) {
    const Part::Kind kind = node_.root ? Part::kCounter : node_.part.kind;
    const bool cell = kind == Part::kCell;
    switch (pattern) {
      case UIA_InvokePatternId:
        return cell || kind == Part::kFace ? static_cast<IInvokeProvider*>(this) : nullptr;
      case UIA_TogglePatternId:
        return cell ? static_cast<IToggleProvider*>(this) : nullptr;
      case UIA_GridItemPatternId:
        return cell ? static_cast<IGridItemProvider*>(this) : nullptr;
      case UIA_TableItemPatternId:
        return cell ? static_cast<ITableItemProvider*>(this) : nullptr;
      case UIA_GridPatternId:
        return kind == Part::kMinefield ? static_cast<IGridProvider*>(this) : nullptr;
      case UIA_TablePatternId:
        return kind == Part::kMinefield ? static_cast<ITableProvider*>(this) : nullptr;
      default:
        return nullptr;
    }
  }

  // The readouts are text, the face a button, the minefield a table of data
  // items: a button is either invoked or toggled, a table's item may be both.
  CONTROLTYPEID controlType() const {
    switch (node_.part.kind) {
      case Part::kFace:
        return UIA_ButtonControlTypeId;
      case Part::kMinefield:
        return UIA_TableControlTypeId;
      case Part::kCell:
        return UIA_DataItemControlTypeId;
      default:
        return UIA_TextControlTypeId;
    }
  }

  std::wstring automationId(const kit::Layout& l) const {
    static constexpr const wchar_t* kIds[] = {L"Counter", L"Face", L"Clock", L"Minefield"};
    const int index = node_.part.index;
    if (node_.part.kind != Part::kCell) return kIds[node_.part.kind];
    return L"Cell." + std::to_wstring(cellRow(l.across(), index)) + L"." +
           std::to_wstring(cellColumn(l.across(), index));
  }

  std::optional<Node> neighbour(NavigateDirection d, int cells, unsigned board) const {
    const bool first = d == NavigateDirection_FirstChild, last = d == NavigateDirection_LastChild;
    if (node_.root) {
      if (first) return nodeOf({kit::kBoardParts[0]});
      if (last) return nodeOf({Part::kMinefield});
      return std::nullopt;
    }
    const Part p = node_.part;
    const bool next = d == NavigateDirection_NextSibling, previous = d == NavigateDirection_PreviousSibling;
    if (p.kind == Part::kCell) {
      if (d == NavigateDirection_Parent) return nodeOf({Part::kMinefield});
      const int to = next ? p.index + 1 : p.index - 1;
      if (!(next || previous) || to < 1 || to > cells) return std::nullopt;
      return nodeOf({Part::kCell, to}, board);
    }
    if (d == NavigateDirection_Parent) return kRoot;
    if (first || last) {
      if (p.kind != Part::kMinefield) return std::nullopt;
      return nodeOf({Part::kCell, first ? 1 : cells}, board);
    }
    const int to = p.kind + (next ? 1 : -1);
    if (to < 0 || to > Part::kMinefield) return std::nullopt;
    return nodeOf({static_cast<Part::Kind>(to)});
  }

  HRESULT click(int button) {
    if (!alive()) return UIA_E_ELEMENTNOTAVAILABLE;
    // The window plays it only while it takes input; tell the tool now.
    if (!IsWindowEnabled(tree_->hwnd)) return UIA_E_ELEMENTNOTENABLED;
    const int index = node_.part.kind == Part::kCell ? node_.part.index : 0;
    PostMessageW(tree_->hwnd, BoardAutomation::kActMessage, static_cast<WPARAM>(index),
                 MAKELPARAM(button, node_.board & 0xFFFF));
    return S_OK;
  }

  HRESULT size(int* out, bool across) const {
    const Reader r(*tree_);
    if (r->gone) return UIA_E_ELEMENTNOTAVAILABLE;
    *out = across ? r->layout.across() : r->layout.down();
    return S_OK;
  }
  HRESULT place(int* out, bool column) const {
    const Reader r(*tree_);
    if (!alive(*r)) return UIA_E_ELEMENTNOTAVAILABLE;
    const int across = r->layout.across();
    *out = column ? cellColumn(across, node_.part.index) : cellRow(across, node_.part.index);
    return S_OK;
  }

  std::shared_ptr<AutomationTree> tree_;
  Node node_;
  LONG refs_ = 1;
};

// The system's UI Automation hears the changes.
class SystemEvents final : public AutomationEvents {
 public:
  bool listening() override {
    const UiaCore* core = uiaCore();
    return core != nullptr && core->clientsAreListening != nullptr && core->clientsAreListening();
  }
  void propertyChanged(IRawElementProviderSimple* element, PROPERTYID property, const VARIANT& was,
                       const VARIANT& now) override {
    if (const UiaCore* core = uiaCore(); core->raisePropertyChangedEvent != nullptr)
      core->raisePropertyChangedEvent(element, property, was, now);
  }
  void focusChanged(IRawElementProviderSimple* element) override {
    if (const UiaCore* core = uiaCore(); core->raiseAutomationEvent != nullptr)
      core->raiseAutomationEvent(element, UIA_AutomationFocusChangedEventId);
  }
  void childrenInvalidated(IRawElementProviderSimple* element, int* runtimeId, int length) override {
    if (const UiaCore* core = uiaCore(); core->raiseStructureChangedEvent != nullptr)
      core->raiseStructureChangedEvent(element, StructureChangeType_ChildrenInvalidated, runtimeId, length);
  }
};

SystemEvents systemEvents;

// A change to tell: a property of a part, from one value to another.
struct Told {
  Part part;
  PROPERTYID property;
  VARIANT was, now;
};

}  // namespace

BoardAutomation::BoardAutomation(const kit::Front& front)
    : front_(front), tree_(std::make_shared<AutomationTree>()), events_(&systemEvents) {}

BoardAutomation::~BoardAutomation() { disconnect(); }

IRawElementProviderSimple* BoardAutomation::root(HWND hwnd) {
  if (root_ == nullptr) {
    if (gone_ || uiaCore() == nullptr) return nullptr;
    tree_->hwnd = hwnd;
    kit::Reports all;
    all.newBoard = true;
    update(all, false);
    root_ = Element::make(tree_, kRoot);
  }
  root_->AddRef();
  return root_;
}

LRESULT BoardAutomation::getObject(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != UiaRootObjectId) return 0;
  IRawElementProviderSimple* element = root(hwnd);
  if (element == nullptr) return 0;
  const LRESULT result = uiaCore()->returnRawElementProvider(hwnd, wParam, lParam, element);
  element->Release();
  return result;
}

void BoardAutomation::synced(const kit::Changes& changes) {
  // Before a tool first asks, there is no one to tell; the first request
  // takes the snapshot.
  if (root_ != nullptr) update(kit::reports(changes), events_->listening());
}

void BoardAutomation::update(const kit::Reports& reports, bool tell) {
  std::vector<Told> told;
  unsigned board;
  {
    const Writer w(*tree_);
    for (const Part& p : reports.renamed) {
      if (p.kind == Part::kCell && reports.newBoard) continue;  // all new below
      const Words now = wordsOf(front_, p);
      Words& was = w->words(p);
      if (tell && now.name != was.name) told.push_back({p, UIA_NamePropertyId, text(was.name), text(now.name)});
      if (tell && p.kind == Part::kFace && now.status != was.status)
        told.push_back({p, UIA_ItemStatusPropertyId, text(was.status), text(now.status)});
      if (tell && now.mark != was.mark)
        told.push_back({p, UIA_ToggleToggleStatePropertyId, number(toggleState(was.mark)),
                        number(toggleState(now.mark))});
      was = now;
    }
    if (reports.newBoard) {
      w->layout = front_.layout();
      ++w->board;
      for (const Part::Kind kind : kit::kBoardParts) w->words({kind}) = wordsOf(front_, {kind});
      w->cells.assign(static_cast<std::size_t>(w->cellCount()) + 1, {});
      for (int i = 1; i <= w->cellCount(); ++i) w->words({Part::kCell, i}) = wordsOf(front_, {Part::kCell, i});
    }
    w->cursor = front_.cursorCell();
    board = w->board;
  }
  if (!tell) return;
  // Told with the lock let go: a tool may ask back at once, from any thread.
  auto about = [&](const Node& node, auto&& say) {
    Element* e = Element::make(tree_, node);
    say(e);
    e->Release();
  };
  for (Told& t : told) {
    about(nodeOf(t.part, board), [&](Element* e) { events_->propertyChanged(e, t.property, t.was, t.now); });
    VariantClear(&t.was);
    VariantClear(&t.now);
  }
  if (reports.newBoard) {
    const Node minefield = nodeOf({Part::kMinefield});
    std::vector<int> id = runtimeId(minefield);
    about(minefield, [&](Element* e) { events_->childrenInvalidated(e, id.data(), static_cast<int>(id.size())); });
  }
  if (reports.focus && GetFocus() == tree_->hwnd)
    about(nodeOf({Part::kCell, front_.cursorCell()}, board), [&](Element* e) { events_->focusChanged(e); });
}

kit::Outcome BoardAutomation::act(kit::Front& front, WPARAM wParam, LPARAM lParam) {
  // Forwarded only while the window takes input: no modal box over it.
  if (root_ == nullptr || !IsWindowEnabled(tree_->hwnd)) return {};
  const int index = static_cast<int>(wParam), button = LOWORD(lParam);
  if (index == 0) return front.act({kit::Element::kSmile, 0}, button);
  if (HIWORD(lParam) != (tree_->s.board & 0xFFFF)) return {};  // a cell of an earlier board
  // On a number, where a chord option is on, Invoke is the chord: a left
  // click there would open nothing.
  if (button == kLeft && front.canChord(index)) return front.chord(index);
  return front.act({kit::Element::kBox, index}, button);
}

void BoardAutomation::disconnect() {
  gone_ = true;
  if (root_ == nullptr) return;
  Writer(*tree_)->gone = true;
  const UiaCore* core = uiaCore();
  if (core->disconnectAllProviders != nullptr) {
    core->disconnectAllProviders();
  } else if (core->disconnectProvider != nullptr) {
    core->disconnectProvider(root_);
  }
  core->returnRawElementProvider(tree_->hwnd, 0, 0, nullptr);
  root_->Release();
  root_ = nullptr;
}

}  // namespace klandor::win

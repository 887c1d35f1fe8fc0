#include "qt/ui/board_accessible.h"

#include <QAccessibleWidget>
#include <array>
#include <optional>

#include "kit/access.h"
#include "qt/translations/language.h"
#include "qt/ui/board_view.h"

namespace klandor::ui {

namespace accessible {
namespace {

QRect toQRect(const kit::Rect& r) { return {r.x, r.y, r.w, r.h}; }

// The board's words in the player's language.
QString say(const kit::Phrase& p) {
  if (p.text == nullptr) return {};
  QString s = p.plural ? translated(kit::kBoardWordsContext, p.text, p.args[0])
                       : translated(kit::kBoardWordsContext, p.text);
  for (int i = 0; i < p.argCount; ++i) s = s.arg(p.args[static_cast<std::size_t>(i)]);
  return s;
}
QString say(const char* text) { return translated(kit::kBoardWordsContext, text); }

class BoardAccessible;

// A part of the board drawn on its surface: no object of its own, its place
// and contents read from the board.
class Part : public QAccessibleInterface {
 public:
  explicit Part(const BoardAccessible& board) : board_(board) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::State state() const override { return {}; }

 protected:
  BoardView& view() const;
  // A part of the board on the screen, and its words.
  QRect onScreen(kit::Part part) const;
  QString name(kit::Part part) const;
  QString status(kit::Part part) const;

  const BoardAccessible& board_;
};

// The mine counter or the clock: its value in its name.
class Readout final : public Part {
 public:
  Readout(const BoardAccessible& board, bool clock) : Part(board), clock_(clock) {}

  QString text(QAccessible::Text t) const override {
    const Board& b = view().game().b;
    if (t == QAccessible::Value) return QString::number(clock_ ? b.seconds : b.minesleft);
    return t == QAccessible::Name ? name(part()) : QString();
  }
  QRect rect() const override { return onScreen(part()); }
  QAccessible::Role role() const override { return QAccessible::StaticText; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.readOnly = true;
    return s;
  }

 private:
  kit::Part part() const { return {clock_ ? kit::Part::kClock : kit::Part::kCounter}; }

  bool clock_;
};

// The face: a button that starts a new game, described by the game's state.
class Face final : public Part, public QAccessibleActionInterface {
 public:
  using Part::Part;

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return name({kit::Part::kFace});
    if (t == QAccessible::Description) return status({kit::Part::kFace});
    return {};
  }
  QRect rect() const override { return onScreen({kit::Part::kFace}); }
  QAccessible::Role role() const override { return QAccessible::Button; }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction()) view().act({kit::Element::kSmile, 0}, kLeft);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

class Minefield;

// One cell of the minefield, by its index.
class Cell final : public Part, public QAccessibleTableCellInterface, public QAccessibleActionInterface {
 public:
  Cell(const BoardAccessible& board, const Minefield& table, int index) : Part(board), table_(table), index_(index) {}

  int index() const { return index_; }
  int across() const { return view().layout().across(); }

  bool isValid() const override { return Part::isValid() && index_ <= view().game().cells(); }
  QAccessibleInterface* parent() const override;
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return name(part());
    if (t == QAccessible::Description) return status(part());
    return {};
  }
  QRect rect() const override { return onScreen(part()); }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.focusable = true;
    s.focused = view().hasFocus() && view().cursorCell() == index_;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
    if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }

  // The table cell.
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return cellColumn(across(), index_); }
  int rowIndex() const override { return cellRow(across(), index_); }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

  // The actions: the press uncovers, as the left button; Flag is the right
  // button's click; Chord, on a number while a chord option is on, both
  // buttons'.
  static QString flagAction() { return QStringLiteral("Flag"); }
  static QString chordAction() { return QStringLiteral("Chord"); }
  QStringList actionNames() const override {
    QStringList names{pressAction(), flagAction()};
    if (view().front().canChord(index_)) names << chordAction();
    return names;
  }
  QString localizedActionName(const QString& name) const override {
    if (name == pressAction()) return say(kit::words::kUncover);
    if (name == flagAction()) return say(kit::words::kFlag);
    if (name == chordAction()) return say(kit::words::kChord);
    return {};
  }
  QString localizedActionDescription(const QString& name) const override {
    if (name == pressAction()) return say(kit::words::kUncoverHelp);
    if (name == flagAction()) return say(kit::words::kFlagHelp);
    if (name == chordAction()) return say(kit::words::kChordHelp);
    return {};
  }
  void doAction(const QString& name) override {
    if (name == pressAction()) view().act({kit::Element::kBox, index_}, kLeft);
    if (name == flagAction()) view().act({kit::Element::kBox, index_}, kRight);
    if (name == chordAction()) view().act({kit::Element::kBox, index_}, kit::kChordButtons);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  kit::Part part() const { return {kit::Part::kCell, index_}; }

  const Minefield& table_;
  int index_;
};

// The grid of cells as a table of `down` rows by `across` columns. Its cells
// are made when first asked for and dropped with the board they belong to.
class Minefield final : public Part, public QAccessibleTableInterface {
 public:
  using Part::Part;
  ~Minefield() override { dropCells(); }

  int across() const { return view().layout().across(); }

  QAccessibleInterface* cell(int index) const {
    if (index < 1 || index > view().game().cells()) return nullptr;
    QAccessible::Id& id = cells_[static_cast<std::size_t>(index)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new Cell(board_, *this, index));
    return QAccessible::accessibleInterface(id);
  }
  void dropCells() {
    for (QAccessible::Id& id : cells_) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
      id = 0;
    }
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return name({kit::Part::kMinefield});
    if (t == QAccessible::Description) return status({kit::Part::kMinefield});
    return {};
  }
  QRect rect() const override { return onScreen({kit::Part::kMinefield}); }
  QAccessible::Role role() const override { return QAccessible::Table; }
  int childCount() const override { return view().game().cells(); }
  QAccessibleInterface* child(int i) const override { return cell(i + 1); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* c = dynamic_cast<const Cell*>(child);
    return c != nullptr && cell(c->index()) == child ? c->index() - 1 : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = view().mapFromGlobal(QPoint(x, y));
    const std::optional<kit::Part> p = kit::partAt(view().layout(), at.x(), at.y());
    return p && p->kind == kit::Part::kCell ? cell(p->index) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return view().hasFocus() ? cell(view().cursorCell()) : nullptr;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
  }

  // The table.
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
    return cell(cellIndex(across(), column, row));
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return across(); }
  int rowCount() const override { return view().layout().down(); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent* event) override {
    if (event->modelChangeType() == QAccessibleTableModelChangeEvent::ModelReset) dropCells();
  }

 private:
  mutable std::array<QAccessible::Id, kCellSlots> cells_{};
};

// The board's surface: the counter, the face, the clock and the minefield,
// in reading order.
class BoardAccessible final : public QAccessibleWidget {
 public:
  // In reading order, as the kit's parts.
  enum Child {
    kCounter = kit::Part::kCounter,
    kFace = kit::Part::kFace,
    kClock = kit::Part::kClock,
    kMinefield = kit::Part::kMinefield,
    kChildren
  };

  explicit BoardAccessible(BoardView* view) : QAccessibleWidget(view, QAccessible::Pane) {}
  ~BoardAccessible() override {
    for (QAccessible::Id id : children_)
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
  }

  BoardView& view() const { return *static_cast<BoardView*>(widget()); }

  QAccessibleInterface* part(Child which) const {
    QAccessible::Id& id = children_[which];
    if (id == 0) {
      QAccessibleInterface* made = nullptr;
      switch (which) {
        case kCounter:
        case kClock:
          made = new Readout(*this, which == kClock);
          break;
        case kFace:
          made = new Face(*this);
          break;
        default:
          made = new Minefield(*this);
          break;
      }
      id = QAccessible::registerAccessibleInterface(made);
    }
    return QAccessible::accessibleInterface(id);
  }
  Minefield& minefield() const { return *static_cast<Minefield*>(part(kMinefield)); }

  int childCount() const override { return kChildren; }
  QAccessibleInterface* child(int i) const override {
    return i >= 0 && i < kChildren ? part(static_cast<Child>(i)) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < kChildren; ++i)
      if (children_[static_cast<std::size_t>(i)] != 0 && part(static_cast<Child>(i)) == child) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = view().mapFromGlobal(QPoint(x, y));
    const std::optional<kit::Part> p = kit::partAt(view().layout(), at.x(), at.y());
    if (!p) return nullptr;
    return part(p->kind == kit::Part::kCell ? kMinefield : static_cast<Child>(p->kind));
  }
  QAccessibleInterface* focusChild() const override { return minefield().focusChild(); }

 private:
  mutable std::array<QAccessible::Id, kChildren> children_{};
};

bool Part::isValid() const { return board_.isValid(); }
QWindow* Part::window() const { return board_.window(); }
QAccessibleInterface* Part::parent() const { return const_cast<BoardAccessible*>(&board_); }
BoardView& Part::view() const { return board_.view(); }
QRect Part::onScreen(kit::Part part) const {
  const QRect r = toQRect(kit::partRect(view().layout(), part));
  return {view().mapToGlobal(r.topLeft()), r.size()};
}
QString Part::name(kit::Part part) const { return say(kit::partName(view().front(), part)); }
QString Part::status(kit::Part part) const { return say(kit::partStatus(view().front(), part)); }

QAccessibleInterface* Cell::parent() const { return const_cast<Minefield*>(&table_); }

BoardAccessible* boardOf(BoardView& view) {
  return dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(&view));
}

void notify(QAccessibleInterface* iface, QAccessible::Event type) {
  if (iface == nullptr) return;
  QAccessibleEvent event(iface, type);
  QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* factory(const QString& className, QObject* object) {
  if (className == QLatin1String(BoardView::staticMetaObject.className()))
    return new BoardAccessible(static_cast<BoardView*>(object));
  return nullptr;
}

}  // namespace

void install() {
  static const bool installed = [] {
    QAccessible::installFactory(factory);
    return true;
  }();
  (void)installed;
}

void report(BoardView& view, const kit::Changes& changes) {
  BoardAccessible* board = boardOf(view);
  if (board == nullptr) return;
  const kit::Reports reports = kit::reports(changes);
  if (reports.newBoard) {
    QAccessibleTableModelChangeEvent reset(&board->minefield(), QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&reset);
  }
  for (const kit::Part& p : reports.renamed) {
    if (p.kind == kit::Part::kCell) {
      notify(board->minefield().cell(p.index), QAccessible::NameChanged);
    } else if (p.kind == kit::Part::kFace) {  // its state is its description
      notify(board->part(BoardAccessible::kFace), QAccessible::DescriptionChanged);
    } else {
      notify(board->part(static_cast<BoardAccessible::Child>(p.kind)), QAccessible::NameChanged);
    }
  }
  if (reports.focus) reportCursor(view);
}

void reportCursor(BoardView& view) {
  if (!view.hasFocus()) return;
  if (BoardAccessible* board = boardOf(view)) notify(board->minefield().cell(view.cursorCell()), QAccessible::Focus);
}

}  // namespace accessible
}  // namespace klandor::ui

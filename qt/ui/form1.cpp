#include "qt/ui/form1.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

#include "core/tile_sets.h"
#include "qt/images/picture_cache.h"
#include "qt/translations/language.h"
#include "qt/ui/board_view.h"
#include "qt/ui/menu_style.h"

namespace klandor::ui {

namespace {
kit::Rect toRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
QRect toQRect(const kit::Rect& r) { return {r.x, r.y, r.w, r.h}; }
}  // namespace

Form1::Form1(Game& game, QWidget* parent) : QMainWindow(parent), game_(game), window_(game) {
  setWindowTitle(tr("Klandor", "the game's name"));
  setWindowIcon(images::gameIcon());
  board_ = new BoardView(game_, this);
  setCentralWidget(board_);
  board_->setFocus();  // the keys play from the start
  buildMenus();

  second_.setInterval(1000);
  connect(&second_, &QTimer::timeout, this, [this] {
    game_.Second_Timer();
    sync();
  });
  connect(board_, &BoardView::played, this, &Form1::sync);

  onAbout = [this] { mnuAbout_Click(); };
  sync();
  fitToBoard();
}

void Form1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (opened_) return;
  // The window opens centred on the screen.
  opened_ = true;
  if (const QScreen* screen = this->screen()) {
    const kit::Rect room = toRect(screen->availableGeometry());
    const QRect frame = frameGeometry();
    move(toQRect(kit::recentre(room, frame.width(), frame.height(), room)).topLeft());
  }
}

void Form1::buildMenus() {
  auto* style = new MenuStyle;
  style->setParent(this);
  const auto text = [](std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); };
  std::array<QMenu*, kMenuItems> menus{};
  for (const MenuDesign& d : kMenuDesign) {
    const auto slot = static_cast<std::size_t>(d.item);
    QMenu* parent = menus[static_cast<std::size_t>(d.parent)];
    if (opensMenu(d.item)) {  // a menu of the bar or a submenu
      const QString caption = translated(kMenuContext, d.caption);
      menus[slot] = d.parent == d.item ? menuBar()->addMenu(caption) : parent->addMenu(caption);
      menus[slot]->setStyle(style);
      actions_[slot] = menus[slot]->menuAction();
      continue;
    }
    if (klandor::isSeparator(d.item)) {
      actions_[slot] = parent->addSeparator();
      continue;
    }
    QAction* a = parent->addAction(translated(kMenuContext, d.caption));
    a->setObjectName(text(d.name));
    a->setCheckable(d.checkable);
    if (!d.shortcut.empty()) a->setShortcut(QKeySequence(text(d.shortcut)));
    actions_[slot] = a;
  }

  auto on = [this](Menu item, auto handler) { connect(action(item), &QAction::triggered, this, handler); };
  on(Menu::mnuNew, [this] { run(&Game::mnuNew_Click); });
  on(Menu::mnuBeginner, [this] { run(&Game::mnuBeginner_Click); });
  on(Menu::mnuIntermediate, [this] { run(&Game::mnuIntermediate_Click); });
  on(Menu::mnuHard, [this] { run(&Game::mnuHard_Click); });
  on(Menu::mnuMarks, [this] { run(&Game::mnuMarks_Click); });
  on(Menu::mnuColor, [this] { run(&Game::mnuColor_Click); });
  for (const TileSetChoice& choice : kTileSetChoices) {
    on(choice.item, [this, item = choice.item] {
      game_.mnuTile_Click(item);
      sync();
    });
  }
  on(Menu::mnuCustom, [this] {
    sync();  // the check mark stays as the game has it until the dialog's OK
    if (onCustom) onCustom();
  });
  on(Menu::mnuBest, [this] {
    if (onBest) onBest();
  });
  on(Menu::mnuAbout, [this] {
    if (onAbout) onAbout();
  });
  on(Menu::mnuExit, [] { QApplication::exit(0); });
}

void Form1::run(void (Game::*command)()) {
  (game_.*command)();
  sync();
}

void Form1::customFieldOk(int across, int down, int totalmines) {
  game_.customFieldOk(across, down, totalmines);
  sync();
}

void Form1::sync() {
  board_->sync();
  for (const MenuDesign& d : kMenuDesign) {
    QAction* a = action(d.item);
    if (a->isCheckable()) a->setChecked(game_.menu.checked(d.item));
    a->setEnabled(game_.menu.enabled(d.item));
  }
  const kit::WindowState::Sync follow = window_.sync();
  if (!follow.timerRuns) {
    second_.stop();
  } else if (follow.timerRestarts) {
    second_.start();
  }
  if (follow.refit) fitToBoard();
}

void Form1::fitToBoard() {
  // The board's size decides the window's; the player can't resize it.
  const QRect before = frameGeometry();
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  adjustSize();
  setFixedSize(sizeHint());
  const QRect frame = frameGeometry();
  const QScreen* screen = this->screen();
  if (!isVisible() || frame.size() == before.size() || screen == nullptr) return;
  // A board of another size grows or shrinks the window about its centre,
  // and never past the edges of the screen.
  const kit::Rect room = toRect(screen->availableGeometry());
  move(toQRect(kit::recentre(toRect(before), frame.width(), frame.height(), room)).topLeft());
}

void Form1::mnuAbout_Click() {
  QMessageBox::information(this, tr("About Klandor"),
                           tr("Klandor 1.0. Uncover every cell that hides no mine, as fast as you can: the numbers "
                              "tell how many mines touch each cell, the right button plants a flag, and the fastest "
                              "time of each level is kept with its holder's name. Written by the Klandor developers."));
}

}  // namespace klandor::ui

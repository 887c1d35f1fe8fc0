#include "qt/ui/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>

#include "qt/dialogs/game_dialog.h"
#include "qt/images/picture_cache.h"
#include "qt/translations/language.h"
#include "qt/ui/board_view.h"
#include "qt/ui/menu_style.h"

namespace klandor::ui {

namespace {
kit::Rect toRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
QRect toQRect(const kit::Rect& r) { return {r.x, r.y, r.w, r.h}; }
}  // namespace

Form1::Form1(kit::Session& session, QWidget* parent)
    : QMainWindow(parent), session_(session), game_(session.game()), window_(session.game()) {
  setWindowTitle(say(kit::gameTitle()));
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

  session_.attach(this);
  sync();
  fitToBoard();
}

Form1::~Form1() { session_.attach(nullptr); }

void Form1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (opened_) return;
  opened_ = true;
  if (const QScreen* screen = this->screen()) {
    const QRect frame = frameGeometry();
    move(toQRect(kit::opening(frame.width(), frame.height(), toRect(screen->availableGeometry()))).topLeft());
  }
}

// Closing the window through its frame is the game's Exit.
void Form1::closeEvent(QCloseEvent* event) {
  session_.exit();
  QMainWindow::closeEvent(event);
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
    connect(a, &QAction::triggered, this, [this, item = d.item] { session_.choose(item); });
    actions_[slot] = a;
  }
}

void Form1::sync() {
  board_->sync();
  for (const MenuDesign& d : kMenuDesign) {
    QAction* a = action(d.item);
    if (a->isCheckable() && a->isChecked() != game_.menu.checked(d.item)) a->setChecked(game_.menu.checked(d.item));
    if (a->isEnabled() != game_.menu.enabled(d.item)) a->setEnabled(game_.menu.enabled(d.item));
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
  if (!isVisible() || screen == nullptr) return;
  const std::optional<kit::Rect> place =
      kit::refit(toRect(before), frame.width(), frame.height(), toRect(screen->availableGeometry()));
  if (place) move(toQRect(*place).topLeft());
}

kit::DialogView& Form1::makeDialog(kit::Dialog& dialog) {
  auto* view = new GameDialog(dialog, this);
  dialogs_.emplace_back(&dialog, view);
  return *view;
}

GameDialog* Form1::dialog(const kit::Dialog& dialog) const {
  for (const auto& [model, view] : dialogs_) {
    if (model == &dialog) return view;
  }
  return nullptr;
}

void Form1::quit() { QApplication::exit(0); }

}  // namespace klandor::ui

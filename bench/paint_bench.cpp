// The window's side of a player action on the largest board: forwarding the
// mouse, finding what changed and repainting it, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <memory>

#include "kit/session.h"
#include "qt/dialogs/qt_prompts.h"
#include "qt/ui/board_view.h"
#include "qt/ui/form1.h"

namespace klandor::bench {
namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "klandor_paint_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* instance = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *instance;
}

struct Window {
  QtPrompts prompts;
  std::uint64_t seed = 0;
  kit::Session session{{}, prompts, [this] { return ++seed; }};  // no files
  std::unique_ptr<ui::Form1> form;
  Window() {
    app();
    session.game().customFieldOk(30, 24, 10);
    form = std::make_unique<ui::Form1>(session);
    form->show();
    QApplication::processEvents();
  }
  ui::BoardView* view() const { return form->board(); }
  void send(QEvent::Type type, int index, Qt::MouseButton button) {
    const kit::Rect r = view()->layout().boxRect(index);
    const QPointF at(r.x + r.w / 2, r.y + r.h / 2);
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, at, view()->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(view(), &event);
  }
  void click(int index, Qt::MouseButton button) {
    send(QEvent::MouseButtonPress, index, button);
    send(QEvent::MouseButtonRelease, index, button);
    QApplication::processEvents();  // the repaint of what changed
  }
};

// An image the size of the client area at the window's device resolution
// (run with QT_SCALE_FACTOR=2 for a high-density screen).
QImage clientImage(const Window& w) {
  const qreal ratio = w.view()->devicePixelRatio();
  QImage image(w.view()->size() * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::black);
  return image;
}

// The baseline of the full repaint: one blit of a client-sized image.
void BM_Blit30x24(benchmark::State& state) {
  Window w;
  const QImage source = clientImage(w);
  QImage target = clientImage(w);
  for (auto _ : state) {
    QPainter painter(&target);
    painter.drawImage(QPoint(0, 0), source);
    painter.end();
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_Blit30x24)->Unit(benchmark::kMicrosecond);

// Every pixel of the 30 x 24 client area repainted.
void BM_FullRepaint30x24(benchmark::State& state) {
  Window w;
  QImage target = clientImage(w);
  for (auto _ : state) {
    QPainter painter(&target);
    w.view()->render(&painter);
    painter.end();
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_FullRepaint30x24)->Unit(benchmark::kMicrosecond);

// A flag put on and taken off again: press, release, sync and repaint of
// one cell and the counter, twice.
void BM_FlagAndUnflag30x24(benchmark::State& state) {
  Window w;
  w.click(720, Qt::RightButton);  // lays the mines
  w.click(720, Qt::RightButton);
  for (auto _ : state) {
    w.click(1, Qt::RightButton);
    w.click(1, Qt::RightButton);
  }
}
BENCHMARK(BM_FlagAndUnflag30x24)->Unit(benchmark::kMicrosecond);

// One left release that opens the whole 30 x 24 board and wins it, with
// every cell repainted; the new board for the next round is not timed.
void BM_CascadeAndRepaint30x24(benchmark::State& state) {
  Window w;
  for (auto _ : state) {
    state.PauseTiming();
    w.session.game().mnuNew_Click();
    w.form->sync();
    for (int c : {2, 4, 6, 8, 10, 12, 14, 16, 18, 20}) w.session.game().b.ismine[c] = true;
    w.session.game().minecheck();
    w.session.game().b.minesplaced = kTrue;
    QApplication::processEvents();
    state.ResumeTiming();
    w.click(720, Qt::LeftButton);
  }
}
BENCHMARK(BM_CascadeAndRepaint30x24)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace klandor::bench

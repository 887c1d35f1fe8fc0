// klandor_client_image OUTDIR: the Linux build's client area at scale 1,
// offscreen, as PNG files, for the Windows build's test to compare its own
// window with pixel for pixel: start.png as the game opens, flagged.png
// after a right click on the first cell (the flag, the counter at 009, the
// smiling face; the mines laid then are not seen).
#include <QApplication>
#include <QImage>
#include <QTest>
#include <cstdio>

#include "core/game.h"
#include "core/module1.h"
#include "kit/session.h"
#include "qt/dialogs/qt_prompts.h"
#include "qt/ui/board_view.h"
#include "qt/ui/form1.h"

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: klandor_client_image OUTDIR\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  klandor::QtPrompts prompts;
  klandor::kit::Session session({}, prompts);  // no files
  klandor::ui::Form1 form(session);
  form.show();
  klandor::ui::BoardView& view = *form.board();
  auto save = [&](const char* name) {
    const QImage image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    return image.save(out + "/" + name);
  };
  bool saved = save("start.png");
  const klandor::kit::Rect cell = view.layout().boxRect(1);
  const QPoint centre(cell.x + cell.w / 2, cell.y + cell.h / 2);
  QTest::mousePress(&view, Qt::RightButton, {}, centre);
  QTest::mouseRelease(&view, Qt::RightButton, {}, centre);
  QApplication::processEvents();  // the window's own sync of what the click changed
  saved = save("flagged.png") && saved;
  if (!saved) std::fprintf(stderr, "klandor_client_image: can't write to %s\n", argv[1]);
  return saved ? 0 : 1;
}

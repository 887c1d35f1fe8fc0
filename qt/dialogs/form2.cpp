#include "qt/dialogs/form2.h"

#include <QImage>
#include <QPixmap>

#include "qt/images/best_background.h"
#include "records/leading_number.h"

namespace klandor {

namespace {

constexpr int kTimeLeft = 1680, kNameLeft = 3240;
constexpr std::array<int, 3> kRowTop = {480, 840, 1200};

QString latin1(std::string_view bytes) { return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())); }

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setGeometry(px(left), px(1800), px(1215), px(375));
  return b;
}

}  // namespace

Form2::Form2(Module1& settings, RecordEntry& records, Prompts& prompts, QWidget* mainWindow)
    : GameDialog(mainWindow, px(4830), px(2265)), settings_(settings), records_(records), prompts_(prompts) {
  setWindowTitle("Best Times");
  Reset = button(this, "Reset", tr("&Reset Scores"), 2160);
  OK = button(this, "OK", tr("OK"), 3480);
  connect(Reset, &QPushButton::clicked, this, &Form2::Reset_Click);
  connect(OK, &QPushButton::clicked, this, &Form2::OK_Click);

  Fram = new QLabel(this);
  Fram->setObjectName("Fram");
  Fram->move(px(120), px(120));
  const QImage background = images::bestTimesBackground();
  Fram->setPixmap(QPixmap::fromImage(background));
  Fram->resize(background.size());
  Fram->lower();

  for (int i = 0; i < 6; ++i) {
    Best[i] = new QLabel(this);
    Best[i]->setTextFormat(Qt::PlainText);
    Best[i]->setObjectName(QString("Best%1").arg(i));
    Best[i]->move(px(i < 3 ? kTimeLeft : kNameLeft), px(kRowTop[i % 3]));
  }
  showBest();
  // The whole line, quotes included; a "[*]" in it is shown as it stands.
  setWindowTitle(latin1(settings_.bestline).replace("[*]", "[*][*]"));
}

void Form2::mnuBest_Click() {
  showBest();
  showOverMainWindow();
}

void Form2::OK_Click() {
  hideToMainWindow();
  if (QWidget* main = mainWindow()) {
    main->show();
    main->raise();
    main->activateWindow();
  }
}

void Form2::closeByFrame() { OK_Click(); }

void Form2::Reset_Click() {
  if (!prompts_.confirm(kResetQuestion, kResetTitle)) return;
  for (int i = 0; i < 3; ++i) {
    setCaption(i, timeCaption("999"));
    setCaption(i + 3, "MrNobody");
  }
  records_.resetScores(settings_);
  showBest();  // the table still held, when the file could not take the default line
}

// Each level's time field and " seconds", then its name field, as bestline
// holds them.
void Form2::showBest() {
  for (int level = 1; level <= 3; ++level) {
    const std::string_view line = settings_.bestline;
    setCaption(level - 1, timeCaption(field(line, timeOffset(level), kTimeWidth)));
    setCaption(level + 2, latin1(field(line, nameOffset(level), kNameWidth)));
  }
}

// A time field as bestline holds it, then its unit in the player's
// language, in the plural the number asks for.
QString Form2::timeCaption(std::string_view field) {
  const int seconds = static_cast<int>(leadingNumber(field));
  return tr("%1 seconds", "a time of the table; %1 is the time field, three characters", seconds).arg(latin1(field));
}

// The labels size themselves to their text.
void Form2::setCaption(int element, const QString& caption) {
  Best[element]->setText(caption);
  Best[element]->adjustSize();
}

}  // namespace klandor

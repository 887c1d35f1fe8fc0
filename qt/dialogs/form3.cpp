#include "qt/dialogs/form3.h"

#include <string>

#include "records/custom_field.h"

namespace klandor {

namespace {

template <typename Widget>
Widget* place(Widget* w, const char* name, int left, int top, int width, int height) {
  w->setObjectName(name);
  w->setGeometry(px(left), px(top), px(width), px(height));
  return w;
}

QLineEdit* box(QWidget* parent, const char* name, int top, int value) {
  return place(new QLineEdit(QString::number(value), parent), name, 1080, top, 855, 285);
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, int top, QWidget* buddy) {
  auto* l = place(new QLabel(caption, parent), name, 120, top, 735, 255);
  l->setBuddy(buddy);
  return l;
}

}  // namespace

Form3::Form3(const Module1& settings, QWidget* mainWindow, Accept accept)
    : GameDialog(mainWindow, px(3375), px(1650)), accept_(std::move(accept)) {
  setWindowTitle(tr("Custom Field"));
  OK = place(new QPushButton(tr("OK"), this), "OK", 2125, 240, 1095, 300);
  Acr = box(this, "Acr", 720, settings.across);
  Dwn = box(this, "Dwn", 240, settings.down);
  TM = box(this, "TM", 1200, settings.totalmines);
  Cancel = place(new QPushButton(tr("Cancel"), this), "Cancel", 2125, 600, 1095, 300);
  HLabel = label(this, "HLabel", tr("&Height:"), 240, Dwn);
  HLabel->adjustSize();  // sizes itself to its text
  WLabel = label(this, "WLabel", tr("&Width:"), 720, Acr);
  Label1 = label(this, "Label1", tr("&Mines:"), 1200, TM);

  setTabOrder(OK, Acr);
  setTabOrder(Acr, Dwn);
  setTabOrder(Dwn, TM);
  setTabOrder(TM, Cancel);
  OK->setFocus();

  connect(OK, &QPushButton::clicked, this, &Form3::OK_Click);
  connect(Cancel, &QPushButton::clicked, this, &Form3::Cancel_Click);
}

void Form3::mnuCustom_Click() { showOverMainWindow(); }

// The entered values are limited, not written back: the boxes keep what the
// player typed.
void Form3::OK_Click() {
  const CustomField f = customField(Acr->text().toStdString(), Dwn->text().toStdString(), TM->text().toStdString());
  hideToMainWindow();
  accept_(f.across, f.down, f.totalmines);
}

void Form3::Cancel_Click() { hideToMainWindow(); }

void Form3::closeByFrame() { Cancel_Click(); }

}  // namespace klandor

#include "qt/dialogs/game_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "qt/images/best_background.h"
#include "qt/images/picture_image.h"
#include "qt/translations/language.h"
#include "resources/picture_numbers.h"
#include "resources/pictures.h"

namespace klandor {

namespace {

QRect toQRect(const kit::Rect& r) { return {r.x, r.y, r.w, r.h}; }

QImage pictureImage(int number) {
  // Picture 600 is lettered in the player's language.
  if (number == pic::kBestTimesBackground) return images::bestTimesBackground();
  const res::Picture* picture = res::picture(number);
  return picture != nullptr ? images::toImage(*picture) : QImage();
}

}  // namespace

GameDialog::GameDialog(kit::Dialog& dialog, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      dialog_(dialog),
      mainWindow_(mainWindow) {
  const kit::DialogLayout& layout = dialog.layout();
  setFixedSize(layout.width, layout.height);
  controls_.resize(layout.controls.size(), nullptr);
  // The pictures first: every other control stands in front of them.
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const kit::Control& c = layout.controls[i];
    if (c.kind != kit::Control::kPicture) continue;
    auto* label = new QLabel(this);
    const QImage image = pictureImage(c.picture);
    label->setPixmap(QPixmap::fromImage(image));
    label->setGeometry(c.rect.x, c.rect.y, image.width(), image.height());
    controls_[i] = label;
  }
  QWidget* previous = nullptr;
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const kit::Control& c = layout.controls[i];
    const int index = static_cast<int>(i);
    QWidget* w = controls_[i];
    if (c.kind == kit::Control::kButton) {
      auto* button = new QPushButton(say(c.caption), this);
      button->setDefault(c.isDefault);
      connect(button, &QPushButton::clicked, this, [this, index] { dialog_.press(index); });
      w = button;
    } else if (c.kind == kit::Control::kBox) {
      w = new QLineEdit(say(dialog.text(index)), this);
    } else if (c.kind == kit::Control::kChoice) {
      auto* choice = new QComboBox(this);
      for (const kit::Text& item : dialog.items(index)) choice->addItem(say(item));
      connect(choice, &QComboBox::activated, this, [this, index](int item) { dialog_.choose(index, item); });
      w = choice;
    } else if (c.kind == kit::Control::kLabel) {
      auto* label = new QLabel(this);
      // A label with an access key shows it; any other shows its text as
      // it stands.
      label->setTextFormat(c.buddy >= 0 ? Qt::AutoText : Qt::PlainText);
      if (c.right) label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      w = label;
    }
    if (c.kind != kit::Control::kPicture) w->setGeometry(toQRect(c.rect));
    w->setObjectName(c.name);
    controls_[i] = w;
    if (c.kind != kit::Control::kButton && c.kind != kit::Control::kBox && c.kind != kit::Control::kChoice) continue;
    if (previous != nullptr) setTabOrder(previous, w);
    if (previous == nullptr) w->setFocus();
    previous = w;
  }
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const kit::Control& c = layout.controls[i];
    if (c.buddy >= 0) static_cast<QLabel*>(controls_[i])->setBuddy(control(c.buddy));
  }
  refresh();
}

void GameDialog::refresh() {
  // A "[*]" in a title is Qt's mark for unsaved changes: doubled, it shows
  // as it stands.
  setWindowTitle(say(dialog_.title()).replace("[*]", "[*][*]"));
  const kit::DialogLayout& layout = dialog_.layout();
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const kit::Control& c = layout.controls[i];
    const int index = static_cast<int>(i);
    if (c.kind == kit::Control::kChoice) static_cast<QComboBox*>(controls_[i])->setCurrentIndex(dialog_.chosen(index));
    if (c.kind != kit::Control::kLabel) continue;
    auto* label = static_cast<QLabel*>(controls_[i]);
    label->setText(say(dialog_.text(index)));
    if (c.fits) label->adjustSize();  // the label sizes itself to its text
  }
}

void GameDialog::showOverMain() {
  if (mainWindow_) mainWindow_->setEnabled(false);
  // A window shares the disabled state of its parent; this one must stay
  // usable while the main window is disabled.
  setEnabled(true);
  show();
  raise();
  activateWindow();
}

void GameDialog::hideToMain() {
  hide();
  if (mainWindow_ == nullptr) return;
  mainWindow_->setEnabled(true);
  mainWindow_->show();
  mainWindow_->raise();
  mainWindow_->activateWindow();
}

std::string GameDialog::boxText(int control) const {
  const auto* box = qobject_cast<const QLineEdit*>(this->control(control));
  return box != nullptr ? box->text().toStdString() : std::string();
}

void GameDialog::reject() { dialog_.close(); }

}  // namespace klandor

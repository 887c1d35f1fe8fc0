// Every language the game ships, in the game itself: complete, with an
// access key of its own for each menu item, and fitting every fixed place.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QXmlStreamReader>
#include <set>

#include "qt/dialogs/game_dialog.h"
#include "qt/images/best_background.h"
#include "records/best_file.h"
#include "tests/kit/session_fixture.h"
#include "qt/translations/language.h"
#include "qt/ui/form1.h"

namespace klandor {
namespace {

const QStringList kLanguages = QString(KLANDOR_LANGUAGES).split(',');

// English (no translation) and every shipped language.
QStringList everyLanguage() { return QStringList{"en"} + kLanguages; }

TEST(Translations, TheProgramCarriesEveryLanguageOfTheBuild) {
  QStringList expected = kLanguages;
  expected.sort();
  EXPECT_EQ(shippedLanguages(), expected);
  for (const QString& language : kLanguages) EXPECT_EQ(Translation(QLocale(language)).language(), language);
  EXPECT_EQ(Translation(QLocale("en_US")).language(), "");
}

// A translation that lost "%1" would drop the time, or the system's reason.
TEST(Translations, EveryTranslationKeepsThePlaceholdersOfItsText) {
  const auto placeholders = [](const QString& text) {
    std::multiset<QString> found;
    for (const auto& match : QRegularExpression("%\\d").globalMatch(text)) found.insert(match.captured());
    return found;
  };
  for (const QString& language : kLanguages) {
    QFile file(QString(KLANDOR_TS_DIR) + "/klandor_" + language + ".ts");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QXmlStreamReader ts(&file);
    QString source;
    bool numerus = false;
    int translations = 0;
    while (!ts.atEnd()) {
      if (ts.readNext() != QXmlStreamReader::StartElement) continue;
      if (ts.name() == u"message") numerus = ts.attributes().value("numerus") == u"yes";
      if (ts.name() == u"source") source = ts.readElementText();
      if (ts.name() != u"numerusform" && (ts.name() != u"translation" || numerus)) continue;
      const QString text = ts.readElementText();
      EXPECT_EQ(placeholders(text), placeholders(source)) << language.toStdString() << ": " << text.toStdString();
      ++translations;
    }
    EXPECT_FALSE(ts.hasError()) << ts.errorString().toStdString();
    EXPECT_GT(translations, 30) << language.toStdString();
  }
}

// The access key of a caption: the letter after its one "&", lower case;
// none, or more than one, gives nothing.
QString accessKey(const QString& caption) {
  const QString single = QString(caption).replace("&&", "");
  if (single.count('&') != 1 || single.endsWith('&')) return {};
  return single.at(single.indexOf('&') + 1).toLower();
}

void expectAccessKeysOfTheirOwn(const QList<QAction*>& items, const QString& language) {
  QStringList keys;
  for (const QAction* item : items) {
    if (item->isSeparator()) continue;
    const QString key = accessKey(item->text());
    EXPECT_FALSE(key.isEmpty()) << language.toStdString() << ": " << item->text().toStdString();
    EXPECT_FALSE(keys.contains(key)) << language.toStdString() << ": " << item->text().toStdString();
    keys << key;
    if (item->menu()) expectAccessKeysOfTheirOwn(item->menu()->actions(), language);
  }
}

// The main window in each language, on a game as the program opens it.
class TranslatedWindowTest : public test::SessionTest {};

TEST_F(TranslatedWindowTest, EveryMenuGivesEachItemAnAccessKeyOfItsOwn) {
  for (const QString& language : everyLanguage()) {
    const Translation translation{QLocale(language)};
    ui::Form1 form(session);
    expectAccessKeysOfTheirOwn(form.menuBar()->actions(), language);
  }
}

// At scale 1, in the font the dialog uses, no text is cut off in its widget.
void expectFits(const QWidget* dialog, const QString& language) {
  for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QString text = QString(button->text()).remove('&');
    EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(text), room.width())
        << language.toStdString() << ": " << text.toStdString();
  }
  for (const QLabel* label : dialog->findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;  // the picture
    const QString text = QString(label->text()).remove('&');
    const QFontMetrics metrics(label->font());
    EXPECT_LE(metrics.horizontalAdvance(text), label->contentsRect().width())
        << language.toStdString() << ": " << text.toStdString();
    EXPECT_LE(metrics.height(), label->contentsRect().height()) << language.toStdString();
    // A label standing before another widget (its box, or the holder's name
    // after a time) must end before it.
    for (const QWidget* other : dialog->findChildren<QWidget*>()) {
      const bool sameRow = other->geometry().top() == label->geometry().top();
      if (other == label || !sameRow || other->x() <= label->x()) continue;
      EXPECT_LT(label->geometry().right(), other->x())
          << language.toStdString() << ": " << text.toStdString() << " runs into " << other->objectName().toStdString();
    }
  }
}

TEST_F(TranslatedWindowTest, EveryTextFitsItsPlaceInTheFixedDialogs) {
  ASSERT_EQ(settings.bestline, defaultLine());  // the widest times
  for (const QString& language : everyLanguage()) {
    const Translation translation{QLocale(language)};
    for (kit::Dialog* dialog :
         std::initializer_list<kit::Dialog*>{&session.form2(), &session.form3(), &session.form4()}) {
      const GameDialog view(*dialog, nullptr);
      expectFits(&view, language);
    }
  }
}

TEST(Translations, EveryLanguageLettersTheBestTimesBackgroundWithinItsBoxes) {
  for (const QString& language : kLanguages) {
    const Translation translation{QLocale(language)};
    const res::BestTimesLettering lettering = images::translatedLettering();
    EXPECT_NE(lettering, res::englishLettering()) << language.toStdString();
    EXPECT_EQ(res::fittedLettering(lettering), lettering) << language.toStdString() << " is shortened or lacks a letter";
  }
}

}  // namespace
}  // namespace klandor

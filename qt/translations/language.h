#pragma once
// The player's language. The game's texts are written in English; for any
// other language the game ships a translation, built into the program, and
// Qt's own translation of its standard buttons is used when the system has
// it. In English, and under the C or POSIX locale, every text stays as it is
// written.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <string_view>

#include "kit/text.h"

namespace klandor {

// The locale the player's texts follow: the system's (QLocale::system(),
// which reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG), or the C locale when
// the environment's messages locale is C or POSIX, in which LANGUAGE does not
// count.
QLocale playerLocale();

class Translation {
 public:
  // Installs the game's translation for the first of the locale's languages
  // that it ships, and Qt's own for the same language, for as long as this
  // lives.
  explicit Translation(const QLocale& locale);
  ~Translation();
  Translation(const Translation&) = delete;
  Translation& operator=(const Translation&) = delete;

  // The language in use, as the translations are named, or empty for
  // English.
  QString language() const { return game_.language(); }

 private:
  QTranslator game_;
  QTranslator qt_;
};

// The languages the game ships, as the translations are named ("de",
// "pt_BR"...).
QStringList shippedLanguages();

// A text the plain layers marked with KLANDOR_TR_NOOP, in the player's
// language; one marked with KLANDOR_TR_N_NOOP in its form for the count n.
QString translated(const char* context, std::string_view english);
QString translated(const char* context, std::string_view english, int n);

// A text of the kit in the player's language, its data filled in as they
// are.
QString say(const kit::Text& text);

}  // namespace klandor

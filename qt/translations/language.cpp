#include "qt/translations/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <string>

namespace klandor {

namespace {

// Where the build puts the compiled translations among the program's
// resources.
const QString kResources = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("klandor_");

}  // namespace

QLocale playerLocale() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QByteArray value = qgetenv(variable);
    if (value.isEmpty()) continue;
    const bool c = value == "C" || value == "POSIX" || value.startsWith("C.");
    return c ? QLocale::c() : QLocale::system();
  }
  return QLocale::c();  // nothing set is the C locale
}

Translation::Translation(const QLocale& locale) {
  if (locale.language() == QLocale::C || !game_.load(locale, "klandor", "_", kResources)) return;
  QCoreApplication::installTranslator(&game_);
  // The standard buttons speak the game's language, never another one.
  if (qt_.load("qtbase_" + game_.language(), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qt_);
}

Translation::~Translation() {
  QCoreApplication::removeTranslator(&qt_);
  QCoreApplication::removeTranslator(&game_);
}

QStringList shippedLanguages() {
  QStringList languages;
  for (const QString& file : QDir(kResources).entryList({kPrefix + "*.qm"}, QDir::Files, QDir::Name))
    languages << file.mid(kPrefix.size()).chopped(3);
  return languages;
}

QString translated(const char* context, std::string_view english) {
  return QCoreApplication::translate(context, std::string(english).c_str());
}

QString translated(const char* context, std::string_view english, int n) {
  return QCoreApplication::translate(context, std::string(english).c_str(), nullptr, n);
}

QString say(const kit::Text& text) {
  if (text.empty()) return {};
  const QString pattern = text.context == nullptr
                              ? QString::fromUtf8(text.english)
                              : QCoreApplication::translate(text.context, text.english, text.comment,
                                                            text.count.value_or(-1));
  return QString::fromStdString(kit::Text::fill(pattern.toStdString(), text.args));
}

}  // namespace klandor

// Developer tool: writes every picture of the game into a folder, as
// <number>.bmp (the face element's own face as initial-face.bmp), the Best
// Times background lettered in each shipped language as 600-<language>.bmp
// and the window icon as icon-16.png and icon-32.png, so they can be looked
// at.
//   klandor-pictures OUTDIR

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "qt/images/best_background.h"
#include "qt/images/picture_image.h"
#include "resources/bmp.h"
#include "resources/picture_numbers.h"
#include "resources/pictures.h"
#include "qt/translations/language.h"

namespace {

using namespace klandor;

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool writeIcon(const std::filesystem::path& path, const res::Icon& icon) {
  return images::iconImage(icon).save(QString::fromStdString(path.string()), "PNG");
}

std::string fileName(int number) {
  return number == pic::kInitialFace ? "initial-face.bmp" : std::to_string(number) + ".bmp";
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // for the translations
  if (argc != 2) {
    std::cerr << "usage: klandor-pictures OUTDIR\n";
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (error) {
    std::cerr << "cannot create " << dir << ": " << error.message() << '\n';
    return 1;
  }
  bool ok = true;
  for (const int number : res::pictureNumbers()) {
    ok = writeFile(dir / fileName(number), res::encodeBmp(*res::picture(number))) && ok;
  }
  for (const QString& language : shippedLanguages()) {
    const Translation translation{QLocale(language)};
    const std::string name = "600-" + language.toStdString() + ".bmp";
    ok = writeFile(dir / name, res::encodeBmp(res::bestTimesBackground(images::translatedLettering()))) && ok;
  }
  ok = writeIcon(dir / "icon-16.png", res::icon(16)) && ok;
  ok = writeIcon(dir / "icon-32.png", res::icon(32)) && ok;
  if (!ok) {
    std::cerr << "could not write every picture into " << dir << '\n';
    return 1;
  }
  return 0;
}

#include "qt/images/best_background.h"

#include "qt/images/picture_image.h"
#include "qt/translations/language.h"

namespace klandor::images {

res::BestTimesLettering translatedLettering() {
  return res::translatedLettering(
      [](std::string_view text) { return translated(res::kLetteringContext, text).toStdString(); });
}

QImage bestTimesBackground() { return toImage(res::bestTimesBackground(translatedLettering())); }

}  // namespace klandor::images

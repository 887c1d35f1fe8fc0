#include "qt/images/best_background.h"

#include "qt/images/picture_image.h"
#include "qt/translations/language.h"

namespace klandor::images {

res::BestTimesLettering translatedLettering() {
  const res::BestTimesLettering& english = res::englishLettering();
  res::BestTimesLettering lettering{translated(res::kLetteringContext, english.heading).toStdString(), {}};
  for (std::size_t i = 0; i < english.labels.size(); ++i)
    lettering.labels[i] = translated(res::kLetteringContext, english.labels[i]).toStdString();
  return lettering;
}

QImage bestTimesBackground() { return toImage(res::bestTimesBackground(translatedLettering())); }

}  // namespace klandor::images

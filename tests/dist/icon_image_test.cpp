#include "dist/icon_image.h"

#include "qt/images/picture_image.h"

#include <gtest/gtest.h>

#include <QString>

namespace klandor::dist {
namespace {

TEST(ThemeIcon, ScalesTheLargestDrawnIconThatDividesTheSize) {
  EXPECT_EQ(themeIcon(16), images::iconImage(res::icon(16), 1));
  EXPECT_EQ(themeIcon(32), images::iconImage(res::icon(32), 1));
  EXPECT_EQ(themeIcon(48), images::iconImage(res::icon(16), 3));
  EXPECT_EQ(themeIcon(64), images::iconImage(res::icon(32), 2));
  EXPECT_EQ(themeIcon(128), images::iconImage(res::icon(32), 4));
  EXPECT_EQ(themeIcon(256), images::iconImage(res::icon(32), 8));
}

TEST(ThemeIcon, IsNullForASizeNoDrawnIconDivides) {
  EXPECT_TRUE(themeIcon(24).isNull());
  EXPECT_TRUE(themeIcon(0).isNull());
  EXPECT_TRUE(themeIcon(-32).isNull());
}

// The build writes the theme icons to PNG files; they must hold exactly the
// drawn pixels, alpha included.
TEST(ThemeIconFiles, HoldExactlyTheDrawnPixels) {
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    const QString path = QStringLiteral(KLANDOR_ICON_DIR "/%1x%1/apps/org.klandor.Klandor.png").arg(size);
    const QImage file(path);
    ASSERT_FALSE(file.isNull()) << path.toStdString();
    EXPECT_EQ(file.convertToFormat(QImage::Format_ARGB32), themeIcon(size)) << path.toStdString();
  }
}

}  // namespace
}  // namespace klandor::dist

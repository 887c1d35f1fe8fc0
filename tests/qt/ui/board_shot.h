#pragma once
// The board as the player sees it, compared with the game's pictures.

#include <gtest/gtest.h>

#include <QImage>

#include "qt/images/picture_image.h"
#include "resources/pictures.h"
#include "qt/ui/board_view.h"

namespace klandor::test {

inline QImage grab(ui::BoardView& view) { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// True when the area `where` of the grabbed board shows picture `number`
// (stretched to the area when it differs in size). Only the part `part` of
// the area is compared when other elements lie on the rest of it.
inline ::testing::AssertionResult shows(const QImage& shot, int number, const kit::Rect& where, QRect part = {}) {
  if (part.isNull()) part = QRect(0, 0, where.w, where.h);
  const QImage expected = images::toImage(*res::picture(number)).scaled(where.w, where.h).copy(part);
  const QImage actual = shot.copy(where.x + part.x(), where.y + part.y(), part.width(), part.height());
  if (actual == expected) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "picture " << number << " not at " << where.x << "," << where.y;
}

}  // namespace klandor::test

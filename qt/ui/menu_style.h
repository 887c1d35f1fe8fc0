#pragma once
// Menus show a check mark beside a checked item and nothing beside an
// unchecked one, whatever box the desktop's style would draw there.

#include <QProxyStyle>

namespace klandor::ui {

class MenuStyle final : public QProxyStyle {
  Q_OBJECT

 public:
  using QProxyStyle::QProxyStyle;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

}  // namespace klandor::ui

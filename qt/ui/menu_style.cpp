#include "qt/ui/menu_style.h"

#include <QMenu>
#include <QPainter>
#include <QPolygonF>
#include <QStyleOption>
#include <algorithm>

namespace klandor::ui {

void MenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
  if (element != PE_IndicatorCheckBox || qobject_cast<const QMenu*>(widget) == nullptr) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  if (!(option->state & State_On)) return;
  // A plain tick in the menu's text colour, where the box would stand.
  const QRectF r = option->rect;
  const QPolygonF tick{QPointF(r.left() + 0.2 * r.width(), r.top() + 0.5 * r.height()),
                       QPointF(r.left() + 0.42 * r.width(), r.top() + 0.74 * r.height()),
                       QPointF(r.left() + 0.8 * r.width(), r.top() + 0.26 * r.height())};
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  const bool enabled = option->state & State_Enabled;
  QPen pen(option->palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::Text),
           std::max(1.5, r.width() / 7.0));
  if (option->state & State_Selected) pen.setColor(option->palette.color(QPalette::HighlightedText));
  painter->setPen(pen);
  painter->drawPolyline(tick);
  painter->restore();
}

}  // namespace klandor::ui

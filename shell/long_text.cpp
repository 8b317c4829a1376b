#include "shell/long_text.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QList>
#include <QPainter>
#include <QRect>
#include <QTextLayout>
#include <algorithm>

namespace shell {

void PaintLongText(QPainter& painter, const QLineEdit& box, const QRect& area) {
  const QString text = box.text();
  const int caret = box.cursorPosition();
  const QFontMetrics metrics(box.font());
  // Enough characters to fill the area even when they are narrower than the average.
  const int screenful = 2 * area.width() / std::max(1, metrics.averageCharWidth()) + 2;
  const bool caretBeyondFirstScreen = caret > screenful;
  const int first = caretBeyondFirstScreen ? caret - screenful : 0;

  QTextLayout layout(text.mid(first, 2 * screenful), box.font());
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();

  QList<QTextLayout::FormatRange> selection;
  if (box.hasFocus() && box.hasSelectedText()) {
    const int from = std::max(box.selectionStart() - first, 0);
    const int to = std::min(box.selectionEnd() - first, static_cast<int>(line.textLength()));
    if (from < to) {
      QTextLayout::FormatRange range;
      range.start = from;
      range.length = to - from;
      range.format.setBackground(box.palette().highlight());
      range.format.setForeground(box.palette().highlightedText());
      selection.append(range);
    }
  }

  const qreal caretX = line.cursorToX(caret - first);
  const qreal left = caretBeyondFirstScreen ? area.right() - caretX : area.left();
  const QPointF origin(left, area.top() + (area.height() - line.height()) / 2);

  painter.save();
  painter.setClipRect(area);
  painter.setPen(box.palette().text().color());
  layout.draw(&painter, origin, selection);
  if (box.hasFocus()) {
    layout.drawCursor(&painter, origin, caret - first);
  }
  painter.restore();
}

}  // namespace shell

// Very long texts in an edit box, such as a pasted 10 MB number.
//
// The line edit lays out its whole text on every change and measures it again on every paint, a
// cost that grows with the text. Past kLongText characters a box hides its text from the line edit
// (no echo) and draws only the characters around the caret itself.
#pragma once

#include <QtGlobal>

class QLineEdit;
class QPainter;
class QRect;

namespace shell {

inline constexpr qsizetype kLongText = 10000;

// Draws the part of the box's text that fits `area`: the characters before the caret when it lies
// beyond the first screenful, otherwise the beginning; with the selection and, while the box has
// the focus, the caret.
void PaintLongText(QPainter& painter, const QLineEdit& box, const QRect& area);

}  // namespace shell

#include "shell/edit_box.h"

#include <qdrawutil.h>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

#include "numtext/rewrite.h"
#include "shell/typing_filter.h"

namespace shell {
namespace {

// Room for the drawn border inside the box.
constexpr int kBorderWidth = 2;

// Black on white in every state; while the window is inactive the box has no focus, so the
// selection it keeps is drawn as plain text.
QPalette BoxPalette(QPalette palette) {
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
  return palette;
}

std::string Rewritten(InputRule rule, std::string_view text) {
  return rule == InputRule::Integer ? numtext::RewriteIntegerText(text)
                                    : numtext::RewriteDecimalText(text);
}

}  // namespace

EditBox::EditBox(InputRule rule, QWidget* parent) : QLineEdit(parent), rule_(rule) {
  setAlignment(Qt::AlignCenter);
  setReadOnly(rule == InputRule::ReadOnly);
  setMaxLength(std::numeric_limits<int>::max());
  setFrame(false);
  setTextMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth);
  setPalette(BoxPalette(palette()));
}

void EditBox::keyPressEvent(QKeyEvent* event) {
  if (rule_ == InputRule::ReadOnly) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const QString typeable = TypeableText(rule_, event->text());
  if (typeable.size() == event->text().size()) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  // The key keeps its meaning (Ctrl+V still pastes when its text is "v"); only its characters go.
  QKeyEvent stripped(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                     event->nativeVirtualKey(), event->nativeModifiers(), typeable,
                     event->isAutoRepeat(), static_cast<quint16>(event->count()), event->device());
  QLineEdit::keyPressEvent(&stripped);
  event->setAccepted(stripped.isAccepted());
}

void EditBox::inputMethodEvent(QInputMethodEvent* event) {
  if (rule_ == InputRule::ReadOnly) {
    event->ignore();
    return;
  }
  QInputMethodEvent typeable(TypeableText(rule_, event->preeditString()),
                             TypeableAttributes(rule_, *event));
  typeable.setCommitString(TypeableText(rule_, event->commitString()), event->replacementStart(),
                           event->replacementLength());
  QLineEdit::inputMethodEvent(&typeable);
  event->setAccepted(typeable.isAccepted());
}

void EditBox::focusOutEvent(QFocusEvent* event) {
  if (rule_ != InputRule::ReadOnly) {
    RewriteText();
  }
  QLineEdit::focusOutEvent(event);
}

void EditBox::RewriteText() {
  const int selectionBegin = hasSelectedText() ? selectionStart() : cursorPosition();
  const QByteArray utf8 = text().toUtf8();
  const std::string_view typed(utf8.constData(), static_cast<size_t>(utf8.size()));
  const std::string rewritten = Rewritten(rule_, typed);
  if (rewritten == typed) {
    return;
  }
  setText(QString::fromStdString(rewritten));
  setCursorPosition(std::min(selectionBegin, static_cast<int>(text().size())));
}

void EditBox::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  QPainter painter(this);
  if (rule_ == InputRule::ReadOnly) {
    qDrawShadePanel(&painter, rect(), palette(), /*sunken=*/true, /*lineWidth=*/1);
  } else {
    qDrawWinPanel(&painter, rect(), palette(), /*sunken=*/true);
  }
}

}  // namespace shell

#include "shell/edit_box.h"

#include <qdrawutil.h>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

#include "numtext/rewrite.h"
#include "shell/long_text.h"
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
  connect(this, &QLineEdit::textChanged, this,
          [this](const QString& text) { FitEchoToLength(text.size()); });
}

void EditBox::keyPressEvent(QKeyEvent* event) {
  if (rule_ == InputRule::ReadOnly) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (event->matches(QKeySequence::Paste) && PasteLongText()) {
    event->accept();
    return;
  }
  if (echoMode() == NoEcho &&
      (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut))) {
    CopyLongText(event->matches(QKeySequence::Cut));
    event->accept();
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

// A paste that makes the text long goes in whole: the line edit would lay it out first and record
// an undo step per character.
bool EditBox::PasteLongText() {
  const QString pasted = QGuiApplication::clipboard()->text();
  const int start = hasSelectedText() ? selectionStart() : cursorPosition();
  const int removed = hasSelectedText() ? selectionLength() : 0;
  if (text().size() - removed + pasted.size() <= kLongText) {
    return false;
  }
  FitEchoToLength(text().size() - removed + pasted.size());
  setText(text().left(start) + pasted + text().mid(start + removed));
  setCursorPosition(start + static_cast<int>(pasted.size()));
  return true;
}

// Without echo the line edit refuses to copy; a long text is still the user's to copy.
void EditBox::CopyLongText(bool cut) {
  if (!hasSelectedText()) {
    return;
  }
  QGuiApplication::clipboard()->setText(selectedText());
  if (cut) {
    const int start = selectionStart();
    setText(text().left(start) + text().mid(start + selectionLength()));
    setCursorPosition(start);
  }
}

void EditBox::FitEchoToLength(qsizetype length) {
  const EchoMode wanted = length > kLongText ? NoEcho : Normal;
  if (echoMode() != wanted) {
    setEchoMode(wanted);
  }
}

void EditBox::paintEvent(QPaintEvent* event) {
  if (echoMode() == NoEcho) {
    QPainter background(this);
    background.fillRect(rect(), palette().base());
    PaintLongText(background, *this, contentsRect().marginsRemoved(textMargins()));
  } else {
    QLineEdit::paintEvent(event);
  }
  QPainter painter(this);
  if (rule_ == InputRule::ReadOnly) {
    qDrawShadePanel(&painter, rect(), palette(), /*sunken=*/true, /*lineWidth=*/1);
  } else {
    qDrawWinPanel(&painter, rect(), palette(), /*sunken=*/true);
  }
}

}  // namespace shell

#include "shell/typing_filter.h"

namespace shell {

bool IsTypeable(InputRule rule, QChar c) {
  const char16_t code = c.unicode();
  if (code < 32) {
    return true;
  }
  switch (rule) {
    case InputRule::Integer:
      return (code >= u'0' && code <= u'9') || code == u'-';
    case InputRule::Decimal:
      return (code >= u'0' && code <= u'9') || code == u'-' || code == u'.';
    case InputRule::ReadOnly:
      return false;
  }
  return false;
}

QString TypeableText(InputRule rule, const QString& typed) {
  qsizetype kept = 0;
  while (kept < typed.size() && IsTypeable(rule, typed[kept])) {
    ++kept;
  }
  if (kept == typed.size()) {
    return typed;
  }
  QString result = typed.left(kept);
  for (qsizetype i = kept + 1; i < typed.size(); ++i) {
    if (IsTypeable(rule, typed[i])) {
      result += typed[i];
    }
  }
  return result;
}

namespace {

// keptBefore[i]: how many characters of `preedit` before index i survive the filter, for
// i = 0 .. size, so that a position in the old preedit maps to one in the new.
QList<int> KeptBefore(InputRule rule, const QString& preedit) {
  QList<int> keptBefore(preedit.size() + 1, 0);
  for (qsizetype i = 0; i < preedit.size(); ++i) {
    keptBefore[i + 1] = keptBefore[i] + (IsTypeable(rule, preedit[i]) ? 1 : 0);
  }
  return keptBefore;
}

}  // namespace

QList<QInputMethodEvent::Attribute> TypeableAttributes(InputRule rule,
                                                       const QInputMethodEvent& event) {
  const QString& preedit = event.preeditString();
  const QList<int> keptBefore = KeptBefore(rule, preedit);
  const auto moved = [&](int position) {
    return keptBefore[qBound(0, position, static_cast<int>(preedit.size()))];
  };

  QList<QInputMethodEvent::Attribute> attributes;
  for (QInputMethodEvent::Attribute attribute : event.attributes()) {
    // A cursor's length is its visibility; a selection is in text positions, not preedit ones.
    if (attribute.type == QInputMethodEvent::Cursor) {
      attribute.start = moved(attribute.start);
    } else if (attribute.type != QInputMethodEvent::Selection) {
      const int end = moved(attribute.start + attribute.length);
      attribute.start = moved(attribute.start);
      attribute.length = end - attribute.start;
    }
    attributes.append(attribute);
  }
  return attributes;
}

}  // namespace shell

// The characters that typing may put into an edit box. Pasting bypasses this on purpose.
#pragma once

#include <QInputMethodEvent>
#include <QList>
#include <QString>

#include "shell/input_rule.h"

namespace shell {

// Control characters always pass; integer boxes take digits and "-", decimal boxes also ".".
bool IsTypeable(InputRule rule, QChar c);

// The typed text without the characters the rule drops; `typed` itself when none is dropped.
QString TypeableText(InputRule rule, const QString& typed);

// The attributes of an input method event, moved onto what TypeableText leaves of its preedit.
QList<QInputMethodEvent::Attribute> TypeableAttributes(InputRule rule,
                                                       const QInputMethodEvent& event);

}  // namespace shell

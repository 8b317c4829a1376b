// What a screen reader says for the window's controls.
#pragma once

class QWidget;

namespace shell {

// Names every input and output box after the caption above it, and every button after what it
// does. Captions that change with the position cost mode are read again after each click, so the
// names follow them. Call once, after the clicks have been bound. Throws when a control is missing.
void NameForScreenReaders(QWidget& window);

}  // namespace shell

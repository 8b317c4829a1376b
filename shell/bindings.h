// Which click runs which operation.
#pragma once

class QWidget;

namespace calculators {
class Calculators;
}

namespace shell {

// Connects the clicks of the window's buttons and radio buttons to their operations, run
// directly inside the click.
void BindClicks(QWidget& window, calculators::Calculators& operations);

}  // namespace shell

#include "shell/combo_box.h"

#include <QLineEdit>

namespace shell {

ComboBox::ComboBox(const QStringList& items, QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  setFocusPolicy(Qt::ClickFocus);
  addItems(items);

  QPalette blackOnWhite = palette();
  blackOnWhite.setColor(QPalette::Base, Qt::white);
  blackOnWhite.setColor(QPalette::Text, Qt::black);
  setPalette(blackOnWhite);

  // QComboBox looks the typed text up among the items when editing finishes or Return is pressed,
  // and selects the match as if picked; here only real picks count, so cut the line edit loose.
  disconnect(lineEdit(), nullptr, this, nullptr);

  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { selectedIndex_ = -1; });
  connect(this, &QComboBox::activated, this, [this](int index) { selectedIndex_ = index; });
}

}  // namespace shell

// An editable drop-down list that keeps its own selected index: a pick from the list selects an
// item, editing the text by hand selects none, even when the typed text equals an item.
#pragma once

#include <QComboBox>
#include <QStringList>

namespace shell {

class ComboBox : public QComboBox {
  Q_OBJECT

 public:
  ComboBox(const QStringList& items, QWidget* parent);

  // The picked item's index, or -1 after the text was edited by hand.
  int selectedIndex() const { return selectedIndex_; }

 private:
  int selectedIndex_ = 0;
};

}  // namespace shell

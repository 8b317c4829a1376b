// A single-line edit box with one of three input rules.
#pragma once

#include <QLineEdit>

namespace shell {

enum class InputRule { Integer, Decimal, ReadOnly };

class EditBox : public QLineEdit {
  Q_OBJECT

 public:
  EditBox(InputRule rule, QWidget* parent);

  InputRule rule() const { return rule_; }

 private:
  InputRule rule_;
};

}  // namespace shell

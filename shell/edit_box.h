// A single-line edit box with one of three input rules: integer and decimal boxes filter what is
// typed and rewrite their text each time they lose the focus; read-only boxes only let the user
// select and copy. Writing the text through setText never runs the rules.
#pragma once

#include <QLineEdit>

#include "shell/input_rule.h"

namespace shell {

class EditBox : public QLineEdit {
  Q_OBJECT

 public:
  EditBox(InputRule rule, QWidget* parent);

  InputRule rule() const { return rule_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void RewriteText();
  bool PasteLongText();
  void CopyLongText(bool cut);
  void FitEchoToLength(qsizetype length);

  InputRule rule_;
};

}  // namespace shell

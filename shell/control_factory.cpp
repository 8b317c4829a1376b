#include "shell/control_factory.h"

#include <QHash>
#include <QStringList>

#include "shell/button.h"
#include "shell/colour.h"
#include "shell/combo_box.h"
#include "shell/edit_box.h"
#include "shell/group_box.h"
#include "shell/label.h"
#include "shell/radio_box.h"
#include "shell/tip_provider.h"

namespace shell {
namespace {

Label* MakeLabel(const ControlSpec& row, QWidget* parent) {
  auto* label = new Label(parent);
  label->setText(QString::fromUtf8(row.text));
  label->setTextColor(ToQColor(row.options.textColour));
  if (row.options.background) {
    label->setBackground(ToQColor(*row.options.background));
  }
  label->setCentred(row.options.centred);
  label->setWordWrap(row.options.wordWrap);
  label->setThinBorder(row.options.thinBorder);
  return label;
}

QWidget* MakeControl(const ControlSpec& row, QWidget* parent, BalloonTip& balloon) {
  const QString text = QString::fromUtf8(row.text);
  switch (row.kind) {
    case Kind::GroupBox:
      return new GroupBox(parent);
    case Kind::Label:
      return MakeLabel(row, parent);
    case Kind::EditBox: {
      auto* box = new EditBox(row.options.rule, parent);
      box->setText(text);
      return box;
    }
    case Kind::Button:
      return new Button(text, parent);
    case Kind::RadioBox: {
      auto* radio = new RadioBox(parent);
      radio->setText(text);
      radio->setChecked(row.options.checked);
      return radio;
    }
    case Kind::ComboBox: {
      QStringList items;
      for (const char* item : row.options.items) {
        items << QString::fromUtf8(item);
      }
      return new ComboBox(items, parent);
    }
    case Kind::TipProvider:
      return new TipProvider(balloon, parent);
  }
  Q_UNREACHABLE();
}

}  // namespace

void BuildControls(QWidget& window, std::span<const ControlSpec> layout, const Fonts& fonts,
                   BalloonTip& balloon) {
  QHash<QString, QWidget*> frames;
  for (const ControlSpec& row : layout) {
    QWidget* parent = frames.value(QString::fromUtf8(row.parent), &window);
    QWidget* control = MakeControl(row, parent, balloon);
    control->setObjectName(QString::fromUtf8(row.name));
    control->setGeometry(row.place.x, row.place.y, row.size.width, row.size.height);
    if (row.options.font != FontRole::Default) {
      control->setFont(fonts[row.options.font]);
    }
    if (row.kind == Kind::GroupBox) {
      frames.insert(control->objectName(), control);
    }
  }
  // Lowered last, so each frame ends beneath every control built after it.
  for (QWidget* frame : frames) {
    frame->lower();
  }
}

}  // namespace shell

// The floor of the start-up benchmark: a bare window of the toolkit with the same 59 widgets,
// kinds, parents, places, sizes and texts as the real window, and nothing else: no behaviour, no
// chosen fonts, no icon, no colours. Parvell cannot open faster than this.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <array>

namespace {

enum class Kind { Frame, Label, Edit, Button, Radio, Combo, Plain };
enum class Parent { Window, TopFrame, MiddleFrame, BottomFrame };

struct Widget {
  Kind kind;
  Parent parent;
  int x, y, width, height;
  const char* text;
};

// Frames first, so that they lie beneath the controls drawn over them.
constexpr std::array<Widget, 59> kWidgets{{
    {Kind::Frame, Parent::Window, 8, 8, 432, 120, ""},
    {Kind::Frame, Parent::Window, 8, 130, 432, 184, ""},
    {Kind::Frame, Parent::Window, 8, 320, 432, 192, ""},
    {Kind::Label, Parent::Window, 304, 24, 125, 24, "涨停跌停计算"},
    {Kind::Radio, Parent::Window, 38, 24, 80, 24, "10%涨跌幅"},
    {Kind::Radio, Parent::Window, 129, 24, 80, 24, "20%涨跌幅"},
    {Kind::Radio, Parent::Window, 221, 24, 73, 24, "5%涨跌幅"},
    {Kind::Label, Parent::Window, 32, 56, 52, 24, "股票价格"},
    {Kind::Edit, Parent::Window, 32, 80, 56, 32, ""},
    {Kind::Label, Parent::Window, 104, 56, 40, 24, "涨/跌"},
    {Kind::Combo, Parent::Window, 103, 87, 40, 20, "涨"},
    {Kind::Label, Parent::Window, 154, 56, 64, 24, "几个涨跌停"},
    {Kind::Edit, Parent::Window, 156, 80, 56, 32, "1"},
    {Kind::Label, Parent::Window, 248, 56, 56, 24, "最终价格"},
    {Kind::Edit, Parent::Window, 240, 80, 72, 32, ""},
    {Kind::Button, Parent::Window, 332, 78, 64, 32, "计算"},
    {Kind::Label, Parent::Window, 172, 143, 109, 24, "盈亏计算"},
    {Kind::Label, Parent::Window, 32, 176, 56, 24, "持仓数量"},
    {Kind::Edit, Parent::Window, 24, 200, 72, 32, ""},
    {Kind::Label, Parent::Window, 123, 176, 56, 24, "持仓成本"},
    {Kind::Edit, Parent::Window, 113, 200, 72, 32, ""},
    {Kind::Button, Parent::MiddleFrame, 168, 46, 32, 16, "互换"},
    {Kind::Label, Parent::Window, 213, 176, 56, 24, "目标价格"},
    {Kind::Edit, Parent::Window, 205, 200, 72, 32, ""},
    {Kind::Label, Parent::Window, 336, 180, 56, 24, "占用资金"},
    {Kind::Label, Parent::Window, 304, 206, 96, 24, "-"},
    {Kind::Label, Parent::Window, 400, 206, 16, 24, "元"},
    {Kind::Label, Parent::Window, 37, 252, 100, 24, "资金盈亏数(利润)"},
    {Kind::Label, Parent::Window, 198, 251, 48, 24, "涨跌幅"},
    {Kind::Button, Parent::Window, 332, 257, 64, 32, "计算"},
    {Kind::Label, Parent::Window, 24, 277, 111, 24, "-"},
    {Kind::Label, Parent::Window, 135, 277, 17, 24, "元"},
    {Kind::Label, Parent::Window, 178, 277, 68, 24, "-"},
    {Kind::Label, Parent::Window, 246, 277, 23, 24, "%"},
    {Kind::Button, Parent::MiddleFrame, 75, 104, 45, 16, "下导出"},
    {Kind::Plain, Parent::MiddleFrame, 121, 104, 26, 16, ""},
    {Kind::Button, Parent::MiddleFrame, 271, 131, 32, 27, "清空"},
    {Kind::Label, Parent::Window, 152, 333, 155, 24, "补仓加仓成本计算"},
    {Kind::Radio, Parent::BottomFrame, 362, 8, 48, 24, "加仓"},
    {Kind::Radio, Parent::Window, 370, 348, 48, 24, "减仓"},
    {Kind::Label, Parent::Window, 47, 372, 56, 24, "持仓数量"},
    {Kind::Edit, Parent::Window, 29, 396, 80, 32, ""},
    {Kind::Label, Parent::Window, 141, 372, 61, 24, "持仓成本"},
    {Kind::Edit, Parent::Window, 132, 396, 67, 32, ""},
    {Kind::Label, Parent::Window, 218, 372, 70, 24, "加/补仓数量"},
    {Kind::Edit, Parent::Window, 219, 396, 64, 32, ""},
    {Kind::Label, Parent::Window, 310, 372, 64, 24, "加/补仓价格"},
    {Kind::Edit, Parent::Window, 306, 396, 69, 32, ""},
    {Kind::Button, Parent::Window, 91, 430, 49, 16, "上导出"},
    {Kind::Plain, Parent::BottomFrame, 136, 112, 26, 16, ""},
    {Kind::Label, Parent::Window, 46, 448, 68, 19, "总持股数量"},
    {Kind::Label, Parent::Window, 148, 445, 83, 22, "加/补仓后成本"},
    {Kind::Edit, Parent::Window, 31, 469, 96, 27, ""},
    {Kind::Edit, Parent::Window, 148, 469, 78, 27, ""},
    {Kind::Button, Parent::Window, 332, 456, 64, 32, "计算"},
    {Kind::Button, Parent::BottomFrame, 278, 140, 32, 27, "清空"},
    {Kind::Button, Parent::Window, 233, 479, 39, 17, "上导出"},
    {Kind::Plain, Parent::BottomFrame, 232, 176, 26, 16, ""},
    {Kind::Label, Parent::Window, 12, 513, 38, 24, "v0.7.3"},
}};

QWidget* Create(const Widget& w, QWidget* parent) {
  const QString text = QString::fromUtf8(w.text);
  switch (w.kind) {
    case Kind::Frame:
      return new QGroupBox(parent);
    case Kind::Label:
      return new QLabel(text, parent);
    case Kind::Edit:
      return new QLineEdit(text, parent);
    case Kind::Button:
      return new QPushButton(text, parent);
    case Kind::Radio:
      return new QRadioButton(text, parent);
    case Kind::Combo: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->addItems({QStringLiteral("涨"), QStringLiteral("跌")});
      return combo;
    }
    case Kind::Plain:
      return new QWidget(parent);
  }
  return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(453, 535);
  // The frames are the first three rows, from top to bottom as in Parent.
  std::array<QWidget*, 4> parents{&window};
  for (std::size_t i = 0; i < kWidgets.size(); ++i) {
    const Widget& w = kWidgets[i];
    QWidget* widget = Create(w, parents[static_cast<std::size_t>(w.parent)]);
    widget->setGeometry(w.x, w.y, w.width, w.height);
    if (w.kind == Kind::Frame) {
      parents[i + 1] = widget;
    }
  }
  window.show();
  return QApplication::exec();
}

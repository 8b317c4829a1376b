#include "memory_controls.h"

#include <stdexcept>

namespace calculators {
namespace {

// Radio buttons with the window as parent form one group; "加仓" lies alone in its frame.
constexpr int kWindowGroup = 1;
constexpr int kAddModeFrameGroup = 2;

}  // namespace

MemoryControls::MemoryControls() {
  const auto editBox = [this](std::string_view name, std::string_view text = "") {
    controls_.emplace(name, Control{.kind = Kind::kEditBox, .text = std::string(text)});
  };
  const auto label = [this](std::string_view name, std::string_view text) {
    controls_.emplace(name, Control{.kind = Kind::kLabel, .text = std::string(text)});
  };
  const auto radio = [this](std::string_view name, int group, int checked) {
    controls_.emplace(name,
                      Control{.kind = Kind::kRadioButton, .checked = checked, .radioGroup = group});
  };

  radio("单选框1", kWindowGroup, 1);
  radio("单选框2", kWindowGroup, 0);
  radio("单选框3", kWindowGroup, 0);
  editBox("编辑框1涨跌停计算1");
  controls_.emplace("组合框1", Control{.kind = Kind::kComboBox});
  editBox("编辑框2涨跌停计算2", "1");
  editBox("编辑框3涨跌停计算3");

  editBox("编辑框盈亏计算1");
  editBox("编辑框盈亏计算2");
  editBox("编辑框盈亏计算4");
  label("标签17", "-");
  label("标签18", "-");
  label("标签20", "-");

  label("标签6", "补仓加仓成本计算");
  radio("单选框4", kAddModeFrameGroup, 1);
  radio("单选框5", kWindowGroup, 0);
  editBox("编辑框_补仓1");
  editBox("编辑框_补仓2");
  label("标签_补仓3", "加/补仓数量");
  editBox("编辑框_补仓3");
  label("标签_补仓4", "加/补仓价格");
  editBox("编辑框_补仓4");
  label("标签_均价MY", "加/补仓后成本");
  editBox("编辑框_总持仓");
  editBox("编辑框_均价MY");
}

bool MemoryControls::Has(Kind kind, Property property) {
  switch (property) {
    case Property::kText:
      return kind == Kind::kEditBox || kind == Kind::kLabel;
    case Property::kChecked:
      return kind == Kind::kRadioButton;
    case Property::kTextColor:
      return kind == Kind::kLabel;
    case Property::kSelectedIndex:
      return kind == Kind::kComboBox;
  }
  return false;
}

template <typename Self>
auto& MemoryControls::Find(Self& self, std::string_view name, Property property) {
  const auto found = self.controls_.find(name);
  if (found == self.controls_.end()) {
    throw std::invalid_argument("unknown control " + std::string(name));
  }
  if (!Has(found->second.kind, property)) {
    throw std::invalid_argument("control " + std::string(name) + " lacks the property asked for");
  }
  return found->second;
}

std::string MemoryControls::Text(std::string_view control) const {
  return Find(*this, control, Property::kText).text;
}

void MemoryControls::SetText(std::string_view control, std::string_view text) {
  Find(*this, control, Property::kText).text = text;
}

int MemoryControls::Checked(std::string_view control) const {
  return Find(*this, control, Property::kChecked).checked;
}

void MemoryControls::SetChecked(std::string_view control, int checked) {
  Find(*this, control, Property::kChecked).checked = checked == 1 ? 1 : 0;
}

Colour MemoryControls::TextColor(std::string_view control) const {
  return Find(*this, control, Property::kTextColor).colour;
}

void MemoryControls::SetTextColor(std::string_view control, Colour colour) {
  Find(*this, control, Property::kTextColor).colour = colour;
}

int MemoryControls::SelectedIndex(std::string_view control) const {
  return Find(*this, control, Property::kSelectedIndex).selectedIndex;
}

void MemoryControls::SelectItem(std::string_view comboBox, int index) {
  Find(*this, comboBox, Property::kSelectedIndex).selectedIndex = index;
}

void MemoryControls::ClickRadio(std::string_view radioButton) {
  const int group = Find(*this, radioButton, Property::kChecked).radioGroup;
  for (auto& [name, control] : controls_) {
    if (control.kind == Kind::kRadioButton && control.radioGroup == group) {
      control.checked = name == radioButton ? 1 : 0;
    }
  }
}

}  // namespace calculators

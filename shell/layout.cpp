#include "shell/layout.h"

#include <array>
#include <set>
#include <string_view>

namespace shell {
namespace {

using enum Kind;
using enum FontRole;
using enum InputRule;

constexpr calculators::Colour kWhite = 0xFFFFFF;
constexpr calculators::Colour kGrey = 0x606060;
constexpr calculators::Colour kPurple = 0x800080;

constexpr std::array<const char*, 2> kDirections = {"涨", "跌"};

// Name, kind, parent, place, size, initial text, differences from the kind's defaults.
// clang-format off
constexpr std::array<ControlSpec, 59> kLayout = {{
    // Limit price calculator.
    {"分组框1", GroupBox, kWindow, {8, 8}, {432, 120}, ""},
    {"标签9", Label, kWindow, {304, 24}, {125, 24}, "涨停跌停计算", {.font = YaHei16, .textColour = kWhite, .background = kGrey, .centred = true}},
    {"单选框1", RadioBox, kWindow, {38, 24}, {80, 24}, "10%涨跌幅", {.checked = true}},
    {"单选框2", RadioBox, kWindow, {129, 24}, {80, 24}, "20%涨跌幅"},
    {"单选框3", RadioBox, kWindow, {221, 24}, {73, 24}, "5%涨跌幅"},
    {"标签1", Label, kWindow, {32, 56}, {52, 24}, "股票价格"},
    {"编辑框1涨跌停计算1", EditBox, kWindow, {32, 80}, {56, 32}, "", {.rule = Decimal}},
    {"标签4", Label, kWindow, {104, 56}, {40, 24}, "涨/跌"},
    {"组合框1", ComboBox, kWindow, {103, 87}, {40, 20}, "涨", {.items = kDirections}},
    {"标签2", Label, kWindow, {154, 56}, {64, 24}, "几个涨跌停"},
    {"编辑框2涨跌停计算2", EditBox, kWindow, {156, 80}, {56, 32}, "1", {.rule = Integer}},
    {"标签3", Label, kWindow, {248, 56}, {56, 24}, "最终价格"},
    {"编辑框3涨跌停计算3", EditBox, kWindow, {240, 80}, {72, 32}, "", {.rule = ReadOnly}},
    {"按钮1涨跌停计算1", Button, kWindow, {332, 78}, {64, 32}, "计算"},

    // Profit and loss calculator.
    {"分组框3", GroupBox, kWindow, {8, 130}, {432, 184}, ""},
    {"标签24", Label, kWindow, {172, 143}, {109, 24}, "盈亏计算", {.font = YaHei16, .textColour = kWhite, .background = kPurple, .centred = true}},
    {"标签12", Label, kWindow, {32, 176}, {56, 24}, "持仓数量"},
    {"编辑框盈亏计算1", EditBox, kWindow, {24, 200}, {72, 32}, "", {.rule = Integer}},
    {"标签13", Label, kWindow, {123, 176}, {56, 24}, "持仓成本"},
    {"编辑框盈亏计算2", EditBox, kWindow, {113, 200}, {72, 32}, "", {.rule = Decimal}},
    {"按钮2互换", Button, "分组框3", {168, 46}, {32, 16}, "互换", {.font = YaHei12}},
    {"标签15", Label, kWindow, {213, 176}, {56, 24}, "目标价格"},
    {"编辑框盈亏计算4", EditBox, kWindow, {205, 200}, {72, 32}, "", {.rule = Decimal}},
    {"标签14", Label, kWindow, {336, 180}, {56, 24}, "占用资金"},
    {"标签17", Label, kWindow, {304, 206}, {96, 24}, "-", {.font = YaHei12, .centred = true, .wordWrap = true, .thinBorder = true}},
    {"标签21", Label, kWindow, {400, 206}, {16, 24}, "元", {.font = YaHei14, .centred = true}},
    {"标签16", Label, kWindow, {37, 252}, {100, 24}, "资金盈亏数(利润)"},
    {"标签19", Label, kWindow, {198, 251}, {48, 24}, "涨跌幅"},
    {"按钮3盈亏计算", Button, kWindow, {332, 257}, {64, 32}, "计算"},
    {"标签18", Label, kWindow, {24, 277}, {111, 24}, "-", {.font = YaHei13, .centred = true, .thinBorder = true}},
    {"标签22", Label, kWindow, {135, 277}, {17, 24}, "元", {.font = YaHei14, .centred = true}},
    {"标签20", Label, kWindow, {178, 277}, {68, 24}, "-", {.font = YaHei14, .centred = true, .thinBorder = true}},
    {"标签23", Label, kWindow, {246, 277}, {23, 24}, "%", {.font = YaHei14, .centred = true}},
    {"按钮2向下导入", Button, "分组框3", {75, 104}, {45, 16}, "下导出", {.font = YaHei10}},
    {"气球提示框1", TipProvider, "分组框3", {121, 104}, {26, 16}, ""},
    {"按钮1", Button, "分组框3", {271, 131}, {32, 27}, "清空"},

    // Position cost calculator.
    {"分组框2", GroupBox, kWindow, {8, 320}, {432, 192}, ""},
    {"标签6", Label, kWindow, {152, 333}, {155, 24}, "补仓加仓成本计算", {.font = YaHei16, .textColour = kWhite, .background = kGrey, .centred = true}},
    {"单选框4", RadioBox, "分组框2", {362, 8}, {48, 24}, "加仓", {.checked = true}},
    {"单选框5", RadioBox, kWindow, {370, 348}, {48, 24}, "减仓"},
    {"标签_补仓1", Label, kWindow, {47, 372}, {56, 24}, "持仓数量"},
    {"编辑框_补仓1", EditBox, kWindow, {29, 396}, {80, 32}, "", {.rule = Integer}},
    {"标签_补仓2", Label, kWindow, {141, 372}, {61, 24}, "持仓成本"},
    {"编辑框_补仓2", EditBox, kWindow, {132, 396}, {67, 32}, "", {.rule = Decimal}},
    {"标签_补仓3", Label, kWindow, {218, 372}, {70, 24}, "加/补仓数量", {.centred = true}},
    {"编辑框_补仓3", EditBox, kWindow, {219, 396}, {64, 32}, "", {.rule = Integer}},
    {"标签_补仓4", Label, kWindow, {310, 372}, {64, 24}, "加/补仓价格", {.centred = true}},
    {"编辑框_补仓4", EditBox, kWindow, {306, 396}, {69, 32}, "", {.rule = Decimal}},
    {"按钮4", Button, kWindow, {91, 430}, {49, 16}, "上导出", {.font = YaHei10}},
    {"气球提示框2", TipProvider, "分组框2", {136, 112}, {26, 16}, ""},
    {"标签_总持仓", Label, kWindow, {46, 448}, {68, 19}, "总持股数量"},
    {"标签_均价MY", Label, kWindow, {148, 445}, {83, 22}, "加/补仓后成本", {.centred = true}},
    {"编辑框_总持仓", EditBox, kWindow, {31, 469}, {96, 27}, "", {.rule = ReadOnly}},
    {"编辑框_均价MY", EditBox, kWindow, {148, 469}, {78, 27}, "", {.rule = ReadOnly}},
    {"按钮3", Button, kWindow, {332, 456}, {64, 32}, "计算"},
    {"按钮5", Button, "分组框2", {278, 140}, {32, 27}, "清空"},
    {"按钮2", Button, kWindow, {233, 479}, {39, 17}, "上导出", {.font = YaHei10}},
    {"气球提示框3", TipProvider, "分组框2", {232, 176}, {26, 16}, ""},

    // Below the three sections.
    {"标签10", Label, kWindow, {12, 513}, {38, 24}, "v0.7.3", {.font = Plain12, .textColour = kGrey}},
}};
// clang-format on

}  // namespace

std::span<const ControlSpec> Layout() {
  return kLayout;
}

std::optional<std::string> FindLayoutError(std::span<const ControlSpec> layout) {
  std::set<std::string_view> names;
  std::set<std::string_view> frames;
  for (const ControlSpec& row : layout) {
    const std::string name = row.name;
    if (name.empty()) {
      return "a control without a name";
    }
    if (!names.insert(row.name).second) {
      return name + " is named twice";
    }
    if (std::string_view(row.parent) != kWindow && !frames.contains(row.parent)) {
      return name + " lies in " + row.parent + ", which is no frame built before it";
    }
    if (row.size.width <= 0 || row.size.height <= 0) {
      return name + " has an empty rectangle";
    }
    if (row.kind == Kind::GroupBox) {
      frames.insert(row.name);
    }
  }
  return std::nullopt;
}

}  // namespace shell

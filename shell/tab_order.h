// The tab stops of the main window in the order Tab visits them; Shift+Tab walks it backwards and
// both wrap round. Every button, radio button and edit box is a stop, read-only boxes and
// unchecked radio buttons included.
#pragma once

#include <array>
#include <string_view>

namespace shell {

inline constexpr std::array<std::string_view, 26> kTabOrder = {
    "编辑框1涨跌停计算1",
    "编辑框2涨跌停计算2",
    "编辑框3涨跌停计算3",
    "按钮1涨跌停计算1",
    "单选框1",
    "单选框2",
    "单选框3",
    "编辑框盈亏计算1",
    "编辑框盈亏计算2",
    "编辑框盈亏计算4",
    "按钮3盈亏计算",
    "按钮1",
    "按钮3",
    "编辑框_均价MY",
    "编辑框_总持仓",
    "编辑框_补仓4",
    "编辑框_补仓3",
    "编辑框_补仓2",
    "编辑框_补仓1",
    "按钮2互换",
    "按钮2向下导入",
    "按钮4",
    "按钮2",
    "单选框4",
    "单选框5",
    "按钮5",
};

}  // namespace shell

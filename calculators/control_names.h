// The layout names of the controls that the operations read and write.
#pragma once

#include <string_view>

namespace calculators::names {

// Limit price.
inline constexpr std::string_view kRate10Button = "单选框1";
inline constexpr std::string_view kRate20Button = "单选框2";
inline constexpr std::string_view kRate5Button = "单选框3";
inline constexpr std::string_view kLimitPriceBox = "编辑框1涨跌停计算1";
inline constexpr std::string_view kDirectionBox = "组合框1";
inline constexpr std::string_view kLimitCountBox = "编辑框2涨跌停计算2";
inline constexpr std::string_view kLimitResultBox = "编辑框3涨跌停计算3";

// Profit and loss.
inline constexpr std::string_view kProfitQuantityBox = "编辑框盈亏计算1";
inline constexpr std::string_view kProfitCostBox = "编辑框盈亏计算2";
inline constexpr std::string_view kProfitTargetBox = "编辑框盈亏计算4";
inline constexpr std::string_view kCapitalLabel = "标签17";
inline constexpr std::string_view kProfitLabel = "标签18";
inline constexpr std::string_view kChangeLabel = "标签20";

// Position cost.
inline constexpr std::string_view kHoldingQuantityBox = "编辑框_补仓1";
inline constexpr std::string_view kHoldingCostBox = "编辑框_补仓2";
inline constexpr std::string_view kTradeQuantityBox = "编辑框_补仓3";
inline constexpr std::string_view kTradePriceBox = "编辑框_补仓4";
inline constexpr std::string_view kTotalQuantityBox = "编辑框_总持仓";
inline constexpr std::string_view kAverageCostBox = "编辑框_均价MY";
inline constexpr std::string_view kAddModeButton = "单选框4";
inline constexpr std::string_view kReduceModeButton = "单选框5";
inline constexpr std::string_view kPositionTitleLabel = "标签6";
inline constexpr std::string_view kTradeQuantityCaption = "标签_补仓3";
inline constexpr std::string_view kTradePriceCaption = "标签_补仓4";
inline constexpr std::string_view kAverageCostCaption = "标签_均价MY";

}  // namespace calculators::names

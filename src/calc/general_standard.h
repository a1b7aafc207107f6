// Entries a small enterprise does not book, kept for reference.
//
// A few events and windows give the entries of the general standard
// (企业会计准则): fair-value changes, impairment and write-down provisions,
// treasury shares, the equity method, contract costs, deferred tax. The
// small-enterprise standard (小企业会计准则) this program books by has no
// accounts for them, so their entries are printed after a label line that
// says so, and where the whole output is of the general standard a note
// comes first saying what a small enterprise does instead. Keys and windows
// whose whole output is of the general standard carry the mark in the browse
// menu, the completion list, the key hint and the window title; the mark is
// shown, never part of the key.
#pragma once

#include <string_view>

#include "window/windows.h"

namespace bk::calc {

inline constexpr std::string_view kGeneralStandardMark = "【企业会计准则】";

// Printed before the entries of the general standard; a text line, never a
// voucher's 摘要.
inline constexpr std::string_view kGeneralStandardLabel =
    "【企业会计准则】以下分录按企业会计准则编制，执行小企业会计准则的企业不适用";

// What a small enterprise does instead, printed first where the whole output
// is of the general standard.
inline constexpr std::string_view kNoteInvestmentsAtCost =
    "小企业会计准则：短期投资按成本计量，持有期间不确认公允价值变动，出售时价款与账面余额的差额计入投资收益";
inline constexpr std::string_view kNoteInventoryAtCost =
    "小企业会计准则：存货按成本计量，不计提存货跌价准备，实际发生的存货损失计入营业外支出";
inline constexpr std::string_view kNoteNoFixedAssetImpairment =
    "小企业会计准则：不计提资产减值准备，固定资产实际发生的损失在处置时计入营业外支出";
inline constexpr std::string_view kNoteNoIntangibleImpairment =
    "小企业会计准则：不计提资产减值准备，无形资产实际发生的损失在处置时计入营业外支出";
inline constexpr std::string_view kNoteNoTreasuryShares =
    "小企业会计准则不设“库存股”科目：减少注册资本时借记“实收资本”“资本公积”，贷记“银行存款”";
inline constexpr std::string_view kNoteCostMethod =
    "小企业会计准则：长期股权投资采用成本法，被投资单位所有者权益的其他变动不作账务处理";
inline constexpr std::string_view kNoteNoContractCosts =
    "小企业会计准则不设“合同取得成本”科目：为取得合同发生的费用在发生时计入销售费用";
inline constexpr std::string_view kNoteTaxesPayableMethod =
    "小企业会计准则采用应付税款法：所得税费用等于当期应交所得税，不确认递延所得税（见“应交所得税”）";

// The label or one of the notes: a text line that heads no entry.
constexpr bool generalStandardText(std::string_view line)
{
    for (std::string_view t : {kGeneralStandardLabel, kNoteInvestmentsAtCost, kNoteInventoryAtCost,
                               kNoteNoFixedAssetImpairment, kNoteNoIntangibleImpairment, kNoteNoTreasuryShares,
                               kNoteCostMethod, kNoteNoContractCosts, kNoteTaxesPayableMethod})
        if (line == t) return true;
    return false;
}

// The windows whose whole output is of the general standard, with the note
// each press of 确定 prints first, before the label line and the entries.
struct GeneralStandardWindow {
    FormId window;
    std::string_view note;
};
inline constexpr GeneralStandardWindow kGeneralStandardWindows[] = {
    {win::InventoryWriteDown, kNoteInventoryAtCost}, {win::FixedAssetImpairment, kNoteNoFixedAssetImpairment},
    {win::ShareRepurchase, kNoteNoTreasuryShares},   {win::EquityMethodReserve, kNoteCostMethod},
    {win::ConsultingContract, kNoteNoContractCosts}, {win::IncomeTaxDeferred, kNoteTaxesPayableMethod},
    {win::FairValueChange, kNoteInvestmentsAtCost},  {win::TradingSecuritiesSale, kNoteInvestmentsAtCost},
};

// The note a window of the general standard prints first, or empty.
constexpr std::string_view generalStandardNote(FormId window)
{
    for (const GeneralStandardWindow& w : kGeneralStandardWindows)
        if (w.window == window) return w.note;
    return {};
}

}  // namespace bk::calc

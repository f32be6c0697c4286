// Typing texts into a set-up, pass after pass.
#include "compare/CSetupTyping.h"

#include "compare/CSetupComparison.h"
#include "model/StringTable.h"
#include "unit/CQ4kUnit.h"

#include <algorithm>
#include <tuple>

namespace {

constexpr int MAX_PASSES = 4;
constexpr int GENERAL_BLOCK_ROW = 11;

// The pop-up cell of a row, which stands for the row's flags, or -1.
int FindPopupColumn(const CNordaSetupType& type, int row)
{
    const CDataSheet* sheet = type.GetSheet();
    for (int col = 0; sheet && row < sheet->GetNumSections() && col < sheet->GetNumCells(row); ++col) {
        if (sheet->GetProperty(row, col)->m_nStyle == CTRL_POPUP)
            return col;
    }
    return -1;
}

}  // namespace

bool CSetupTyping::TakesTypedText(const CNordaSetupType& type, int row, int col)
{
    const CNdChnData* cell = row > 0 ? type.GetProperty(row, col) : nullptr;
    // A list is chosen from even while it offers one choice (an alarm's inputs before any is on).
    return cell && cell->m_nStyle != CTRL_POPUP
           && (cell->m_nStyle == CTRL_LIST || cell->GetData().size() > 1 || cell->m_bEditable);
}

std::vector<CellText> CSetupTyping::TextsOf(const CQ4kUnit& unit, int sheet)
{
    std::vector<CellText> texts;
    for (int slot = 0; slot < 4; ++slot) {
        const CNordaSetupType* type = unit.GetSetupType(slot);
        if ((sheet >= 0 && slot != sheet) || !type || !type->GetSheet())
            continue;
        const CDataSheet* cells = type->GetSheet();
        for (int row = 1; row < cells->GetNumSections(); ++row) {
            for (int col = 0; col < cells->GetNumCells(row); ++col)
                texts.push_back({slot, row, col, false, type->GetCellText(row, col)});
        }
    }
    if (sheet < 0 || sheet == ST_ALARM) {
        for (int row = 1; row <= CSetupComparison::CountFlagRows(unit); ++row) {
            for (int i = 0; CNdChnData* flag = CSetupComparison::GetFlagCell(unit, row, i); ++i)
                texts.push_back({ST_ALARM, row, i, true, flag->GetDataAsString()});
        }
    }
    return texts;
}

std::string CSetupTyping::CurrentText(const CQ4kUnit& unit, const CellText& cell)
{
    if (cell.flag) {
        const CNdChnData* flag = CSetupComparison::GetFlagCell(unit, cell.row, cell.col);
        return flag ? flag->GetDataAsString() : std::string();
    }
    const CNordaSetupType* type = unit.GetSetupType(cell.sheet);
    return type ? type->GetCellText(cell.row, cell.col) : std::string();
}

bool CSetupTyping::TypeOne(CQ4kUnit& unit, const CellText& cell, TypingRefusal& refusal)
{
    CNordaSetupType* type = unit.GetSetupType(cell.sheet);
    int popup = cell.flag && type ? FindPopupColumn(*type, cell.row) : -1;
    if (!type || (cell.flag ? popup < 0 : !TakesTypedText(*type, cell.row, cell.col)))
        return true;  // nothing a person could type there
    type->ClearLastError();
    bool taken = false;
    if (cell.flag) {
        PropList props;
        if (type->GetPopupProperties(cell.row, popup, props) && cell.col < static_cast<int>(props.size())) {
            props[static_cast<size_t>(cell.col)]->SetSelText(cell.text);
            type->UpdateProperties(cell.row, popup, props);
            taken = type->GetLastError() == 0;
        }
    } else {
        std::string text = cell.text;
        const CNdChnData* property = type->GetProperty(cell.row, cell.col);
        if (property->m_nTextLen >= 0 && text.size() > static_cast<size_t>(property->m_nTextLen))
            text.resize(static_cast<size_t>(property->m_nTextLen));
        taken = type->ValidateData(cell.row, cell.col, text) != 0;
    }
    if (!taken) {
        refusal.errorId = type->GetLastError();
        refusal.message = refusal.errorId ? LoadString(static_cast<unsigned>(refusal.errorId)) : std::string();
    }
    return taken;
}

void CSetupTyping::TypeBlockSummaries(CQ4kUnit& unit, const std::vector<CellText>& texts)
{
    std::vector<int> rows;
    std::vector<int> blocked;
    for (const CellText& cell : texts) {
        const CNordaSetupType* type = unit.GetSetupType(cell.sheet);
        const CNdChnData* block = CSetupComparison::GetFlagCell(unit, cell.row, 0);
        if (cell.sheet == ST_ALARM && !cell.flag && type && block && cell.col == FindPopupColumn(*type, cell.row)
            && block->GetDataAsString() == "OFF" && cell.text.find('B') != std::string::npos
            && type->GetCellText(cell.row, cell.col).find('B') == std::string::npos)
            rows.push_back(cell.row);
    }
    CNordaSetupType* general = unit.GetSetupType(ST_GENERAL);
    if (rows.empty() || !general)
        return;
    for (int row = 1; row <= CSetupComparison::CountFlagRows(unit); ++row) {
        const CNdChnData* block = CSetupComparison::GetFlagCell(unit, row, 0);
        if (block && block->GetDataAsString() == "ON")
            blocked.push_back(row);
    }
    std::string before = general->GetCellText(GENERAL_BLOCK_ROW, 1);
    TypingRefusal ignored;
    general->ValidateData(GENERAL_BLOCK_ROW, 1, "+REF");
    for (int row : rows)
        TypeOne(unit, {ST_ALARM, row, 0, true, "ON"}, ignored);
    general->ValidateData(GENERAL_BLOCK_ROW, 1, "OFF");
    // Everything but those Flags cells as it was.
    if (before != "OFF")
        general->ValidateData(GENERAL_BLOCK_ROW, 1, before);
    for (int row : blocked)
        TypeOne(unit, {ST_ALARM, row, 0, true, "ON"}, ignored);
}

std::vector<TypingRefusal> CSetupTyping::Type(CQ4kUnit& unit, std::vector<CellText> texts)
{
    std::stable_sort(texts.begin(), texts.end(), [](const CellText& a, const CellText& b) {
        return std::tie(a.sheet, a.row, a.flag, a.col) < std::tie(b.sheet, b.row, b.flag, b.col);
    });
    std::vector<TypingRefusal> refusals(texts.size());
    std::vector<bool> differing(texts.size(), true);
    for (int pass = 0; pass < MAX_PASSES; ++pass) {
        for (size_t i = 0; i < texts.size(); ++i) {
            if (CurrentText(unit, texts[i]) == texts[i].text)
                continue;
            refusals[i] = TypingRefusal{};
            TypeOne(unit, texts[i], refusals[i]);
        }
        // Another pass only while the last one brought some cell to its text.
        bool progress = false;
        bool anyLeft = false;
        for (size_t i = 0; i < texts.size(); ++i) {
            bool left = CurrentText(unit, texts[i]) != texts[i].text;
            progress = progress || (differing[i] && !left);
            anyLeft = anyLeft || left;
            differing[i] = left;
        }
        if (!anyLeft || !progress)
            break;
    }
    TypeBlockSummaries(unit, texts);
    std::vector<TypingRefusal> left;
    for (size_t i = 0; i < texts.size(); ++i) {
        std::string kept = CurrentText(unit, texts[i]);
        if (kept == texts[i].text)
            continue;
        CNordaSetupType* type = unit.GetSetupType(texts[i].sheet);
        if (!type || (!texts[i].flag && !TakesTypedText(*type, texts[i].row, texts[i].col)))
            continue;
        refusals[i].cell = texts[i];
        refusals[i].kept = kept;
        left.push_back(std::move(refusals[i]));
    }
    return left;
}

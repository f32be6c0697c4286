// Typing texts into a set-up, pass after pass.
#include "compare/CSetupTyping.h"

#include "compare/CSetupComparison.h"
#include "model/NumberText.h"
#include "model/StringTable.h"
#include "unit/CQ4kUnit.h"
#include "unit/CUnitImage.h"
#include "unit/CellSweep.h"

#include <algorithm>
#include <optional>
#include <tuple>

namespace {

constexpr int MAX_PASSES = 4;

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
    return CellTextOf(unit, cell.sheet, cell.row, cell.col, cell.flag);
}

bool CSetupTyping::Holds(const CQ4kUnit& unit, const CellText& cell, Spelling spelling)
{
    std::string current = CurrentText(unit, cell);
    if (current == cell.text)
        return true;
    const CNordaSetupType* type = unit.GetSetupType(cell.sheet);
    return spelling == Spelling::Own
           && CSetupComparison::SameInUnit(type, current, type, cell.text, cell.row, cell.col, cell.flag);
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
        taken = type->EnterText(cell.row, cell.col, text) != 0;
    }
    if (!taken) {
        refusal.errorId = type->GetLastError();
        refusal.message = refusal.errorId ? LoadString(static_cast<unsigned>(refusal.errorId)) : std::string();
    }
    return taken;
}

CNdChnData* CSetupTyping::CellOf(const CQ4kUnit& unit, const CellText& cell)
{
    if (cell.flag)
        return CSetupComparison::GetFlagCell(unit, cell.row, cell.col);
    const CNordaSetupType* type = unit.GetSetupType(cell.sheet);
    return type ? type->GetProperty(cell.row, cell.col) : nullptr;
}

bool CSetupTyping::Restore(CQ4kUnit& unit, const CellText& cell)
{
    CNdChnData* property = CellOf(unit, cell);
    if (!property)
        return false;
    const CNordaSetupType* type = unit.GetSetupType(cell.sheet);
    if (!cell.flag && !TakesTypedText(*type, cell.row, cell.col))
        return property->SetSelText(cell.text) >= 0;
    // A typed cell only where its text is another way of writing the number typing left in it.
    const std::string kept = property->GetDataAsString();
    std::optional<double> given = q4::PlainNumber(cell.text);
    std::optional<double> own = q4::PlainNumber(kept);
    if (!given || !own || *given != *own)
        return false;
    const CNdChnData before = *property;
    const CUnitImage image = CUnitImage::FromUpload(unit, nullptr);
    if (property->SetSelText(cell.text) >= 0 && CUnitImage::FromUpload(unit, nullptr) == image)
        return true;
    *property = before;
    return false;
}

std::vector<TypingRefusal> CSetupTyping::Type(CQ4kUnit& unit, std::vector<CellText> texts, Spelling spelling)
{
    std::stable_sort(texts.begin(), texts.end(), [](const CellText& a, const CellText& b) {
        return std::tie(a.sheet, a.row, a.flag, a.col) < std::tie(b.sheet, b.row, b.flag, b.col);
    });
    // A number is taken as a person gives it: without the blanks around it, a comma as the point.
    // Taken from another side, a text loses the blanks the unit pads it with.
    for (CellText& cell : texts) {
        const CNordaSetupType* type = cell.flag ? nullptr : unit.GetSetupType(cell.sheet);
        NumberKind kind = type ? type->GetNumberKind(cell.row, cell.col) : NumberKind::None;
        if (kind != NumberKind::None) {
            if (std::optional<std::string> number = q4::NumberEntry(cell.text, kind == NumberKind::Integer))
                cell.text = std::move(*number);
        } else if (type && spelling == Spelling::Own) {
            std::string plain = cell.text.substr(0, cell.text.find_last_not_of(' ') + 1);
            if (CSetupComparison::SameInUnit(type, plain, type, cell.text, cell.row, cell.col, false))
                cell.text = std::move(plain);
        }
    }
    std::vector<TypingRefusal> refusals(texts.size());
    std::vector<bool> differing(texts.size(), true);
    for (int pass = 0; pass < MAX_PASSES; ++pass) {
        for (size_t i = 0; i < texts.size(); ++i) {
            if (Holds(unit, texts[i], spelling))
                continue;
            refusals[i] = TypingRefusal{};
            TypeOne(unit, texts[i], refusals[i]);
        }
        // Another pass only while the last one brought some cell to its text.
        bool progress = false;
        bool anyLeft = false;
        for (size_t i = 0; i < texts.size(); ++i) {
            bool left = !Holds(unit, texts[i], spelling);
            progress = progress || (differing[i] && !left);
            anyLeft = anyLeft || left;
            differing[i] = left;
        }
        if (!anyLeft || !progress)
            break;
    }
    std::vector<TypingRefusal> left;
    for (size_t i = 0; i < texts.size(); ++i) {
        std::string kept = CurrentText(unit, texts[i]);
        // The names of rows and columns are the sheet's own, whatever the text says.
        bool name = texts[i].row < 1 || (!texts[i].flag && texts[i].col < 1);
        if (Holds(unit, texts[i], spelling) || name || !CellOf(unit, texts[i]) || Restore(unit, texts[i]))
            continue;
        refusals[i].cell = texts[i];
        refusals[i].kept = kept;
        left.push_back(std::move(refusals[i]));
    }
    return left;
}

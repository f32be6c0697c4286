// The set-up's undo history: whole-unit copies, compared through their document bytes.
#include "unit/CUnitHistory.h"

#include "model/CDocumentFile.h"
#include "unit/CQ4kUnit.h"
#include "unit/CellSweep.h"

#include <algorithm>

namespace {

constexpr size_t NO_STATE = static_cast<size_t>(-1);

}  // namespace

CUnitHistory::CUnitHistory(CQ4kUnit& unit, IMessagePrompt& prompt, size_t maxSteps)
    : m_unit(unit), m_prompt(prompt), m_nMaxSteps(std::max<size_t>(1, maxSteps))
{
    Reset();
}

CUnitHistory::~CUnitHistory() = default;

CUnitHistory::State CUnitHistory::Capture(const std::string& label) const
{
    State state;
    state.unit = std::make_unique<CQ4kUnit>(m_prompt);
    state.unit->Initialize();
    state.unit->CopyFrom(m_unit);
    state.bytes = CDocumentFile::SaveBytes(m_unit);
    state.label = label;
    return state;
}

void CUnitHistory::Restore(const State& state)
{
    m_unit.CopyFrom(*state.unit);
}

void CUnitHistory::Reset()
{
    m_arStates.clear();
    m_arStates.push_back(Capture(std::string()));
    m_nCurrent = 0;
    m_nSaved = 0;
}

bool CUnitHistory::Record(const std::string& label)
{
    State state = Capture(label);
    if (state.bytes == m_arStates[m_nCurrent].bytes)
        return false;
    m_arStates.erase(m_arStates.begin() + static_cast<std::ptrdiff_t>(m_nCurrent) + 1, m_arStates.end());
    if (m_nSaved != NO_STATE && m_nSaved > m_nCurrent)
        m_nSaved = NO_STATE;
    m_arStates.push_back(std::move(state));
    ++m_nCurrent;
    if (m_arStates.size() > m_nMaxSteps + 1) {
        m_arStates.erase(m_arStates.begin());
        --m_nCurrent;
        m_nSaved = m_nSaved == 0 || m_nSaved == NO_STATE ? NO_STATE : m_nSaved - 1;
    }
    return true;
}

bool CUnitHistory::Undo()
{
    if (!CanUndo())
        return false;
    Restore(m_arStates[--m_nCurrent]);
    return true;
}

bool CUnitHistory::Redo()
{
    if (!CanRedo())
        return false;
    Restore(m_arStates[++m_nCurrent]);
    return true;
}

std::string CUnitHistory::UndoLabel() const
{
    return CanUndo() ? m_arStates[m_nCurrent].label : std::string();
}

std::string CUnitHistory::RedoLabel() const
{
    return CanRedo() ? m_arStates[m_nCurrent + 1].label : std::string();
}

void CUnitHistory::MarkSaved()
{
    m_nSaved = m_nCurrent;
}

std::vector<CUnitHistory::ChangedRow> CUnitHistory::RowsChangedByLastStep() const
{
    std::vector<ChangedRow> rows;
    if (!CanUndo())
        return rows;
    const CQ4kUnit& before = *m_arStates[m_nCurrent - 1].unit;
    const CQ4kUnit& after = *m_arStates[m_nCurrent].unit;
    SweepCells(before, after, [&rows](const SweptCell& cell) {
        // Headers and row names are no settings; a row counts once; a flag's row shows it in
        // its Flags cell.
        if (cell.row < 1 || cell.col < 1 || cell.flag)
            return;
        if (!rows.empty() && rows.back().setupType == cell.sheet && rows.back().section == cell.row)
            return;
        if (!cell.a || !cell.b || cell.a->GetDataAsString() != cell.b->GetDataAsString())
            rows.push_back({cell.sheet, cell.row});
    });
    return rows;
}

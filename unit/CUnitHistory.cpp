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
    : m_unit(unit), m_prompt(prompt), m_maxSteps(std::max<size_t>(1, maxSteps))
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
    m_states.clear();
    m_states.push_back(Capture(std::string()));
    m_current = 0;
    m_saved = 0;
}

bool CUnitHistory::Record(const std::string& label)
{
    State state = Capture(label);
    if (state.bytes == m_states[m_current].bytes)
        return false;
    m_states.erase(m_states.begin() + static_cast<std::ptrdiff_t>(m_current) + 1, m_states.end());
    if (m_saved != NO_STATE && m_saved > m_current)
        m_saved = NO_STATE;
    m_states.push_back(std::move(state));
    ++m_current;
    if (m_states.size() > m_maxSteps + 1) {
        m_states.erase(m_states.begin());
        --m_current;
        m_saved = m_saved == 0 || m_saved == NO_STATE ? NO_STATE : m_saved - 1;
    }
    return true;
}

bool CUnitHistory::Undo()
{
    if (!CanUndo())
        return false;
    Restore(m_states[--m_current]);
    return true;
}

bool CUnitHistory::Redo()
{
    if (!CanRedo())
        return false;
    Restore(m_states[++m_current]);
    return true;
}

std::string CUnitHistory::UndoLabel() const
{
    return CanUndo() ? m_states[m_current].label : std::string();
}

std::string CUnitHistory::RedoLabel() const
{
    return CanRedo() ? m_states[m_current + 1].label : std::string();
}

void CUnitHistory::MarkSaved()
{
    m_saved = m_current;
}

std::vector<CUnitHistory::ChangedRow> CUnitHistory::RowsChangedByLastStep() const
{
    std::vector<ChangedRow> rows;
    if (!CanUndo())
        return rows;
    const CQ4kUnit& before = *m_states[m_current - 1].unit;
    const CQ4kUnit& after = *m_states[m_current].unit;
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

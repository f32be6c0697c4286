// The undo history of a set-up: the states it went through, each a copy of the whole unit, the
// step that led to it, and the state last saved to a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CQ4kUnit;
class IMessagePrompt;

class CUnitHistory {
public:
    // A row of a sheet whose cells differ between two states.
    struct ChangedRow {
        int setupType;
        int section;
    };

    // The unit stays the caller's and must outlive the history.
    CUnitHistory(CQ4kUnit& unit, IMessagePrompt& prompt, size_t maxSteps = 100);
    ~CUnitHistory();
    CUnitHistory(const CUnitHistory&) = delete;
    CUnitHistory& operator=(const CUnitHistory&) = delete;

    // Forgets every step: the unit as it is now is the only state, and it is the saved one.
    void Reset();
    // After the unit may have changed: when it differs from the present state it becomes a new
    // step (the steps that could be redone are dropped) and true is returned.
    bool Record(const std::string& label);
    bool CanUndo() const { return m_current > 0; }
    bool CanRedo() const { return m_current + 1 < m_states.size(); }
    // The unit goes back to the state before the last step, or forward again; false when none.
    bool Undo();
    bool Redo();
    // What the step that Undo or Redo would take back or do again was; empty when none.
    std::string UndoLabel() const;
    std::string RedoLabel() const;
    size_t GetStepCount() const { return m_states.size() - 1; }

    // The present state is the one in the file.
    void MarkSaved();
    bool IsSaved() const { return m_saved == m_current; }

    // The rows that the last step (the one Undo would take back) changed, sheet by sheet.
    std::vector<ChangedRow> RowsChangedByLastStep() const;

private:
    struct State {
        std::unique_ptr<CQ4kUnit> unit;
        std::vector<uint8_t> bytes;  // the state as a document file: two states differ when these do
        std::string label;
    };

    State Capture(const std::string& label) const;
    void Restore(const State& state);

    CQ4kUnit& m_unit;
    IMessagePrompt& m_prompt;
    size_t m_maxSteps;
    std::vector<State> m_states;
    size_t m_current = 0;
    // Index of the saved state; past the end when it was dropped or never existed.
    size_t m_saved = 0;
};

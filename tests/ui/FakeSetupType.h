// A setup type for the view tests, with every kind of cell the views handle, that records what
// the view asks of it, and a document that shows it instead of the unit's setup types.
#pragma once

#include "model/INordaSetupType.h"
#include "ui/CQ4150Doc.h"

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Columns: 0 label, 1 "State" list OFF/ON, 2 "Name" text of at most 8, 3 "Value" real,
// 4 "Flags" pop-up of four on/off flags, 5 "Info" read-only on grey.
class FakeSetupType : public INordaSetupType {
public:
    static constexpr int COLS = 6;
    static constexpr uint32_t GREY = 0x00D3D3D3;
    static inline const char* const FLAG_NAMES[4] = {"Alpha", "Beta", "Gamma", "Delta"};

    explicit FakeSetupType(int rows = 8) : m_nRows(rows) { Initialize(); }

    int ValidateData(int section, int cell, const std::string& text) override
    {
        m_validated.emplace_back(section, cell, text);
        CNdChnData* p = GetProperty(section, cell);
        bool refused = m_refused.count(text) > 0;
        if (!p || refused || p->SetSelText(text) < 0) {
            m_nErrID = refused ? 62012 : 62000;
            return 0;
        }
        return 1;
    }
    void SetParm(int section, int cell, const std::string& text) override
    {
        if (CNdChnData* p = GetProperty(section, cell))
            p->SetSelText(text);
    }
    int GetPopupProperties(int section, int, PropList& props) override
    {
        ++m_nPopupAsked;
        if (!m_bPopupAllowed)
            return 0;
        for (auto& flag : m_flags[static_cast<size_t>(section)])
            props.push_back(std::make_unique<CNdChnData>(*flag));
        return 1;
    }
    void UpdateProperties(int section, int cell, PropList& props) override
    {
        m_updatedRows.push_back(section);
        std::string summary;
        for (size_t i = 0; i < props.size(); ++i) {
            m_flags[static_cast<size_t>(section)][i]->Copy(*props[i]);
            if (props[i]->GetDataAsString() == "ON")
                summary += props[i]->GetName()[0];
        }
        GetProperty(section, cell)->SetText(summary.empty() ? "..." : summary);
    }
    void Initialize() override
    {
        m_strTitle = "Fake";
        m_nPrintCols = 3;
        CreateDefDataSheet();
    }
    void ResetChannel(int section) override
    {
        m_resetRows.push_back(section);
        GetProperty(section, 1)->SetSelText("OFF");
        GetProperty(section, 2)->SetSelText("");
        GetProperty(section, 3)->SetSelText("0");
        GetProperty(section, 4)->SetText("...");
    }
    int GetNumChannels() override { return m_nRows; }
    int GetLastError() override { return static_cast<int>(m_nErrID); }
    void CreateDefDataSheet() override
    {
        m_pDataSheet = std::make_unique<CDataSheet>();
        m_flags.clear();
        const char* const headers[COLS] = {"Channel", "State", "Name", "Value", "Flags", "Info"};
        CSection header;
        for (const char* text : headers)
            header.push_back(CreateLabelCell(text));
        m_pDataSheet->AddSection(std::move(header));
        m_flags.emplace_back();
        for (int r = 1; r < m_nRows; ++r) {
            CSection row;
            row.push_back(CreateLabelCell("Row " + std::to_string(r)));
            row.push_back(Cell(DT_TEXT, 0, CTRL_LIST, "OFF;ON"));
            row.push_back(Cell(DT_TEXT, 1, CTRL_EDIT, ""));
            row.back()->m_nTextLen = 8;
            row.push_back(Cell(DT_REAL, 1, CTRL_EDIT, "0"));
            row.push_back(Cell(DT_TEXT, 0, CTRL_POPUP, "..."));
            row.push_back(Cell(DT_TEXT, 0, CTRL_EDIT, "info " + std::to_string(r)));
            row.back()->m_crBkColour = GREY;
            m_pDataSheet->AddSection(std::move(row));
            std::vector<std::unique_ptr<CNdChnData>> flags;
            for (const char* name : FLAG_NAMES) {
                flags.push_back(Cell(DT_INT, 1, CTRL_LIST, "OFF;ON"));
                flags.back()->SetPropName(name);
            }
            m_flags.push_back(std::move(flags));
        }
    }

    std::string Flag(int row, int i) const { return m_flags[static_cast<size_t>(row)][static_cast<size_t>(i)]->GetDataAsString(); }
    void SetFlag(int row, int i, const std::string& value) { m_flags[static_cast<size_t>(row)][static_cast<size_t>(i)]->SetSelText(value); }

    std::set<std::string> m_refused{"bad"};
    std::vector<std::tuple<int, int, std::string>> m_validated;
    std::vector<int> m_resetRows;
    std::vector<int> m_updatedRows;
    int m_nPopupAsked = 0;
    bool m_bPopupAllowed = true;
    unsigned m_nErrID = 0;

private:
    static std::unique_ptr<CNdChnData> Cell(short type, int editable, CTRL_STYLE style, const std::string& items)
    {
        auto cell = std::make_unique<CNdChnData>(type, editable, style, CLR_GRID_DEFAULT);
        cell->AddData(items);
        return cell;
    }

    int m_nRows;
    std::vector<std::vector<std::unique_ptr<CNdChnData>>> m_flags;
};

// A document whose views show fake setup types.
class FakeDoc : public CQ4150Doc {
public:
    explicit FakeDoc(IMessagePrompt& prompt, int types = 1) : CQ4150Doc(prompt)
    {
        for (int i = 0; i < types; ++i)
            m_types.push_back(std::make_unique<FakeSetupType>());
    }
    std::vector<INordaSetupType*> GetNdSetup() const override
    {
        std::vector<INordaSetupType*> setups;
        for (const auto& type : m_types)
            setups.push_back(type.get());
        return setups;
    }
    FakeSetupType& Fake(int i = 0) { return *m_types[static_cast<size_t>(i)]; }

private:
    std::vector<std::unique_ptr<FakeSetupType>> m_types;
};

// A main frame over a new document of the unit's four setup types, started the way the program
// starts it, with the edits a user makes in its grids.
#pragma once

#include "check/CheckRules.h"
#include "support/RecordingPrompt.h"
#include "ui/checks/CChecksUi.h"
#include "ui/app/CMainFrame.h"
#include "ui/document/CQ4150Doc.h"
#include "ui/document/CQ4150View.h"
#include "ui/grid/CSheetModel.h"
#include "ui/grid/CZTGridCtrl.h"
#include "unit/CQ4kUnit.h"

#include <QTabWidget>
#include <QTest>

#include <memory>
#include <set>
#include <utility>

// Every rule of the set-up checks, for the tests whose subject is something else: ignored, an
// upload asks nothing of what the checks find, and no cell is marked by them.
inline std::vector<std::string> EveryCheckRule()
{
    std::vector<std::string> rules;
    for (const CheckRule& rule : GetCheckRules())
        rules.push_back(rule.id);
    return rules;
}

// The checks ignored in every set-up while it lives.
struct ChecksIgnored {
    ChecksIgnored() { CChecksUi::SetIgnoredEverywhere(EveryCheckRule()); }
    ~ChecksIgnored() { CChecksUi::SetIgnoredEverywhere({}); }
    ChecksIgnored(const ChecksIgnored&) = delete;
    ChecksIgnored& operator=(const ChecksIgnored&) = delete;
};

struct FrameFixture {
    RecordingPrompt prompt;
    CQ4150Doc doc{prompt};
    std::unique_ptr<CMainFrame> frame;

    FrameFixture()
    {
        doc.OnNewDocument();
        frame = std::make_unique<CMainFrame>(doc);
        frame->ResetViews();
        frame->show();
        // Shortcuts reach only the active window.
        frame->activateWindow();
        (void)QTest::qWaitForWindowActive(frame.get());
    }
    INordaSetupType& Type(int tab) const { return *doc.GetNdSetup()[static_cast<size_t>(tab)]; }
    CQ4150View& View(int tab) const { return *frame->GetQ4View(tab); }
    CZTGridCtrl& Grid(int tab) const { return *View(tab).GetGrid(); }
    CZTGridCtrl& Activate(int tab) const
    {
        frame->GetTabControl()->setCurrentIndex(tab);
        return Grid(tab);
    }
    // What the grid announces when the user has typed or chosen a text in a cell.
    void Edit(int tab, int row, int col, const QString& text) const
    {
        emit Grid(tab).endEdit(row, col, text);
    }
    // The cells of a sheet marked as differing by a comparison, as (row, column) of the grid.
    std::set<std::pair<int, int>> Marked(int tab) const { return Grid(tab).GetSheetModel()->GetMarkedCells(); }
    // Physical row 1 (IN 11) as a 0 to 10 V input: the first input in use.
    void UseFirstInput() const
    {
        Edit(ST_PHYSICAL, 1, 1, QStringLiteral("10 V"));
        Edit(ST_PHYSICAL, 1, 5, QStringLiteral("10"));
    }
};

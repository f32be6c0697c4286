// The set-up checks in the main window: after every step the set-up is checked, the Checks panel
// lists the findings, the grids mark their cells and the status bar counts them; the rules
// ignored in every set-up (kept in the settings) or for the set-up's unit of the open plant
// (kept in the plant file) are left out. View > Checks Panel goes to the panel.
#pragma once

#include "check/Finding.h"
#include "ui/print/CFindingsPrinter.h"

#include <QObject>

#include <string>
#include <vector>

class CChecksModel;
class CChecksPanel;
class IFrame;
class IUnitIgnores;
class QAction;
class QLabel;
class QMenu;

class CChecksUi : public QObject {
    Q_OBJECT

public:
    // Puts Checks Panel into the view menu and the count into the status bar; units tells
    // which unit the set-up is and keeps its ignored rules.
    CChecksUi(IFrame& frame, IUnitIgnores& units, QMenu* viewMenu);
    ~CChecksUi() override;

    // Checks the set-up as it is now and shows what is found.
    void Recheck();

    CChecksModel& GetModel() const { return *m_model; }
    CChecksPanel* GetPanel() const { return m_panel; }
    QLabel* GetCountLabel() const { return m_count; }
    QAction* GetPanelAction() const { return m_panelAction; }
    // The findings as the printout's last page lists them.
    std::vector<CFindingsPrinter::Row> PrintRows() const;

    // The rules left out for the set-up open: those ignored everywhere, then its plant unit's.
    std::vector<std::string> IgnoredRules() const;
    // The rules ignored in every set-up, as the settings keep them ("Checks/Ignored").
    static std::vector<std::string> IgnoredEverywhere();
    static void SetIgnoredEverywhere(const std::vector<std::string>& rules);

public slots:
    // The cursor to the finding's cell, on its sheet.
    void GoTo(FindingCell cell);
    // tag empty: in every set-up; else for that unit of the plant.
    void Ignore(const std::string& rule, const QString& tag);
    void TakeBack(const std::string& rule, const QString& tag);

private:
    void MarkCells(const std::vector<Finding>& findings);
    void ShowIgnored();

    IFrame& m_frame;
    IUnitIgnores& m_units;
    CChecksModel* m_model;
    CChecksPanel* m_panel;
    QLabel* m_count;
    QAction* m_panelAction;
};

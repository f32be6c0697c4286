// The checks' wiring: the set-up checked after every step, its findings to the panel, the grids,
// the status bar, the printout and the plant panel.
#include "ui/checks/CChecksUi.h"

#include "check/CSetupChecker.h"
#include "model/INordaSetupType.h"
#include "plant/CPlant.h"
#include "ui/checks/CChecksModel.h"
#include "ui/checks/CChecksPanel.h"
#include "ui/checks/IUnitIgnores.h"
#include "ui/document/CDocManager.h"
#include "ui/document/IFrame.h"
#include "ui/document/CQ4150Doc.h"
#include "ui/document/CQ4150View.h"
#include "ui/grid/CSheetModel.h"
#include "ui/grid/CZTGridCtrl.h"
#include "ui/checks/CheckTexts.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>

#include <algorithm>
#include <map>

namespace {

const char g_IgnoredKey[] = "Checks/Ignored";

std::vector<std::string> WithRule(std::vector<std::string> rules, const std::string& rule, bool add)
{
    auto at = std::find(rules.begin(), rules.end(), rule);
    if (add && at == rules.end())
        rules.push_back(rule);
    else if (!add && at != rules.end())
        rules.erase(at);
    return rules;
}

}  // namespace

CChecksUi::CChecksUi(IFrame& frame, IUnitIgnores& units, QMenu* viewMenu)
    : QObject(&frame.Window()), m_frame(frame), m_units(units), m_model(new CChecksModel(this))
{
    QMainWindow& window = frame.Window();
    m_panel = new CChecksPanel(*m_model, &window);
    window.addDockWidget(Qt::BottomDockWidgetArea, m_panel);
    m_count = new QLabel(&window);
    m_count->setObjectName(QStringLiteral("checksCount"));
    window.statusBar()->addPermanentWidget(m_count);

    m_panelAction = new QAction(tr("Chec&ks Panel"), this);
    m_panelAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));
    m_panelAction->setStatusTip(tr("Show the findings of the set-up checks and go to them"));
    viewMenu->addAction(m_panelAction);
    window.addAction(m_panelAction);
    connect(m_panelAction, &QAction::triggered, m_panel, &CChecksPanel::FocusPanel);

    connect(m_panel, &CChecksPanel::goToFinding, this, &CChecksUi::GoTo);
    connect(m_panel, &CChecksPanel::backToSheet, this, [this] {
        if (QWidget* view = m_frame.GetActiveQ4View())
            view->setFocus(Qt::OtherFocusReason);
    });
    connect(m_panel, &CChecksPanel::ignoreRule, this, &CChecksUi::Ignore);
    connect(m_panel, &CChecksPanel::takeBack, this, &CChecksUi::TakeBack);

    // Another file behind the set-up; the frame tells of every step and of another plant.
    connect(&frame.GetDocManager(), &CDocManager::titleChanged, this, &CChecksUi::Recheck);
    m_units.ShowIgnoredEverywhere(IgnoredEverywhere());
    Recheck();
}

CChecksUi::~CChecksUi() = default;

std::vector<std::string> CChecksUi::IgnoredEverywhere()
{
    std::vector<std::string> rules;
    for (const QString& name : QSettings().value(QString::fromLatin1(g_IgnoredKey)).toStringList()) {
        // A name the program no longer knows is dropped.
        if (FindCheckRule(name.toStdString()))
            rules = WithRule(rules, name.toStdString(), true);
    }
    return rules;
}

void CChecksUi::SetIgnoredEverywhere(const std::vector<std::string>& rules)
{
    QStringList names;
    for (const std::string& rule : rules)
        names << QString::fromStdString(rule);
    QSettings settings;
    if (names.isEmpty())
        settings.remove(QString::fromLatin1(g_IgnoredKey));
    else
        settings.setValue(QString::fromLatin1(g_IgnoredKey), names);
}

std::vector<std::string> CChecksUi::IgnoredRules() const
{
    std::vector<std::string> rules = IgnoredEverywhere();
    if (const PlantUnit* unit = m_units.DocumentUnit()) {
        for (const std::string& rule : unit->ignore)
            rules = WithRule(rules, rule, true);
    }
    return rules;
}

void CChecksUi::Recheck()
{
    const CQ4kUnit* unit = m_frame.GetDocument().GetUnit();
    if (!unit)
        return;
    std::vector<Finding> findings = CSetupChecker::Check(*unit, IgnoredRules());
    MarkCells(findings);
    m_count->setText(q4ui::CountText(CountFindings(findings)));
    m_model->SetFindings(std::move(findings));
    ShowIgnored();
}

void CChecksUi::MarkCells(const std::vector<Finding>& findings)
{
    std::vector<std::map<std::pair<int, int>, CSheetModel::CellFindings>> sheets(static_cast<size_t>(m_frame.GetViewCount()));
    auto mark = [&sheets](const FindingCell& cell, Severity severity, const QString& text) {
        if (cell.sheet < 0 || cell.sheet >= static_cast<int>(sheets.size()))
            return;
        CSheetModel::CellFindings& found = sheets[static_cast<size_t>(cell.sheet)][{cell.row, cell.col}];
        // Severity counts from the error (0): the least is the worst.
        found.severity = found.texts.isEmpty() ? static_cast<int>(severity) : std::min(found.severity, static_cast<int>(severity));
        found.texts << text;
    };
    for (const Finding& finding : findings) {
        const QString text = tr("%1: %2").arg(q4ui::SeverityText(finding.severity), q4ui::TrFinding(finding));
        mark(finding.cell, finding.severity, text);
        for (const FindingCell& other : finding.others)
            mark(other, finding.severity, text);
    }
    for (int i = 0; i < m_frame.GetViewCount(); ++i) {
        if (CSheetModel* model = m_frame.GetQ4View(i)->GetModel())
            model->SetFindings(std::move(sheets[static_cast<size_t>(i)]));
    }
}

void CChecksUi::ShowIgnored()
{
    std::vector<CChecksPanel::Ignored> ignored;
    for (const std::string& rule : IgnoredEverywhere())
        ignored.push_back({rule, QString()});
    const PlantUnit* unit = m_units.DocumentUnit();
    const QString tag = unit ? QString::fromStdString(unit->tag) : QString();
    if (unit) {
        for (const std::string& rule : unit->ignore)
            ignored.push_back({rule, tag});
    }
    m_panel->SetIgnored(tag, std::move(ignored));
}

void CChecksUi::GoTo(FindingCell cell)
{
    if (cell.sheet < 0 || cell.sheet >= m_frame.GetViewCount())
        return;
    m_frame.SetActiveView(cell.sheet);
    CQ4150View* view = m_frame.GetQ4View(cell.sheet);
    view->GetGrid()->SetFocusCell(cell.row, cell.col);
    view->setFocus(Qt::OtherFocusReason);
}

void CChecksUi::Ignore(const std::string& rule, const QString& tag)
{
    if (tag.isEmpty()) {
        SetIgnoredEverywhere(WithRule(IgnoredEverywhere(), rule, true));
        m_units.ShowIgnoredEverywhere(IgnoredEverywhere());
    } else if (const PlantUnit* unit = m_units.DocumentUnit(); unit && unit->tag == tag.toStdString()) {
        m_units.SetUnitIgnores(tag, WithRule(unit->ignore, rule, true));
    }
    Recheck();
}

void CChecksUi::TakeBack(const std::string& rule, const QString& tag)
{
    if (tag.isEmpty()) {
        SetIgnoredEverywhere(WithRule(IgnoredEverywhere(), rule, false));
        m_units.ShowIgnoredEverywhere(IgnoredEverywhere());
    } else if (const PlantUnit* unit = m_units.DocumentUnit(); unit && unit->tag == tag.toStdString()) {
        m_units.SetUnitIgnores(tag, WithRule(unit->ignore, rule, false));
    }
    Recheck();
}

std::vector<CFindingsPrinter::Row> CChecksUi::PrintRows() const
{
    std::vector<CFindingsPrinter::Row> rows;
    for (const Finding& finding : m_model->GetFindings())
        rows.push_back({q4ui::SeverityText(finding.severity), q4ui::TrFindingPart(finding.channel), q4ui::TrFinding(finding)});
    return rows;
}

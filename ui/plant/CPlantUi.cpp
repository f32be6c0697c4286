// The plant's menu entries, panel, transfers window, Identify Unit and report in the main window.
#include "ui/plant/CPlantUi.h"

#include "model/IMessagePrompt.h"
#include "plant/CPlantLog.h"
#include "ui/document/CDocManager.h"
#include "ui/document/IFrame.h"
#include "ui/plant/CPlantModel.h"
#include "ui/plant/CPlantPanel.h"
#include "ui/plant/CPlantReportDlg.h"
#include "ui/plant/CPlantTransferController.h"
#include "ui/plant/CPlantTransferDlg.h"
#include "ui/document/CQ4150Doc.h"
#include "ui/document/CQ4150View.h"
#include "ui/common/CQtMessagePrompt.h"
#include "ui/grid/CSheetModel.h"
#include "ui/transfer/CTransferController.h"
#include "ui/common/CommandTable.h"
#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"
#include "unit/CUnitHistory.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>

namespace {

QString PlantFilter()
{
    return CPlantUi::tr("Plants (*.q4plant)");
}

}  // namespace

CPlantUi::CPlantUi(IFrame& frame, QMenu* fileMenu, QAction* before, QMenu* toolsMenu)
    : QObject(&frame.Window()), m_frame(frame), m_model(new CPlantModel(this)),
      m_RecentPlants(4, QStringLiteral("Recent Plant List"))
{
    m_RecentPlants.ReadList();
    connect(AddAction(fileMenu, before, tr("New P&lant..."), tr("Make a new plant file")), &QAction::triggered, this,
            &CPlantUi::OnNewPlant);
    connect(AddAction(fileMenu, before, tr("Open Plan&t..."), tr("Open a plant file and show its units")),
            &QAction::triggered, this, &CPlantUi::OnOpenPlant);
    m_recentMenu = new QMenu(tr("R&ecent Plants"), fileMenu);
    fileMenu->insertMenu(before, m_recentMenu);
    m_addAction = AddAction(fileMenu, before, tr("A&dd This Set-up to Plant..."),
                             tr("Add the set-up's file to the plant as a unit of its own"));
    connect(m_addAction, &QAction::triggered, this, &CPlantUi::OnAddSetup);
    fileMenu->insertSeparator(before);

    toolsMenu->addSeparator();
    m_panelAction = AddAction(toolsMenu, nullptr, tr("Plant &Panel"), tr("Show the plant's units and go to them"));
    m_panelAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
    connect(m_panelAction, &QAction::triggered, this, &CPlantUi::OnShowPanel);
    m_transfersAction = AddAction(toolsMenu, nullptr, tr("Plant &Transfers..."),
                                   tr("Verify or upload several units of the plant side by side"));
    connect(m_transfersAction, &QAction::triggered, this, &CPlantUi::OnPlantTransfers);
    connect(AddAction(toolsMenu, nullptr, tr("&Identify Unit"), tr("Read the unit on the port and tell which unit it is")),
            &QAction::triggered, this, &CPlantUi::OnIdentifyUnit);
    m_reportAction = AddAction(toolsMenu, nullptr, tr("Plant &Report..."),
                                tr("Every unit's last upload and verify and their changes, to print or save as PDF"));
    connect(m_reportAction, &QAction::triggered, this, &CPlantUi::OnPlantReport);

    // The set-up in the main window may become, or stop being, one that is being uploaded.
    connect(&m_frame.GetDocManager(), &CDocManager::titleChanged, this, &CPlantUi::UpdateLock);
    // The document's own transfers of a plant unit are in the log too.
    connect(&m_frame.GetTransfers(), &CTransferController::finished, m_model, &CPlantModel::Refresh);
    UpdateRecentMenu();
    UpdateActions();
}

CPlantUi::~CPlantUi() = default;

QAction* CPlantUi::AddAction(QMenu* menu, QAction* before, const QString& text, const QString& tip)
{
    auto* action = new QAction(text, this);
    action->setStatusTip(tip);
    if (before)
        menu->insertAction(before, action);
    else
        menu->addAction(action);
    m_frame.Window().addAction(action);
    return action;
}

void CPlantUi::ShowError(const QString& text)
{
    QMessageBox::warning(&m_frame.Window(), CQtMessagePrompt::Caption(), text);
}

void CPlantUi::UpdateActions()
{
    const bool open = m_plant != nullptr;
    m_addAction->setEnabled(open);
    m_transfersAction->setEnabled(open);
    m_reportAction->setEnabled(open);
    m_panelAction->setEnabled(open);
}

void CPlantUi::UpdateRecentMenu()
{
    m_recentMenu->clear();
    const QStringList& plants = m_RecentPlants.GetList();
    for (int i = 0; i < plants.size(); ++i) {
        const QString path = plants[i];
        QAction* action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        action->setStatusTip(tr("Open this plant"));
        connect(action, &QAction::triggered, this, [this, path] { OpenPlant(path); });
    }
    m_recentMenu->setEnabled(!plants.isEmpty());
}

// ---- the plant file ------------------------------------------------------------------------

void CPlantUi::OnNewPlant()
{
    QFileDialog dialog(&m_frame.Window(), tr("New Plant"), QDir::currentPath(), PlantFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("q4plant"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    auto plant = std::make_unique<CPlant>(path.toStdString(), QFileInfo(path).completeBaseName().toStdString());
    if (q4::Status saved = plant->Save(); !saved) {
        ShowError(tr("The plant file %1 could not be written: %2")
                      .arg(QDir::toNativeSeparators(path), q4ui::TrCore(saved.Reason())));
        return;
    }
    OpenPlant(path);
}

void CPlantUi::OnOpenPlant()
{
    const QString start = m_plant ? QString::fromStdString(m_plant->GetFolder()) : QDir::currentPath();
    const QString path = QFileDialog::getOpenFileName(&m_frame.Window(), tr("Open Plant"), start, PlantFilter());
    if (!path.isEmpty())
        OpenPlant(path);
}

bool CPlantUi::OpenPlant(const QString& path)
{
    if (m_transfers && m_transfers->IsRunning()) {
        ShowError(tr("Plant transfers are running: another plant can be opened once they have ended."));
        return false;
    }
    auto plant = std::make_unique<CPlant>();
    if (q4::Status loaded = plant->Load(path.toStdString()); !loaded) {
        ShowError(tr("The plant %1 could not be opened: %2").arg(QDir::toNativeSeparators(path), q4ui::TrCore(loaded.Reason())));
        m_RecentPlants.Remove(path);
        m_RecentPlants.WriteList();
        UpdateRecentMenu();
        return false;
    }
    m_RecentPlants.Add(path);
    m_RecentPlants.WriteList();
    UpdateRecentMenu();
    SetPlant(std::move(plant));
    return true;
}

void CPlantUi::SetPlant(std::unique_ptr<CPlant> plant)
{
    // The transfers window belongs to the plant it was opened on.
    if (m_transferDlg) {
        delete m_transferDlg;
        m_transferDlg = nullptr;
    }
    m_transfers.reset();
    m_survey.reset();
    m_plant = std::move(plant);
    m_model->SetPlant(m_plant.get());
    // The document's own transfers are recorded as its unit's when it is one of the plant's.
    m_frame.GetTransfers().SetPlant(m_plant.get());
    if (!m_panel) {
        m_panel = new CPlantPanel(*m_model, &m_frame.Window());
        m_frame.Window().addDockWidget(Qt::LeftDockWidgetArea, m_panel);
        connect(m_panel, &CPlantPanel::openUnit, this, [this](const QString& tag) { OpenUnit(tag); });
    }
    m_panel->setWindowTitle(tr("Plant: %1").arg(QString::fromStdString(m_plant->GetName())));
    m_panel->show();
    // Wide enough for every column, State included, but never more than half the window.
    m_frame.Window().resizeDocks({m_panel}, {std::min(m_panel->WantedWidth(), m_frame.Window().width() / 2)}, Qt::Horizontal);
    UpdateActions();
    UpdateLock();
    emit plantChanged();
}

const PlantUnit* CPlantUi::DocumentUnit() const
{
    const QString document = QFileInfo(m_frame.GetDocument().GetPathName()).canonicalFilePath();
    if (!m_plant || document.isEmpty())
        return nullptr;
    for (const PlantUnit& unit : m_plant->GetUnits()) {
        if (QFileInfo(QString::fromStdString(m_plant->FilePath(unit))).canonicalFilePath() == document)
            return &unit;
    }
    return nullptr;
}

void CPlantUi::ShowIgnoredEverywhere(const std::vector<std::string>& rules)
{
    m_model->SetAlsoIgnored(rules);
}

bool CPlantUi::SetUnitIgnores(const QString& tag, const std::vector<std::string>& rules)
{
    const PlantUnit* known = m_plant ? m_plant->FindUnit(tag.toStdString()) : nullptr;
    if (!known)
        return false;
    PlantUnit unit = *known;
    unit.ignore = rules;
    CPlant changed(*m_plant);
    q4::Status saved = changed.ReplaceUnit(unit);
    if (saved)
        saved = changed.Save();
    if (!saved) {
        ShowError(tr("The plant file %1 could not be written: %2")
                      .arg(QDir::toNativeSeparators(QString::fromStdString(changed.GetPath())), q4ui::TrCore(saved.Reason())));
        return false;
    }
    *m_plant = std::move(changed);
    m_model->Refresh();
    emit plantChanged();
    return true;
}

bool CPlantUi::OpenUnit(const QString& tag)
{
    const PlantUnit* unit = m_plant ? m_plant->FindUnit(tag.toStdString()) : nullptr;
    if (!unit)
        return false;
    m_frame.SetActiveView(0);
    const bool opened = m_frame.GetDocManager().OpenDocumentFile(QString::fromStdString(m_plant->FilePath(*unit)));
    if (opened)
        m_frame.Window().statusBar()->showMessage(tr("%1 opened").arg(tag), 5000);
    UpdateLock();
    return opened;
}

void CPlantUi::OnShowPanel()
{
    if (m_panel)
        m_panel->FocusPanel();
}

// The document must be a saved .q4g: the plant keeps its path.
void CPlantUi::OnAddSetup()
{
    if (!m_plant)
        return;
    CQ4150Doc& doc = m_frame.GetDocument();
    if (doc.GetPathName().isEmpty() || doc.IsModified()) {
        const QMessageBox::StandardButton answer = QMessageBox::question(
            &m_frame.Window(), CQtMessagePrompt::Caption(), tr("The set-up must be saved as a .q4g file first. Save it now?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes || !m_frame.GetDocManager().OnFileSave())
            return;
    }
    QDialog dialog(&m_frame.Window());
    dialog.setWindowTitle(tr("Add This Set-up to Plant"));
    auto* form = new QFormLayout(&dialog);
    auto* tag = new QLineEdit(&dialog);
    auto* location = new QLineEdit(&dialog);
    auto* note = new QLineEdit(&dialog);
    form->addRow(tr("&Tag:"), tag);
    form->addRow(tr("&Location:"), location);
    form->addRow(tr("&Note:"), note);
    tag->setPlaceholderText(tr("e.g. AN-101"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    while (dialog.exec() == QDialog::Accepted) {
        PlantUnit unit{tag->text().trimmed().toStdString(), m_plant->RelativeFile(doc.GetPathName().toStdString()),
                       location->text().trimmed().toStdString(), note->text().trimmed().toStdString()};
        q4::Status saved = m_plant->AddUnit(unit);
        if (saved)
            saved = m_plant->Save();
        if (!saved) {
            ShowError(q4ui::TrCore(saved.Reason()));
            // A unit added but not saved goes again with the plant as the file holds it.
            auto reread = std::make_unique<CPlant>();
            if (reread->Load(m_plant->GetPath()))
                SetPlant(std::move(reread));
            continue;
        }
        SetPlant(std::make_unique<CPlant>(*m_plant));
        m_frame.Window().statusBar()->showMessage(tr("%1 added to the plant").arg(tag->text().trimmed()), 5000);
        return;
    }
}

// ---- transfers and the lock ----------------------------------------------------------------

void CPlantUi::OnPlantTransfers()
{
    if (!m_plant)
        return;
    if (!m_transfers) {
        m_transfers = std::make_unique<CPlantTransferController>(*m_plant, m_frame.GetJobQuestions());
        connect(m_transfers.get(), &CPlantTransferController::unitFinished, m_model, &CPlantModel::Refresh);
        connect(m_transfers.get(), &CPlantTransferController::runningChanged, this, [this](bool running) {
            UpdateLock();
            if (!running && std::exchange(m_closeWhenStopped, false))
                m_frame.Window().close();
        });
        // An upload starting later than the others (after the question about another unit).
        connect(m_transfers.get(), &QAbstractItemModel::dataChanged, this, &CPlantUi::UpdateLock);
    }
    if (!m_transferDlg)
        m_transferDlg = new CPlantTransferDlg(*m_transfers, &m_frame.Window());
    m_transferDlg->show();
    m_transferDlg->raise();
    m_transferDlg->activateWindow();
}

void CPlantUi::UpdateLock()
{
    const QString path = m_frame.GetDocument().GetPathName();
    const bool locked = m_transfers && !path.isEmpty() && m_transfers->IsUploading(path);
    if (locked == m_locked)
        return;
    m_locked = locked;
    for (int i = 0; i < m_frame.GetViewCount(); ++i) {
        if (CSheetModel* model = m_frame.GetQ4View(i)->GetModel())
            model->SetLocked(locked);
    }
    for (int id : {ID_EDIT_CUTEX, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_PASTEEX, ID_FILE_OPEN, ID_FILE_NEW, ID_FILE_IMPORT, ID_DOWNLOAD})
        m_frame.GetAction(id)->setEnabled(!locked);
    const CUnitHistory& history = m_frame.GetDocument().GetHistory();
    m_frame.GetAction(ID_EDIT_UNDO)->setEnabled(!locked && history.CanUndo());
    m_frame.GetAction(ID_EDIT_REDO)->setEnabled(!locked && history.CanRedo());
    m_frame.Window().statusBar()->showMessage(locked ? tr("This set-up's unit is being uploaded: it cannot be changed until the upload ends.")
                                            : QString());
}

bool CPlantUi::CanClose()
{
    if (!m_transfers || !m_transfers->IsRunning())
        return true;
    const QMessageBox::StandardButton answer = QMessageBox::question(
        &m_frame.Window(), CQtMessagePrompt::Caption(), tr("Plant transfers are running. Stop them and close the program?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes) {
        m_closeWhenStopped = true;
        m_transfers->Cancel();
    }
    return false;
}

// ---- Identify Unit -------------------------------------------------------------------------

void CPlantUi::OnIdentifyUnit()
{
    CTransferController& transfers = m_frame.GetTransfers();
    if (transfers.IsTransferring())
        return;
    m_survey = m_plant ? std::make_unique<CPlantSurvey>(*m_plant) : nullptr;
    transfers.Identify(m_survey.get(), [this](const Identification& found) {
        const QString port = m_frame.GetTransfers().GetPortName();
        if (found.result == PlantResult::Failed || found.result == PlantResult::Stopped) {
            LogIdentification(found, port);
            m_survey.reset();
            if (found.result == PlantResult::Failed)
                m_frame.GetDocument().GetPrompt().Show(
                    q4ui::ToCp1252(tr("The unit could not be identified: %1.").arg(q4ui::TrCore(found.reason))),
                    IMessagePrompt::BTN_OK, true);
            return;
        }
        TellIdentification(found, port);
    });
}

void CPlantUi::LogIdentification(const Identification& found, const QString& port)
{
    if (!m_plant || !m_survey)
        return;
    const PlantLogRecord record = CUnitIdentifier(m_survey.get()).Record(found, port.toStdString());
    q4::Status appended = CPlantLog(m_plant->GetLogPath()).Append(record);
    if (!appended)
        m_frame.GetDocument().GetPrompt().Show(
            q4ui::ToCp1252(tr("The plant log could not be written: %1. The identification is not in the commissioning "
                              "record.")
                               .arg(q4ui::TrCore(appended.Reason()))),
            IMessagePrompt::BTN_OK, true);
}

void CPlantUi::TellIdentification(const Identification& found, const QString& port)
{
    LogIdentification(found, port);
    IMessagePrompt& prompt = m_frame.GetDocument().GetPrompt();
    QString text = tr("The unit on %1 is device %2.").arg(port).arg(found.device);
    const QString closest = q4ui::TrCore(CUnitIdentifier::ClosestText(found));
    QString tag;
    if (m_plant) {
        if (found.result == PlantResult::Named && !found.wholeUnitRead && !found.tags.empty()) {
            tag = QString::fromStdString(found.tags.front());
            text += QLatin1Char(' ') + tr("It is %1 of the plant.").arg(tag);
        } else if (found.result == PlantResult::Named) {
            tag = QString::fromStdString(found.tags.front());
            text += QLatin1Char(' ') + tr("Several units have that number; %1.").arg(closest);
        } else if (found.result == PlantResult::Ambiguous) {
            text += QLatin1Char(' ') + tr("Several units have that number and none is closer than the others (%1).").arg(closest);
        } else {
            text += QLatin1Char(' ') + tr("No unit of the plant has that number; %1.").arg(closest);
            if (found.tags.size() == 1)
                tag = QString::fromStdString(found.tags.front());
        }
    }
    if (tag.isEmpty()) {
        prompt.Show(q4ui::ToCp1252(text), IMessagePrompt::BTN_OK, false);
        m_survey.reset();
        return;
    }
    m_survey.reset();
    text += QLatin1Char(' ') + tr("Open the set-up of %1?").arg(tag);
    if (prompt.Show(q4ui::ToCp1252(text), IMessagePrompt::BTN_YES_NO, false) == IMessagePrompt::IDOK)
        OpenUnit(tag);
}

// ---- the report ----------------------------------------------------------------------------

void CPlantUi::OnPlantReport()
{
    if (!m_plant)
        return;
    // Not modal, so that the sheets stay at hand; it reads the plant as it is now.
    auto* dialog = new CPlantReportDlg(*m_plant, m_frame.GetPrinter(), &m_frame.Window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

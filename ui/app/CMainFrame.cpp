// The main frame: views, commands and their bars, file and print commands, help and About.
#include "ui/app/CMainFrame.h"

#include "model/INordaSetupType.h"
#include "model/StringTable.h"
#include "unit/CQ4kUnit.h"
#include "unit/CUnitHistory.h"
#include "ui/app/CAboutDlg.h"
#include "ui/transfer/CBackupSettings.h"
#include "ui/transfer/CBackupSettingsDlg.h"
#include "compare/CSetupComparison.h"
#include "ui/compare/CCellListDlg.h"
#include "ui/transfer/CChangeReportDlg.h"
#include "ui/checks/CChecksPanel.h"
#include "ui/checks/CChecksUi.h"
#include "ui/app/CCommandLine.h"
#include "ui/compare/CCompareController.h"
#include "ui/document/CDocManager.h"
#include "ui/help/CHelpDlg.h"
#include "ui/app/CIconFactory.h"
#include "ui/common/CLanguage.h"
#include "ui/app/CLanguageDlg.h"
#include "ui/plant/CPlantUi.h"
#include "ui/print/CPrintJob.h"
#include "ui/document/CQ4150Doc.h"
#include "ui/document/CQ4150View.h"
#include "ui/transfer/CQtComSetupUi.h"
#include "ui/common/CQtMessagePrompt.h"
#include "ui/transfer/CProgressWnd.h"
#include "ui/transfer/CJobQuestions.h"
#include "ui/transfer/CQtJob.h"
#include "ui/transfer/CTransferController.h"
#include "ui/grid/CZTGridCtrl.h"
#include "ui/common/CommandTable.h"
#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"
#include "ui/document/CSetupTextFiles.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDate>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QShowEvent>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <utility>

CMainFrame::CMainFrame(CQ4150Doc& doc, QWidget* parent)
    : CTabbedFrameWnd(parent), m_doc(doc), m_pPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setWindowIcon(CIconFactory::AppIcon());
    m_pDocManager = std::make_unique<CDocManager>(doc, this);
    m_pCompare = std::make_unique<CCompareController>(*this);
    connect(this, &CMainFrame::viewsUpdated, m_pCompare.get(), &CCompareController::DocumentChanged);
    m_questions = std::make_unique<CJobQuestions>(doc.GetPrompt());
    m_pTransfers = std::make_unique<CTransferController>(doc, *m_questions, this);
    connect(m_pCompare.get(), &CCompareController::setupTaken, this,
            [this](const QString& label) { OnSetupEdited(GetActiveQ4View(), label, false); });
    m_textFiles = new CSetupTextFiles(doc, *m_pDocManager, this);
    // An imported set-up is a new document; the cells that did not take their text are listed.
    connect(m_textFiles, &CSetupTextFiles::imported, this,
            [this](const QString& file, const QString& summary, const std::vector<CellDifference>& cells) {
                HideCellList();
                UpdateAllViews();
                UpdateUndoActions();
                OnUpdateFrameTitle();
                SetActiveView(0);
                CellList().ShowImport(file, summary, cells);
            });
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    m_pComSetupUi = std::make_unique<CQtComSetupUi>(this);
    m_pTransfers->SetComSetupUi(m_pComSetupUi.get());

    connect(m_pDocManager.get(), &CDocManager::aboutToOpen, this, [this] {
        SetActiveView(0);
        HideCellList();
    });
    connect(m_pDocManager.get(), &CDocManager::documentLoaded, this, [this] {
        UpdateAllViews();
        UpdateUndoActions();
        OnUpdateFrameTitle();
        // A file's texts the unit cannot hold are named as it opens.
        std::vector<CellDifference> cells = CSetupComparison::NotHeldExactly(*m_doc.GetUnit());
        if (!cells.empty())
            CellList().ShowFile(m_doc.GetTitle(), std::move(cells));
    });
    connect(m_pDocManager.get(), &CDocManager::titleChanged, this, &CMainFrame::OnUpdateFrameTitle);
    connect(m_pDocManager.get(), &CDocManager::recentFilesChanged, this, &CMainFrame::UpdateRecentFileMenu);
    ConnectTransfers();

    for (size_t i = 0; i < doc.GetNdSetup().size(); ++i) {
        auto* view = new CQ4150View(doc, GetTabControl());
        connect(view, &CQ4150View::setupEdited, this, [this, view](const QString& label, bool tellOtherSheets) {
            OnSetupEdited(view, label, tellOtherSheets);
        });
        connect(view, &CQ4150View::helpRequested, this, &CMainFrame::ShowHelp);
        connect(view, &CQ4150View::statusMessage, statusBar(), [this](const QString& text) { statusBar()->showMessage(text); });
        AddView(view);
    }
    resize(1024, 700);
    setAcceptDrops(true);
    OnUpdateFrameTitle();
}

CMainFrame::~CMainFrame()
{
    // A job still running ends before the questions and the dialogs it may ask.
    m_pTransfers.reset();
    // A cell editor still open commits when the window closes, which happens only after the
    // frame's own members are gone: its sheet's edit must not reach the frame then.
    for (CQ4150View* view : AllViews())
        disconnect(view, nullptr, this, nullptr);
}

namespace {

// A command's name without its mnemonic or dots: what a toolbar button is called ("Open" for
// "&Open...").
QString PlainName(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.remove(QStringLiteral("...")).trimmed();
}

}  // namespace

QString CMainFrame::WindowTitle()
{
    return tr("Norda Q4150 Programmer");
}

// ---- commands and bars ---------------------------------------------------------------------

QAction* CMainFrame::CreateAction(int id)
{
    const CommandInfo* info = FindCommand(id);
    if (!info)
        return nullptr;
    auto* action = new QAction(QCoreApplication::translate("Commands", info->pszText), this);
    action->setIconText(PlainName(action->text()));
    QString prompt = info->pszPrompt ? QCoreApplication::translate("Commands", info->pszPrompt)
                                     : q4ui::TrCore(LoadString(static_cast<unsigned>(id)));
    action->setStatusTip(prompt.section(QLatin1Char('\n'), 0, 0));
    action->setToolTip(prompt.section(QLatin1Char('\n'), 1, 1));
    QList<QKeySequence> keys;
    for (const QString& key : QString::fromLatin1(info->pszShortcuts).split(QLatin1Char(';'), Qt::SkipEmptyParts))
        keys << QKeySequence(key);
    action->setShortcuts(keys);
    action->setIcon(CIconFactory::CommandIcon(id, palette()));
    action->setData(id);
    addAction(action);
    m_mapActions[id] = action;
    return action;
}

QAction* CMainFrame::GetAction(int id) const
{
    auto it = m_mapActions.find(id);
    return it == m_mapActions.end() ? nullptr : it->second;
}

void CMainFrame::CreateActions()
{
    for (int i = 0; i < GetCommandCount(); ++i)
        CreateAction(GetCommand(i).nId);

    auto onView = [this](int id, void (CQ4150View::*handler)()) {
        connect(GetAction(id), &QAction::triggered, this, [this, handler] {
            if (CQ4150View* view = GetActiveQ4View())
                (view->*handler)();
        });
    };
    connect(GetAction(ID_FILE_NEW), &QAction::triggered, this, &CMainFrame::OnFileNew);
    connect(GetAction(ID_FILE_OPEN), &QAction::triggered, m_pDocManager.get(), &CDocManager::OnFileOpen);
    connect(GetAction(ID_FILE_SAVE), &QAction::triggered, m_pDocManager.get(), &CDocManager::OnFileSave);
    connect(GetAction(ID_FILE_SAVE_AS), &QAction::triggered, m_pDocManager.get(), &CDocManager::OnFileSaveAs);
    connect(GetAction(ID_FILE_IMPORT), &QAction::triggered, m_textFiles, &CSetupTextFiles::OnImport);
    connect(GetAction(ID_FILE_EXPORT_JSON), &QAction::triggered, m_textFiles, [this] { m_textFiles->OnExport(false); });
    connect(GetAction(ID_FILE_EXPORT_CSV), &QAction::triggered, m_textFiles, [this] { m_textFiles->OnExport(true); });
    connect(GetAction(ID_FILE_PRINT_ALL), &QAction::triggered, this, &CMainFrame::OnFilePrint);
    connect(GetAction(ID_FILE_PRINT_CURRENT), &QAction::triggered, this, &CMainFrame::OnFilePrintCurrent);
    connect(GetAction(ID_FILE_PRINT_PREVIEW), &QAction::triggered, this, &CMainFrame::OnFilePrintPreview);
    connect(GetAction(ID_FILE_PRINT_SETUP), &QAction::triggered, this, &CMainFrame::OnFilePrintSetup);
    connect(GetAction(ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);
    onView(ID_EDIT_CUTEX, &CQ4150View::OnEditCutEx);
    onView(ID_EDIT_CUT, &CQ4150View::OnEditCutEx);
    onView(ID_EDIT_COPY, &CQ4150View::OnEditCopyEx);
    onView(ID_EDIT_COPYEX, &CQ4150View::OnEditCopyEx);
    onView(ID_EDIT_PASTEEX, &CQ4150View::OnEditPasteEx);
    onView(ID_EDIT_SELECTALL, &CQ4150View::OnEditSelectall);
    onView(ID_EDIT_PASTE, &CQ4150View::OnEditPasteEx);
    connect(GetAction(ID_EDIT_UNDO), &QAction::triggered, this, &CMainFrame::OnEditUndo);
    connect(GetAction(ID_EDIT_REDO), &QAction::triggered, this, &CMainFrame::OnEditRedo);
    connect(GetAction(ID_NEXT_TAB), &QAction::triggered, this, [this] { StepTab(1); });
    connect(GetAction(ID_PREV_TAB), &QAction::triggered, this, [this] { StepTab(-1); });
    UpdateUndoActions();
    connect(GetAction(ID_HELP_FINDER), &QAction::triggered, this, &CMainFrame::OnHelp);
    connect(GetAction(ID_APP_ABOUT), &QAction::triggered, this, &CMainFrame::OnAppAbout);
    connect(GetAction(ID_UPLOAD), &QAction::triggered, this, &CMainFrame::OnUpload);
    connect(GetAction(ID_DOWNLOAD), &QAction::triggered, this, &CMainFrame::OnDownload);
    connect(GetAction(ID_COMMSETUP), &QAction::triggered, this, &CMainFrame::OnCommsetup);
    connect(GetAction(ID_BACKUP_SETTINGS), &QAction::triggered, this, &CMainFrame::OnBackupSettings);
    connect(GetAction(ID_LANGUAGE), &QAction::triggered, this, &CMainFrame::OnLanguage);
    connect(GetAction(ID_COMPARE_FILE), &QAction::triggered, m_pCompare.get(), &CCompareController::OnCompareWithFile);
    connect(GetAction(ID_COMPARE_UNIT), &QAction::triggered, m_pCompare.get(), &CCompareController::OnCompareWithUnit);
    connect(GetAction(ID_VERIFY_UNIT), &QAction::triggered, m_pCompare.get(), &CCompareController::OnVerifyUnit);
}

void CMainFrame::CreateMenus()
{
    m_pFileMenu = menuBar()->addMenu(tr("&File"));
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS})
        m_pFileMenu->addAction(GetAction(id));
    m_pFileMenu->addSeparator();
    for (int id : {ID_FILE_IMPORT, ID_FILE_EXPORT_JSON, ID_FILE_EXPORT_CSV})
        m_pFileMenu->addAction(GetAction(id));
    m_pFileMenu->addSeparator();
    for (int id : {ID_FILE_PRINT_ALL, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP})
        m_pFileMenu->addAction(GetAction(id));
    m_pFileMenu->addSeparator();
    m_pRecentAnchor = GetAction(ID_FILE_MRU_FILE1);
    m_pRecentAnchor->setEnabled(false);
    m_pFileMenu->addAction(m_pRecentAnchor);
    m_pFileMenu->addSeparator();
    m_pFileMenu->addAction(GetAction(ID_APP_EXIT));
    UpdateRecentFileMenu();

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(GetAction(ID_EDIT_UNDO));
    edit->addAction(GetAction(ID_EDIT_REDO));
    edit->addSeparator();
    for (int id : {ID_EDIT_CUTEX, ID_EDIT_COPY, ID_EDIT_PASTE})
        edit->addAction(GetAction(id));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(GetAction(ID_VIEW_TOOLBAR));
    view->addAction(GetAction(ID_VIEW_STATUS_BAR));
    view->addSeparator();
    view->addAction(GetAction(ID_NEXT_TAB));
    view->addAction(GetAction(ID_PREV_TAB));

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->addAction(GetAction(ID_UPLOAD));
    tools->addAction(GetAction(ID_DOWNLOAD));
    tools->addSeparator();
    for (int id : {ID_COMPARE_FILE, ID_COMPARE_UNIT, ID_VERIFY_UNIT})
        tools->addAction(GetAction(id));
    tools->addSeparator();
    tools->addAction(GetAction(ID_COMMSETUP));
    tools->addAction(GetAction(ID_BACKUP_SETTINGS));
    tools->addAction(GetAction(ID_LANGUAGE));
    m_pPlantUi = new CPlantUi(*this, m_pFileMenu, m_pRecentAnchor, tools);
    m_pChecksUi = new CChecksUi(*this, *m_pPlantUi, view);
    // The set-up is checked again after every step and for another plant.
    connect(this, &CMainFrame::viewsUpdated, m_pChecksUi, &CChecksUi::Recheck);
    connect(m_pPlantUi, &CPlantUi::plantChanged, m_pChecksUi, &CChecksUi::Recheck);
    connect(m_pChecksUi->GetPanel(), &CChecksPanel::helpRequested, this, &CMainFrame::ShowHelp);
    // An upload asks about what the checks find, but for the rules ignored here.
    m_pTransfers->SetIgnoredRules([this] { return m_pChecksUi->IgnoredRules(); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(GetAction(ID_HELP_FINDER));
    help->addSeparator();
    help->addAction(GetAction(ID_APP_ABOUT));

    // A menu closed with Escape leaves the keys with the menu bar, where digits are lost: they
    // go back to the sheet once the menu is gone (a menu opened next keeps them).
    for (QAction* action : menuBar()->actions()) {
        connect(action->menu(), &QMenu::aboutToHide, this,
                [this] { QTimer::singleShot(0, this, &CMainFrame::FocusActiveView); });
    }
}

void CMainFrame::CreateToolBar()
{
    m_pToolBar = addToolBar(tr("Standard"));
    m_pToolBar->setObjectName(QStringLiteral("toolbar128"));
    m_pToolBar->setIconSize(QSize(16, 16));
    const int buttons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUTEX, ID_EDIT_COPYEX,
                           ID_EDIT_PASTEEX, ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_FILE_PRINT_ALL, 0, ID_APP_ABOUT, ID_UPLOAD, ID_DOWNLOAD};
    for (int id : buttons) {
        if (id == 0)
            m_pToolBar->addSeparator();
        else
            m_pToolBar->addAction(GetAction(id));
    }
    // The button that shows what a narrow window leaves out has no text of its own.
    if (auto* more = m_pToolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More commands"));
    QAction* toggle = GetAction(ID_VIEW_TOOLBAR);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, m_pToolBar, &QToolBar::setVisible);
    connect(m_pToolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar()
{
    statusBar()->addWidget(new QLabel(tr("Ready"), statusBar()), 1);
    QAction* toggle = GetAction(ID_VIEW_STATUS_BAR);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, statusBar(), &QStatusBar::setVisible);
}

void CMainFrame::UpdateRecentFileMenu()
{
    for (QAction* action : m_arRecentActions) {
        m_pFileMenu->removeAction(action);
        action->deleteLater();
    }
    m_arRecentActions.clear();
    const QStringList& files = m_pDocManager->GetRecentFiles().GetList();
    m_pRecentAnchor->setVisible(files.isEmpty());
    for (int i = 0; i < files.size(); ++i) {
        QString path = files[i];
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path), this);
        action->setStatusTip(QCoreApplication::translate("Commands", FindCommand(ID_FILE_MRU_FILE1)->pszPrompt));
        connect(action, &QAction::triggered, this, [this, path] {
            SetActiveView(0);
            m_pDocManager->OpenDocumentFile(path);
        });
        m_pFileMenu->insertAction(m_pRecentAnchor, action);
        m_arRecentActions.push_back(action);
    }
}

// ---- views ---------------------------------------------------------------------------------

CQ4150View* CMainFrame::GetQ4View(int page) const
{
    return static_cast<CQ4150View*>(GetView(page));
}

CQ4150View* CMainFrame::GetActiveQ4View() const
{
    return static_cast<CQ4150View*>(GetActiveView());
}

std::vector<CQ4150View*> CMainFrame::AllViews() const
{
    std::vector<CQ4150View*> views;
    for (int i = 0; i < GetViewCount(); ++i)
        views.push_back(GetQ4View(i));
    return views;
}

void CMainFrame::ResetViews()
{
    const std::vector<INordaSetupType*> setups = m_doc.GetNdSetup();
    for (int i = 0; i < GetViewCount() && i < static_cast<int>(setups.size()); ++i) {
        CQ4150View* view = GetQ4View(i);
        view->m_bReady = 0;
        view->InitalizeView(i);
        view->m_bReady = 1;
        GetTabControl()->setTabText(i, q4ui::TrSheet(setups[static_cast<size_t>(i)]->m_strTitle));
    }
    SetActiveView(0);
    if (QWidget* view = GetActiveView())
        view->setFocus();
    emit viewsUpdated();
}

void CMainFrame::UpdateAllViews()
{
    for (CQ4150View* view : AllViews())
        view->OnUpdate();
    emit viewsUpdated();
}

void CMainFrame::UpdateAllViewsKeepingFocus()
{
    for (CQ4150View* view : AllViews())
        view->Refresh();
    emit viewsUpdated();
}

void CMainFrame::OnActivateView(QWidget* view, bool activate)
{
    static_cast<CQ4150View*>(view)->OnActivateView(activate);
    // The sheet shown takes the keys that follow, from the start and after each change of tab.
    if (activate)
        view->setFocus();
}

void CMainFrame::OnUpdateFrameTitle()
{
    setWindowTitle(m_doc.GetTitle() + QStringLiteral("[*] - ") + WindowTitle());
    setWindowModified(m_doc.IsModified());
}

void CMainFrame::StepTab(int delta)
{
    int count = GetViewCount();
    if (count > 0)
        SetActiveView((GetActivePage() + delta + count) % count);
}

// ---- window state --------------------------------------------------------------------------

void CMainFrame::RestoreWindowState()
{
    QSettings settings;
    if (!restoreGeometry(settings.value(QStringLiteral("MainWindow/Geometry")).toByteArray())) {
        // Wide enough for the widest sheet as far as the screen allows; the alarm sheet's
        // settings up to Flags fit a 1366 pixel screen.
        int width = 0;
        for (CQ4150View* view : AllViews()) {
            CZTGridCtrl* grid = view->GetGrid();
            int sheet = grid->verticalScrollBar()->sizeHint().width() + 2 * grid->frameWidth() + 16;
            for (int c = 0; c < grid->GetColumnCount(); ++c)
                sheet += grid->GetColumnWidth(c);
            width = std::max(width, sheet);
        }
        QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1366, 768);
        resize(std::max(width, 800), 700);
        move(screen.center() - rect().center());
    }
    FitToScreen();
    int page = settings.value(QStringLiteral("MainWindow/Sheet"), 0).toInt();
    SetActiveView(std::clamp(page, 0, GetViewCount() - 1));
}

// A size remembered from a larger screen, or a first window at a large scale, would leave the
// status bar below the screen's edge: the window, frame included, is kept within the screen.
void CMainFrame::FitToScreen()
{
    if (!screen() || isMaximized() || isFullScreen())
        return;
    const QRect area = screen()->availableGeometry();
    // Before the window is shown its frame is not known: room for a title bar and borders.
    const QRect inner = geometry();
    const QRect outerNow = frameGeometry();
    QMargins frame(inner.left() - outerNow.left(), inner.top() - outerNow.top(), outerNow.right() - inner.right(),
                   outerNow.bottom() - inner.bottom());
    if (!isVisible()) {
        int line = fontMetrics().height();
        frame = QMargins(line / 4, 2 * line + line / 2, line / 4, line / 4);
    }
    QSize most = area.size().shrunkBy(frame).expandedTo(minimumSizeHint().boundedTo(area.size()));
    resize(size().boundedTo(most));
    QRect outer = QRect(pos(), size()).marginsAdded(frame);
    outer.moveLeft(std::clamp(outer.left(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
    outer.moveTop(std::clamp(outer.top(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    move(outer.topLeft());
}

// The toolbar's icons are drawn in the desktop's colours: again when they change.
void CMainFrame::changeEvent(QEvent* event)
{
    CTabbedFrameWnd::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    for (const auto& [id, action] : m_mapActions)
        action->setIcon(CIconFactory::CommandIcon(id, palette()));
}

void CMainFrame::showEvent(QShowEvent* event)
{
    CTabbedFrameWnd::showEvent(event);
    // The window manager tells the frame once the window is up: fit again by the real one.
    if (!event->spontaneous())
        QTimer::singleShot(0, this, &CMainFrame::FitToScreen);
}

void CMainFrame::SaveWindowState() const
{
    QSettings settings;
    settings.setValue(QStringLiteral("MainWindow/Geometry"), saveGeometry());
    settings.setValue(QStringLiteral("MainWindow/Sheet"), GetActivePage());
}

// ---- edits and undo ------------------------------------------------------------------------

void CMainFrame::OnSetupEdited(CQ4150View* source, const QString& label, bool tellOtherSheets)
{
    bool changed = m_doc.RecordChange(label);
    UpdateAllViewsKeepingFocus();
    if (changed && tellOtherSheets) {
        QString others = OtherSheetsChanged(source);
        if (!others.isEmpty())
            statusBar()->showMessage(tr("%1 also changed %2 (Undo takes it back)").arg(label, others));
    }
    UpdateUndoActions();
    OnUpdateFrameTitle();
}

// "Alarm: A11, A12; Logical Input: LOG1": the rows the last step changed beyond the source sheet.
QString CMainFrame::OtherSheetsChanged(const CQ4150View* source) const
{
    QStringList sheets;
    QStringList rows;
    int sheet = -1;
    auto flush = [&] {
        if (sheet >= 0)
            sheets << QStringLiteral("%1: %2").arg(GetTabControl()->tabText(sheet), rows.join(QStringLiteral(", ")));
        rows.clear();
    };
    for (const CUnitHistory::ChangedRow& row : m_doc.GetHistory().RowsChangedByLastStep()) {
        if (row.setupType == source->m_nSetupIndex)
            continue;
        if (row.setupType != sheet) {
            flush();
            sheet = row.setupType;
        }
        rows << GetQ4View(row.setupType)->GetGrid()->GetItemText(row.section, 0).trimmed();
    }
    flush();
    return sheets.join(QStringLiteral("; "));
}

void CMainFrame::OnEditUndo()
{
    StepThroughHistory(true);
}

void CMainFrame::OnEditRedo()
{
    StepThroughHistory(false);
}

void CMainFrame::StepThroughHistory(bool back)
{
    // An open editor's text becomes a step first, so that it is what goes back.
    if (CQ4150View* view = GetActiveQ4View())
        view->GetGrid()->EndEditing();
    CUnitHistory& history = m_doc.GetHistory();
    QString label = QString::fromStdString(back ? history.UndoLabel() : history.RedoLabel());
    if (!(back ? history.Undo() : history.Redo()))
        return;
    AfterSetupChanged();
    statusBar()->showMessage((back ? tr("Undone: %1") : tr("Redone: %1")).arg(label));
}

void CMainFrame::AfterSetupChanged()
{
    UpdateAllViewsKeepingFocus();
    UpdateUndoActions();
    OnUpdateFrameTitle();
}

void CMainFrame::UpdateUndoActions()
{
    const CUnitHistory& history = m_doc.GetHistory();
    QAction* undo = GetAction(ID_EDIT_UNDO);
    QAction* redo = GetAction(ID_EDIT_REDO);
    undo->setEnabled(history.CanUndo());
    redo->setEnabled(history.CanRedo());
    // The menus show the keys beside the names; a screen reader reads the names alone.
    undo->setText(history.CanUndo() ? tr("&Undo %1").arg(QString::fromStdString(history.UndoLabel())) : tr("&Undo"));
    redo->setText(history.CanRedo() ? tr("&Redo %1").arg(QString::fromStdString(history.RedoLabel())) : tr("&Redo"));
    undo->setIconText(PlainName(undo->text()));
    redo->setIconText(PlainName(redo->text()));
}

// ---- transfers -----------------------------------------------------------------------------

bool CMainFrame::IsTransferring() const
{
    return m_pTransfers->IsTransferring();
}

CQtJob* CMainFrame::GetTransfer() const
{
    return m_pTransfers->GetJob();
}

void CMainFrame::ConnectTransfers()
{
    CTransferController* transfers = m_pTransfers.get();
    // Disabled by the progress window, the window takes no input until the end: nothing typed
    // meanwhile is replayed.
    connect(transfers, &CTransferController::transferStarted, this, [this] { setCursor(Qt::BusyCursor); });
    connect(transfers, &CTransferController::transferEnded, this, [this] {
        unsetCursor();
        setEnabled(true);
    });
    connect(transfers, &CTransferController::cellsMarked, m_pCompare.get(), &CCompareController::MarkOthers);
    connect(transfers, &CTransferController::documentReplaced, this, [this] {
        HideCellList();
        UpdateAllViews();
        UpdateUndoActions();
        OnUpdateFrameTitle();
        SetActiveView(0);
    });
    connect(transfers, &CTransferController::downloadNamedCells, this,
            [this](const std::vector<CellDifference>& cells) { CellList().ShowDownload(cells); });
    connect(transfers, &CTransferController::changesReported, this, [this](const CChangeReport& report) {
        // Not modal: the grids stay at hand beside the report.
        auto* dialog = new CChangeReportDlg(report, *m_pPrinter, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
    });
    connect(transfers, &CTransferController::readyToClose, this, &QWidget::close);
}

void CMainFrame::OnUpload()
{
    m_pTransfers->Upload(CBackupSettings::Load());
}

// The download replaces the document's set-up, which is saved first if the user wants.
void CMainFrame::OnDownload()
{
    if (!m_pTransfers->IsTransferring() && m_pDocManager->SaveModified())
        m_pTransfers->Download();
}

void CMainFrame::OnCommsetup()
{
    if (!m_pTransfers->IsTransferring())
        m_pTransfers->ChoosePort();
}

void CMainFrame::OnBackupSettings()
{
    CBackupSettingsDlg dialog(CBackupSettings::Load(), this);
    if (dialog.exec() == QDialog::Accepted)
        dialog.GetSettings().Save();
}

void CMainFrame::OnLanguage()
{
    CLanguageDlg dialog(CLanguage::Load(), this);
    if (dialog.exec() == QDialog::Accepted)
        CLanguage::Save(dialog.GetChoice());
}

// ---- file, print, help ---------------------------------------------------------------------

void CMainFrame::OnFileNew()
{
    if (!m_pDocManager->SaveModified())
        return;
    m_doc.OnNewDocument();
    HideCellList();
    ResetViews();
    UpdateUndoActions();
    OnUpdateFrameTitle();
}

void CMainFrame::OnFilePrint()
{
    PrintWithDialog(AllViews());
}

void CMainFrame::OnFilePrintCurrent()
{
    if (CQ4150View* view = GetActiveQ4View())
        PrintWithDialog({view});
}

bool CMainFrame::PrintWithDialog(const std::vector<CQ4150View*>& views)
{
    QPrintDialog dialog(m_pPrinter.get(), this);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return PrintViews(views);
}

bool CMainFrame::PrintViews(const std::vector<CQ4150View*>& views)
{
    CPrintJob job(m_doc.GetTitle(), QDate::currentDate());
    for (CQ4150View* view : views)
        view->AddToPrintJob(job);
    job.AddFindings(m_pChecksUi->PrintRows(), font());
    return job.Print(*m_pPrinter);
}

void CMainFrame::OnFilePrintPreview()
{
    if (CQ4150View* view = GetActiveQ4View())
        view->OnFilePrintPreview(*m_pPrinter, [this](CPrintJob& job) { job.AddFindings(m_pChecksUi->PrintRows(), font()); });
}

void CMainFrame::OnFilePrintSetup()
{
    QPageSetupDialog dialog(m_pPrinter.get(), this);
    dialog.exec();
}

// Help Topics: the guide where the reader left it, at its start the first time.
void CMainFrame::OnHelp()
{
    if (!m_pHelpDlg) {
        ShowHelp(QString());
        return;
    }
    m_pHelpDlg->show();
    m_pHelpDlg->raise();
    m_pHelpDlg->activateWindow();
}

void CMainFrame::ShowHelp(const QString& topic)
{
    HelpDialog().ShowTopic(topic);
}

// Made when first asked for: the guide is read only by those who open it.
CHelpDlg& CMainFrame::HelpDialog()
{
    if (!m_pHelpDlg)
        m_pHelpDlg = new CHelpDlg(this);
    return *m_pHelpDlg;
}

CCellListDlg& CMainFrame::CellList()
{
    if (!m_cellList)
        m_cellList = std::make_unique<CCellListDlg>(*this, *m_pCompare);
    return *m_cellList;
}

void CMainFrame::HideCellList()
{
    if (m_cellList)
        m_cellList->hide();
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The set-up belongs to the transfer until it ends: stop it first, then close.
    if (CQtJob* transfer = GetTransfer()) {
        event->ignore();
        // Asked over the progress window: the main window is disabled.
        QMessageBox::StandardButton answer = QMessageBox::question(
            transfer->GetProgress().GetWindow(), CQtMessagePrompt::Caption(), tr("A transfer is running. Stop it and close the program?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
        if (IsTransferring()) {
            m_pTransfers->CancelForClose();
        } else {
            QTimer::singleShot(0, this, &QWidget::close);  // it ended while the question was up
        }
        return;
    }
    if (!m_pPlantUi->CanClose()) {
        event->ignore();
        return;
    }
    if (m_pDocManager->SaveModified()) {
        SaveWindowState();
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::contextMenuEvent(QContextMenuEvent* event)
{
    QWidget* child = childAt(mapFromGlobal(event->globalPos()));
    if (!child || !centralWidget()->isAncestorOf(child)) {
        CTabbedFrameWnd::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    QAction* cut = menu.addAction(tr("Cut"));
    cut->setStatusTip(GetAction(ID_EDIT_CUTEX)->statusTip());
    connect(cut, &QAction::triggered, GetAction(ID_EDIT_CUTEX), &QAction::trigger);
    menu.addAction(GetAction(ID_EDIT_PASTEEX));
    menu.addAction(GetAction(ID_EDIT_COPYEX));
    menu.addSeparator();
    menu.addAction(GetAction(ID_EDIT_SELECTALL));
    menu.exec(event->globalPos());
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile())
        event->acceptProposedAction();
}

// A document or a plant dropped on the window is opened as if chosen from the File menu.
void CMainFrame::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    const QString path = urls.first().toLocalFile();
    if (CCommandLine::IsPlantFile(path)) {
        m_pPlantUi->OpenPlant(path);
        return;
    }
    SetActiveView(0);
    m_pDocManager->OpenDocumentFile(path);
}

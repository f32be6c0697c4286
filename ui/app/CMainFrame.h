// The main window: one grid view per setup type as tabs, the menus, toolbar, context menu and
// status bar of the command table, file commands, printing, help and About.
#pragma once

#include "ui/app/CTabbedFrameWnd.h"
#include "ui/document/IFrame.h"

#include <map>
#include <memory>
#include <vector>

class CCellListDlg;
class CChecksUi;
class CCompareController;
class CDocManager;
class CQtComSetupUi;
class CSetupTextFiles;
class CJobQuestions;
class CQtJob;
class CHelpDlg;
class CPlantUi;
class CQ4150Doc;
class CQ4150View;
class CTransferController;
class QAction;
class QMenu;
class QPrinter;
class QToolBar;

class CMainFrame : public CTabbedFrameWnd, public IFrame {
    Q_OBJECT

public:
    explicit CMainFrame(CQ4150Doc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Rebuilds every grid from its setup type, labels the tabs and shows the first one.
    void ResetViews();
    // Refreshes every view after the set-up was replaced as a whole.
    void UpdateAllViews();
    // The same, each view keeping its current cell: after an edit or an undo.
    void UpdateAllViewsKeepingFocus();
    void OnUpdateFrameTitle() override;
    // Size, position and sheet of the last session, or a first window wide enough for the
    // alarm sheet's settings.
    void RestoreWindowState();
    void SaveWindowState() const;
    // Keeps the whole window within the available area of its screen.
    void FitToScreen();

    QMainWindow& Window() override { return *this; }
    int GetViewCount() const override { return CTabbedFrameWnd::GetViewCount(); }
    void SetActiveView(int page) override { CTabbedFrameWnd::SetActiveView(page); }
    CQ4150View* GetQ4View(int page) const override;
    CQ4150View* GetActiveQ4View() const override;
    QAction* GetAction(int id) const override;
    CDocManager& GetDocManager() const override { return *m_pDocManager; }
    CQ4150Doc& GetDocument() const override { return m_doc; }
    QPrinter& GetPrinter() const override { return *m_pPrinter; }
    // The help window, once help was asked for; null before.
    CHelpDlg* GetHelpDialog() const { return m_pHelpDlg; }
    CQtComSetupUi& GetComSetupUi() const { return *m_pComSetupUi; }
    // Upload, Download and the reading of the unit for Compare with Unit and Verify Unit, on the
    // document's connection.
    CTransferController& GetTransfers() const override { return *m_pTransfers; }
    bool IsTransferring() const override;
    // The running transfer, or null.
    CQtJob* GetTransfer() const;
    // The questions of every job the program runs, asked one at a time.
    CJobQuestions& GetJobQuestions() const override { return *m_questions; }
    // Compare with File, Compare with Unit, Verify Unit and their window.
    CCompareController& GetCompare() const { return *m_pCompare; }
    // The plant's menu entries, panel and windows.
    CPlantUi& GetPlantUi() const { return *m_pPlantUi; }
    // The set-up checks: their panel, the grids' marks and the status bar's count.
    CChecksUi& GetChecksUi() const { return *m_pChecksUi; }
    // The window of the cells a download or a file opened could not give as the unit holds
    // them, once it was needed; null before.
    CCellListDlg* GetCellList() const { return m_cellList.get(); }
    // File > Export and Import.
    CSetupTextFiles& GetTextFiles() const { return *m_textFiles; }

    // Prints the views after the print dialog was confirmed, as one job on a printer as in a
    // PDF file: the sheets come out together and their pages are numbered over the job.
    bool PrintViews(const std::vector<CQ4150View*>& views);

    static QString WindowTitle();

signals:
    // Every view shows the set-up anew: after an edit, an undo or redo, a file read, a download.
    void viewsUpdated();

public slots:
    void OnFileNew();
    void OnFilePrint();
    void OnFilePrintCurrent();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnHelp();
    // The help window at the section of topic (the start for an empty topic).
    void ShowHelp(const QString& topic);
    void OnAppAbout();
    void OnUpload();
    void OnDownload();
    void OnCommsetup();
    void OnBackupSettings();
    void OnLanguage();
    void OnEditUndo();
    void OnEditRedo();

protected:
    void OnActivateView(QWidget* view, bool activate) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* CreateAction(int id);
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void UpdateRecentFileMenu();
    bool PrintWithDialog(const std::vector<CQ4150View*>& views);
    std::vector<CQ4150View*> AllViews() const;
    // The window follows the transfers: busy and disabled while one runs, the views anew after
    // a download, the change report after an upload.
    void ConnectTransfers();
    // One step of the user's: recorded for undo, every sheet shown anew.
    void OnSetupEdited(CQ4150View* source, const QString& label, bool tellOtherSheets);
    // After the set-up changed as a whole or went a step back or forth.
    void AfterSetupChanged();
    void UpdateUndoActions();
    // Undo (back) or Redo of one step, told in the status bar.
    void StepThroughHistory(bool back);
    QString OtherSheetsChanged(const CQ4150View* source) const;
    void StepTab(int delta);
    CHelpDlg& HelpDialog();
    CCellListDlg& CellList();
    // The set-up was replaced as a whole: the named cells of the one before no longer apply.
    void HideCellList();

    CQ4150Doc& m_doc;
    std::unique_ptr<CDocManager> m_pDocManager;
    std::unique_ptr<QPrinter> m_pPrinter;
    std::map<int, QAction*> m_mapActions;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentAnchor = nullptr;
    std::vector<QAction*> m_arRecentActions;
    QToolBar* m_pToolBar = nullptr;
    CHelpDlg* m_pHelpDlg = nullptr;
    CPlantUi* m_pPlantUi = nullptr;
    CChecksUi* m_pChecksUi = nullptr;
    std::unique_ptr<CQtComSetupUi> m_pComSetupUi;
    std::unique_ptr<CJobQuestions> m_questions;
    std::unique_ptr<CCompareController> m_pCompare;
    std::unique_ptr<CTransferController> m_pTransfers;
    std::unique_ptr<CCellListDlg> m_cellList;
    CSetupTextFiles* m_textFiles = nullptr;
};

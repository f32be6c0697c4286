// The view of one setup type: a grid showing its data sheet, every finished edit handed to the
// setup type for validation, pop-up cells opening the property dialog, cut, copy, paste,
// select all and printing.
#pragma once

#include <QWidget>

class CPrintJob;
class CQ4150Doc;
class CZTGridCtrl;
class INordaSetupType;
class QPrinter;

class CQ4150View : public QWidget {
    Q_OBJECT

public:
    CQ4150View(CQ4150Doc& doc, QWidget* parent = nullptr);

    // Builds the grid for the setup type at position index of the document's setup types.
    void InitalizeView(int index);
    void UpdateChannelView(int row);
    void UpdateAllRows();
    // After the document's contents changed as a whole (a file read, a download).
    void OnUpdate();
    void OnActivateView(bool activate);

    void OnEditCopyEx();
    void OnEditCutEx();
    void OnEditPasteEx();
    void OnEditSelectall();
    // The preview of a print job of this view's sheet alone.
    void OnFilePrintPreview(QPrinter& printer);
    // This view's sheet as the next sheet of a job: its print columns, headed with its title.
    void AddToPrintJob(CPrintJob& job) const;

    CZTGridCtrl* GetGrid() const { return m_pGrid; }
    INordaSetupType* GetSetupType() const { return m_pSetupType; }

    int m_nSetupIndex = 0;
    int m_bActive = 0;
    int m_bPopupOpen = 0;
    int m_bPasting = 0;
    int m_bPasteError = 0;
    int m_bReady = 0;

private slots:
    void OnBeginEdit(int row, int col);
    void OnEndEdit(int row, int col);
    void OnPasteFinished();

private:
    void OnNotify(int code, int row, int col);
    void OnNotifyPopup(int code, int row, int col);
    bool IsPasteRunning() const;
    void ReportPasteError();

    CQ4150Doc& m_doc;
    INordaSetupType* m_pSetupType = nullptr;
    CZTGridCtrl* m_pGrid = nullptr;
};

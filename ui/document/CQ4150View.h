// The view of one setup type: a grid over the setup type's sheet model, every text the user
// types, chooses or pastes handed to the setup type, pop-up cells opening the property dialog,
// cut, copy, paste, select all and printing. Each change is announced as one step for undo.
#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class CPrintJob;
class CQ4150Doc;
class CSheetModel;
class CZTGridCtrl;
class INordaSetupType;
class QPrinter;

class CQ4150View : public QWidget {
    Q_OBJECT

public:
    CQ4150View(CQ4150Doc& doc, QWidget* parent = nullptr);
    ~CQ4150View() override;

    // Builds the grid for the setup type at position index of the document's setup types.
    void InitalizeView(int index);
    // Shows the sheet as it is now (any cell may have changed, on any sheet).
    void Refresh();
    // After the document's contents changed as a whole (a file read, a download).
    void OnUpdate();
    void OnActivateView(bool activate);

    void OnEditCopyEx();
    void OnEditCutEx();
    void OnEditPasteEx();
    void OnEditSelectall();
    // The preview of a print job of this view's sheet, and of what more adds to the job.
    void OnFilePrintPreview(QPrinter& printer, const std::function<void(CPrintJob&)>& more = {});
    // This view's sheet as the next sheet of a job: its print columns, headed with its title.
    void AddToPrintJob(CPrintJob& job) const;

    // The manual's topic of the current cell's column (General: of its row).
    QString CurrentHelpTopic() const;

    CZTGridCtrl* GetGrid() const { return m_pGrid; }
    CSheetModel* GetModel() const { return m_pModel.get(); }
    INordaSetupType* GetSetupType() const { return m_pSetupType; }

    int m_nSetupIndex = 0;
    int m_bActive = 0;
    int m_bPopupOpen = 0;
    int m_bPasteError = 0;
    int m_bReady = 0;

signals:
    // The user changed (or tried to change) the set-up; label names the step for undo. A cut
    // tells what it changed on other sheets.
    void setupEdited(const QString& label, bool tellOtherSheets);
    // A word for the status bar: the cells a paste refused or skipped.
    void statusMessage(const QString& text);

    // F1 on a cell, or in its editor: the manual's section of that column.
    void helpRequested(const QString& topic);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void OnBeginEdit(int row, int col);
    void OnEndEdit(int row, int col, const QString& text);
    void OnPasteFinished();

private:
    void OpenPopup(int row, int col);
    void PastePopup(int row, int col, const QString& initials);
    QString CellLabel(int row, int col) const;
    // "Refused 1 cell: InpLo of IN 11. Skipped 2 cells that are not active: ...": empty when
    // the paste took every cell.
    QString PasteReport() const;

    CQ4150Doc& m_doc;
    INordaSetupType* m_pSetupType = nullptr;
    std::unique_ptr<CSheetModel> m_pModel;
    CZTGridCtrl* m_pGrid = nullptr;
    // The cells of the paste under way that the setup type refused, and those it skipped
    // because they were not active, by name.
    QStringList m_arPasteRefused;
    QStringList m_arPasteSkipped;
};

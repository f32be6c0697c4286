// The Plant Transfers window: the rows of the plant's units with their check boxes, ports,
// progress bars and results, and the buttons that verify or upload the checked ones side by side.
#pragma once

#include <QDialog>

class CPlantTransferController;
class QPushButton;
class QTableView;

class CPlantTransferDlg : public QDialog {
    Q_OBJECT

public:
    CPlantTransferDlg(CPlantTransferController& controller, QWidget* parent = nullptr);

    QTableView* GetTable() const { return m_pTable; }
    QPushButton* GetVerifyButton() const { return m_pVerify; }
    QPushButton* GetUploadButton() const { return m_pUpload; }
    QPushButton* GetCancelButton() const { return m_pCancel; }

protected:
    void reject() override;

private:
    void UpdateButtons(bool running);

    CPlantTransferController& m_controller;
    QTableView* m_pTable;
    QPushButton* m_pVerify;
    QPushButton* m_pUpload;
    QPushButton* m_pCancel;
    QPushButton* m_pClose;
};

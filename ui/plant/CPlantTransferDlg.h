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

    QTableView* GetTable() const { return m_table; }
    QPushButton* GetVerifyButton() const { return m_verify; }
    QPushButton* GetUploadButton() const { return m_upload; }
    QPushButton* GetCancelButton() const { return m_cancel; }

protected:
    void reject() override;

private:
    void UpdateButtons(bool running);

    CPlantTransferController& m_controller;
    QTableView* m_table;
    QPushButton* m_verify;
    QPushButton* m_upload;
    QPushButton* m_cancel;
    QPushButton* m_close;
};

// The question after a failed transfer, with the warning icon: "Retry" starts the whole transfer
// again, "Cancel" ends it.
#pragma once

#include <QDialog>

class QLabel;

class CUpDown : public QDialog {
    Q_OBJECT

public:
    explicit CUpDown(const QString& message, QWidget* parent = nullptr);

    QString m_strMsg;
    QLabel* GetIcon() const { return m_pIcon; }

private:
    QLabel* m_pIcon;
    QLabel* m_pText;
};

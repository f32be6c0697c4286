// The question after a failed transfer: "Retry" starts the whole transfer again, "Cancel" ends it.
#pragma once

#include <QDialog>

class QLabel;

class CUpDown : public QDialog {
    Q_OBJECT

public:
    explicit CUpDown(const QString& message, QWidget* parent = nullptr);

    QString m_strMsg;

private:
    QLabel* m_pText;
};

// The help window: a short text about the program, shown without blocking the main window.
#pragma once

#include <QDialog>

class CHelpDlg : public QDialog {
    Q_OBJECT

public:
    explicit CHelpDlg(QWidget* parent = nullptr);

    static QString HelpText();
};

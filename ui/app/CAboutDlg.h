// The About box: the program's icon, name and version.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // "Q4150-30 Programmer Version 1.01" for version 1.0.1.
    static QString VersionText(int major, int minor, int third);
    // The text for the version this program was built as.
    static QString VersionText();
};

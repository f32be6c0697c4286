// The Language dialog: Automatic (the system's language), English, or a language the program
// carries; the choice takes effect at the next start.
#pragma once

#include <QDialog>

class QComboBox;

class CLanguageDlg : public QDialog {
    Q_OBJECT

public:
    // current: the stored choice, empty for Automatic.
    explicit CLanguageDlg(const QString& current, QWidget* parent = nullptr);

    QString GetChoice() const;

private:
    QComboBox* m_combo;
};

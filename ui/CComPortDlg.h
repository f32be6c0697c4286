// The "COM Port Setup" dialog: the port to use, chosen from the serial ports found, COM1 to COM4
// and the emulated unit, or typed; "Config" goes on to the line settings.
#pragma once

#include <QDialog>

class QComboBox;

class CComPortDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* EMULATOR = "Emulator";

    explicit CComPortDlg(QWidget* parent = nullptr);

    // The text of the port field: a listed name or whatever was typed.
    QString GetPortName() const;
    QComboBox* GetCombo() const { return m_pCombo; }
    // The names offered, sorted.
    static QStringList PortNames();

private:
    QComboBox* m_pCombo;
};

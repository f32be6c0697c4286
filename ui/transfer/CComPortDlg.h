// The "COM Port Setup" dialog: the port to use, chosen from the serial ports the system has and
// the emulated unit, or typed; "Config" goes on to the line settings.
#pragma once

#include <QDialog>
#include <QList>

class QComboBox;

class CComPortDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* EMULATOR = "Emulator";

    // A serial port the system reports.
    struct FoundPort {
        QString path;         // /dev/ttyUSB0
        QString name;         // ttyUSB0
        QString description;  // FT232R USB UART, or empty
    };
    // One line of the port list: what it shows and the port name it stands for.
    struct Entry {
        QString label;
        QString port;
    };

    // Shows the first port listed.
    explicit CComPortDlg(QWidget* parent = nullptr);

    bool IsListed(const QString& port) const;
    // Shows port: its entry when listed, else the name as typed.
    void SelectPort(const QString& port);
    // The port chosen: the name behind a listed entry, or whatever was typed.
    QString GetPortName() const;
    QComboBox* GetCombo() const { return m_combo; }

    // The ports found, sorted by what they show, then the emulated unit. ttyS0 goes by COM1
    // ("COM1 (ttyS0)"), another port by its path, or as "ttyUSB0 - description" when described.
    static QList<Entry> Entries(const QList<FoundPort>& found);
    static QList<FoundPort> FoundPorts();

private:
    QComboBox* m_combo;
};

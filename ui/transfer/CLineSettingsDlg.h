// The port settings dialog: bits per second, data bits, parity, stop bits and flow control of
// the chosen port.
#pragma once

#include "link/CLineSettings.h"

#include <QDialog>

class QComboBox;

class CLineSettingsDlg : public QDialog {
    Q_OBJECT

public:
    CLineSettingsDlg(const QString& portTitle, const CLineSettings& settings, QWidget* parent = nullptr);

    CLineSettings GetSettings() const;
    QComboBox* GetBaudRate() const { return m_baudRateBox; }
    QComboBox* GetDataBits() const { return m_dataBitsBox; }
    QComboBox* GetParity() const { return m_parityBox; }
    QComboBox* GetStopBits() const { return m_stopBitsBox; }
    QComboBox* GetFlowControl() const { return m_flowControlBox; }

private:
    QComboBox* m_baudRateBox;
    QComboBox* m_dataBitsBox;
    QComboBox* m_parityBox;
    QComboBox* m_stopBitsBox;
    QComboBox* m_flowControlBox;
};

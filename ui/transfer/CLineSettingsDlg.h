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
    QComboBox* GetBaudRate() const { return m_pBaudRate; }
    QComboBox* GetDataBits() const { return m_pDataBits; }
    QComboBox* GetParity() const { return m_pParity; }
    QComboBox* GetStopBits() const { return m_pStopBits; }
    QComboBox* GetFlowControl() const { return m_pFlowControl; }

private:
    QComboBox* m_pBaudRate;
    QComboBox* m_pDataBits;
    QComboBox* m_pParity;
    QComboBox* m_pStopBits;
    QComboBox* m_pFlowControl;
};

// An editable list box that a screen reader names by its accessible name (its label's words),
// as other inputs are named: Qt's own names an editable box on Linux by the text it holds, so
// that the port box read "COM1 (ttyS0)" instead of "Port".
#pragma once

#include <QComboBox>

class CNamedComboBox : public QComboBox {
    Q_OBJECT

public:
    // name: what a screen reader calls the box, whatever it holds.
    explicit CNamedComboBox(const QString& name, QWidget* parent = nullptr);
};

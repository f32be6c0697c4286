// What a number cell's editor lets the user type: digits, a sign, and for real numbers one
// decimal point (a typed or pasted comma becomes the point) and an exponent. Anything else is
// refused whole, so that a text is never kept with a character silently dropped.
#pragma once

#include <QRegularExpression>
#include <QValidator>

class CNumberValidator : public QValidator {
    Q_OBJECT

public:
    CNumberValidator(bool real, QObject* parent);

    State validate(QString& input, int& pos) const override;
    // Why a refused text does not fit, for the status bar.
    QString Explanation() const;

private:
    bool m_real;
    QRegularExpression m_pattern;
};

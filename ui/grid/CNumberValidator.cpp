// Typed text of number cells.
#include "ui/grid/CNumberValidator.h"

CNumberValidator::CNumberValidator(bool real, QObject* parent)
    : QValidator(parent), m_real(real),
      // Partial numbers ("", "-", "1.", "1e") stay possible while typing.
      m_pattern(real ? QStringLiteral("^[+-]?[0-9]*\\.?[0-9]*([eE][+-]?[0-9]*)?$") : QStringLiteral("^[+-]?[0-9]*$"))
{
}

QValidator::State CNumberValidator::validate(QString& input, int&) const
{
    // On many keyboards the keypad's decimal key types a comma.
    if (m_real)
        input.replace(QLatin1Char(','), QLatin1Char('.'));
    return m_pattern.match(input).hasMatch() ? Acceptable : Invalid;
}

QString CNumberValidator::Explanation() const
{
    return m_real ? tr("Refused: a number takes digits, a sign, one decimal point and an exponent (1.5e3)")
                   : tr("Refused: a whole number takes digits and a sign only");
}

#include "ConstantBox.h"

#include "NumberText.h"
#include "StrictNumber.h"

#include <QSignalBlocker>

#include <algorithm>
#include <cfloat>

namespace vorlenza {

ConstantBox::ConstantBox(QWidget* parent, double lo, double hi, double step)
    : QDoubleSpinBox(parent), m_lo(lo), m_hi(hi)
{
    // QDoubleSpinBox rounds every value to its decimals: with all of them it keeps the double.
    setDecimals(DBL_MAX_10_EXP + DBL_DIG);
    setRange(lo, hi);
    setSingleStep(step);
    setAlignment(Qt::AlignCenter);
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

void ConstantBox::setGiven(double value)
{
    const QSignalBlocker quiet(this);
    setRange(std::min(m_lo, value), std::max(m_hi, value));
    setValue(value);
    m_given = QDoubleSpinBox::value();
}

QString ConstantBox::textFromValue(double value) const { return QString::fromStdString(formatNumber(value)); }

double ConstantBox::valueFromText(const QString& text) const
{
    // The text it shows stands for the value it holds, whatever digits the display leaves out.
    if (text == textFromValue(value()))
        return value();
    return StrictNumber(text, locale()).value_or(value());
}

void ConstantBox::fixup(QString&) const {}

QValidator::State ConstantBox::validate(QString& text, int&) const
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QValidator::Intermediate;
    const std::optional<double> v = StrictNumber(t, locale());
    if (!v) {
        // a number on its way: "0,", "1e", "-"
        const QChar last = t.back();
        const bool partial = last.isDigit() || last == QLatin1Char('.') || last == QLatin1Char(',') ||
                             last == QLatin1Char('-') || last == QLatin1Char('+') ||
                             last.toLower() == QLatin1Char('e') || last == locale().decimalPoint().front();
        return partial ? QValidator::Intermediate : QValidator::Invalid;
    }
    return *v >= minimum() && *v <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

} // namespace vorlenza

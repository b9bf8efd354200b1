#include "ParameterFields.h"

#include "NumberText.h"
#include "StrictNumber.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include <cmath>
#include <optional>

namespace vorlenza {

namespace {

/// The number Enter judges a text by: a whole regional number (nothing beyond the double range),
/// else what the field's own reading makes of it (nothing when that fails).
std::optional<double> enteredValue(const QString& text, FieldReading reading, const QLocale& locale)
{
    const RegionalNumber regional = readRegionalNumber(text, locale);
    if (regional.kind == RegionalNumber::Kind::Number)
        return regional.value;
    if (regional.kind == RegionalNumber::Kind::OutOfRange)
        return std::nullopt;
    if (reading == FieldReading::Strict)
        return StrictNumber(text, locale);
    const double prefix = NumericPrefix(text.toStdString());
    if (!std::isfinite(prefix))
        return std::nullopt;
    return prefix;
}

/// The value the Enter check accepts from `text`, or nothing when the field must be reset.
std::optional<double> acceptedValue(const QString& text, FieldReading reading, const QLocale& locale)
{
    const std::optional<double> value = enteredValue(text, reading, locale);
    if (!value || !(*value > 0.0))
        return std::nullopt;
    if (reading == FieldReading::WholeDays && *value != std::floor(*value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<QString> enteredFieldText(const QString& text, FieldReading reading, const QLocale& locale)
{
    const std::optional<double> value = acceptedValue(text, reading, locale);
    if (!value)
        return std::nullopt;
    // The run reads every field leniently; a regional text it would read otherwise is written
    // the program's way, so that Run uses what Enter accepted.
    if (NumericPrefix(text.toStdString()) != *value)
        return QString::fromStdString(formatNumber(*value));
    return text;
}

double runValue(const QString& text, const QLocale& locale)
{
    const RegionalNumber regional = readRegionalNumber(text, locale);
    if (regional.kind != RegionalNumber::Kind::None)
        return regional.value;
    return NumericPrefix(text.toStdString());
}

std::string runText(const QString& text, const QLocale& locale)
{
    const std::string typed = text.toStdString();
    const double value = runValue(text, locale);
    if (NumericPrefix(typed) == value)
        return typed;
    if (std::isinf(value))
        return value > 0 ? "1E+999" : "-1E+999";
    return QString::number(value, 'g', QLocale::FloatingPointShortest).toStdString();
}

int keyAsciiOf(int key, const QString& text)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return 13;
    if (text.isEmpty())
        return -1;
    return text.at(0).unicode();
}

KeyPressRelay::KeyPressRelay(QWidget* watched, std::function<void(int)> handler)
    : QObject(watched), m_handler(std::move(handler))
{
    watched->installEventFilter(this);
}

bool KeyPressRelay::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = keyAsciiOf(key->key(), key->text());
        if (code >= 0 && m_handler)
            m_handler(code);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vorlenza

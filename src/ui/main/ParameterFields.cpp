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

/// The value the Enter check accepts from `text`, or nothing when the field must be reset.
std::optional<double> acceptedValue(const QString& text, FieldReading reading, const QLocale& locale)
{
    std::optional<double> value;
    if (reading == FieldReading::Strict) {
        value = StrictNumber(text, locale);
    } else {
        const double prefix = NumericPrefix(text.toStdString());
        if (std::isfinite(prefix))
            value = prefix;
    }
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

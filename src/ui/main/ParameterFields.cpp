#include "ParameterFields.h"

#include "NumberText.h"
#include "StrictNumber.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include <cmath>
#include <optional>

bool FieldTextAccepted(const QString& text, FieldReading reading, const QLocale& locale)
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
        return false;
    if (reading == FieldReading::WholeDays)
        return *value == std::floor(*value);
    return true;
}

int KeyAsciiOf(int key, const QString& text)
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
        const int code = KeyAsciiOf(key->key(), key->text());
        if (code >= 0 && m_handler)
            m_handler(code);
    }
    return QObject::eventFilter(watched, event);
}

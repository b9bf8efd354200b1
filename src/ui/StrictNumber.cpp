#include "StrictNumber.h"

#include <cmath>

namespace vorlenza {

namespace {

/// The text between leading and trailing blanks; empty when the text is blank or when anything
/// else surrounds the number (QLocale would also pass tabs, line feeds and the like).
QString coreOf(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    const QString core = text.mid(first, last - first);
    if (core.isEmpty() || core.front().isSpace() || core.back().isSpace())
        return {};
    return core;
}

bool isSign(QChar c) { return c == QLatin1Char('+') || c == QLatin1Char('-'); }

bool allDigits(QStringView s)
{
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return !s.isEmpty();
}

/// Where the exponent mark stands when the text ends in a well-formed exponent ("E", a sign,
/// digits), else -1.
qsizetype exponentAt(const QString& core, const QLocale& locale)
{
    const qsizetype e = core.lastIndexOf(locale.exponential(), -1, Qt::CaseInsensitive);
    if (e <= 0)
        return -1;
    QStringView digits = QStringView(core).mid(e + 1);
    if (!digits.isEmpty() && isSign(digits.front()))
        digits = digits.mid(1);
    return allDigits(digits) ? e : -1;
}

/// `core` without its group marks when they stand every three digits left of the decimal mark,
/// else an empty text. Locales that leave four-digit numbers ungrouped (Spanish) make QLocale
/// refuse "1.000", which a student still writes for a thousand.
QString ungrouped(const QString& core, const QLocale& locale)
{
    const qsizetype point = core.indexOf(locale.decimalPoint());
    const qsizetype exponent = exponentAt(core, locale);
    const qsizetype wholeEnd = point >= 0 ? point : exponent >= 0 ? exponent : core.size();
    const qsizetype sign = !core.isEmpty() && isSign(core.front()) ? 1 : 0;
    const QStringList groups = core.mid(sign, wholeEnd - sign).split(locale.groupSeparator());
    if (groups.size() < 2 || groups.front().size() > 3 || !allDigits(groups.front()))
        return {};
    for (qsizetype i = 1; i < groups.size(); ++i)
        if (groups.at(i).size() != 3 || !allDigits(groups.at(i)))
            return {};
    return core.left(sign) + groups.join(QString()) + core.mid(wholeEnd);
}

} // namespace

RegionalNumber readRegionalNumber(const QString& text, const QLocale& locale)
{
    QString core = coreOf(text);
    if (core.isEmpty())
        return {};
    // Students group digits with spaces too: any space stands for the group mark where the locale
    // groups with a space-like mark (French), and where the text holds no group mark of its own
    // ("1 000,5" in German).
    const QString group = locale.groupSeparator();
    if (group.size() == 1 && (group.front().isSpace() || !core.contains(group)))
        for (QChar& c : core)
            if (c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F))
                c = group.front();

    bool ok = false;
    double value = locale.toDouble(core, &ok);
    if (!ok && value == 0.0) {
        const QString plain = ungrouped(core, locale);
        if (!plain.isEmpty()) {
            core = plain;
            value = locale.toDouble(core, &ok);
        }
    }
    if (ok)
        return std::isfinite(value) ? RegionalNumber{RegionalNumber::Kind::Number, value} : RegionalNumber{};
    // QLocale refuses a number beyond the double range: too large it hands back infinity, too
    // small 0, as for any text; the same number with exponent 0 tells the two apart.
    if (std::isinf(value))
        return {RegionalNumber::Kind::OutOfRange, value};
    const qsizetype e = exponentAt(core, locale);
    if (e < 0)
        return {};
    const double mantissa = locale.toDouble(core.left(e + 1) + QLatin1Char('0'), &ok);
    if (!ok)
        return {};
    return {RegionalNumber::Kind::OutOfRange, std::copysign(0.0, mantissa)};
}

std::optional<double> StrictNumber(const QString& text, const QLocale& locale)
{
    const RegionalNumber regional = readRegionalNumber(text, locale);
    if (regional.kind == RegionalNumber::Kind::Number)
        return regional.value;
    if (regional.kind == RegionalNumber::Kind::OutOfRange)
        return std::nullopt;
    // The program writes its own numbers with a point and no grouping (the presets, the reset
    // texts), so that form is a number under every regional format too.
    const QString core = coreOf(text);
    if (core.isEmpty())
        return std::nullopt;
    QLocale own = QLocale::c();
    own.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = own.toDouble(core, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace vorlenza

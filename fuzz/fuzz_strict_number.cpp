// StrictNumber on any text (the bytes as UTF-8 and as raw UTF-16 code units, lone surrogates
// included) in the C, German and English regional formats: no crash, no undefined behaviour, an
// accepted text is a finite number, and surrounding blanks never change the verdict. A display
// text (formatNumber) must be read back strictly in the C and English formats.

#include "FuzzChecks.h"
#include "NumberText.h"
#include "StrictNumber.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

using namespace vorlenza;

namespace {

using fuzzcheck::exact;
using fuzzcheck::require;

const QLocale& localeC()
{
    static const QLocale l(QLocale::C);
    return l;
}
const QLocale& localeGerman()
{
    static const QLocale l(QLocale::German, QLocale::Germany);
    return l;
}
const QLocale& localeEnglish()
{
    static const QLocale l(QLocale::English, QLocale::UnitedStates);
    return l;
}

void checkText(const QString& text, const QLocale& locale)
{
    const std::optional<double> value = StrictNumber(text, locale);
    const std::string shown = text.left(80).toStdString() + " (" + locale.name().toStdString() + ")";
    if (value)
        require(std::isfinite(*value), "an accepted reading is not finite", shown);

    const std::optional<double> padded = StrictNumber(QStringLiteral("  ") + text + QStringLiteral(" "), locale);
    require(padded.has_value() == value.has_value(), "surrounding blanks changed the verdict", shown);
    if (value)
        require(*padded == *value, "surrounding blanks changed the value", shown);
}

void checkDisplayText(double x)
{
    if (!std::isfinite(x))
        return;
    const QString s = QString::fromStdString(formatNumber(x));
    for (const QLocale* locale : {&localeC(), &localeEnglish()}) {
        const std::optional<double> back = StrictNumber(s, *locale);
        require(back.has_value(), "a display text is refused",
                s.toStdString() + " (" + locale->name().toStdString() + ")");
        require(fuzzcheck::sameTo15Digits(x, *back), "a display text reads back wrongly",
                exact(x) + " -> " + s.toStdString() + " -> " + exact(*back));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString utf8 = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString utf16(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    if (size >= 2)
        std::memcpy(utf16.data(), data, (size / 2) * 2);

    for (const QLocale* locale : {&localeC(), &localeGerman(), &localeEnglish()}) {
        checkText(utf8, *locale);
        checkText(utf16, *locale);
    }

    if (size >= sizeof(double)) {
        double x = 0.0;
        std::memcpy(&x, data, sizeof x);
        checkDisplayText(x);
    }
    return 0;
}

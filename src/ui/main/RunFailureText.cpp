#include "RunFailureText.h"

#include "ModelState.h"
#include "ParameterFieldTable.h"

#include <QCoreApplication>

namespace vorlenza {

namespace {

/// A text marked for translation (below or in the field table), in the user's language.
QString words(const char* text) { return QCoreApplication::translate("RunFailure", text); }

/// The field a failure is about, as it stands inside a sentence ("the simulation length").
const char* fieldLabel(ParameterField f)
{
    const ParameterFieldRow* row = parameterFieldRowOf(f);
    return row ? row->failureLabel : QT_TRANSLATE_NOOP("RunFailure", "a value");
}

/// A sentence that begins with a field label begins with a capital (ASCII letters only, as the
/// labels of every language begin with a lower-case ASCII article or with a CJK character).
QString sentence(QString s)
{
    if (!s.isEmpty() && s[0] >= QLatin1Char('a') && s[0] <= QLatin1Char('z'))
        s[0] = s[0].toUpper();
    return s;
}

} // namespace

QString runFailureText(const RunResult& result)
{
    switch (result.error) {
    case RunError::None: return {};
    case RunError::LengthOverflow:
    case RunError::LengthOutOfRange:
        return QCoreApplication::translate("RunFailure",
                                           "The simulation length must be a whole number of days from 1 to %1.")
            .arg(ModelState::MaxSimTime);
    case RunError::ParameterTooLarge:
        return sentence(QCoreApplication::translate("RunFailure", "%1 is too large to compute with.")
                            .arg(words(fieldLabel(result.field))));
    case RunError::ZeroDivisor:
        return sentence(
            QCoreApplication::translate("RunFailure", "%1 must not be 0.").arg(words(fieldLabel(result.field))));
    case RunError::Arithmetic:
        return QCoreApplication::translate(
                   "RunFailure", "The populations grew too large to compute on day %1. Try smaller growth rates.")
            .arg(result.day);
    case RunError::IsoclineArithmetic:
        return QCoreApplication::translate(
            "RunFailure", "The isoclines cannot be computed with these values. Try a larger constant a or b.");
    }
    return {};
}

} // namespace vorlenza

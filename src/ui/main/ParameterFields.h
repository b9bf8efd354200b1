#pragma once

#include <QLocale>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace vorlenza {

/// How the Enter check of a parameter field reads and judges its text.
enum class FieldReading {
    Prefix,   ///< the longest leading number (NumericPrefix); accepted when > 0
    Strict,   ///< the whole text in the regional number format (StrictNumber); accepted when > 0
    WholeDays ///< leading number as for Prefix; accepted when a whole number > 0
};

/// What Enter leaves in a field: the text as typed when it is accepted and the run reads the same
/// value from it; the accepted value in the number display format when the run would read the
/// typed text differently ("0,2" under a German locale becomes "0.2", "1.000" becomes "1000");
/// nothing when the field must get its reset text (a reading that fails, or that lands outside
/// the double range, is not accepted).
std::optional<QString> enteredFieldText(const QString& text, FieldReading reading,
                                        const QLocale& locale = QLocale());

/// The character code a key press hands to a KeyPress handler: 13 for Return and Enter, else the
/// code of the first character the key produces; -1 for keys that produce no character.
int keyAsciiOf(int key, const QString& text);

/// Watches one widget's key presses and tells `handler` the character code of every key that
/// produces a character. It only looks: the key always goes on to the widget unchanged.
class KeyPressRelay : public QObject {
    Q_OBJECT
public:
    KeyPressRelay(QWidget* watched, std::function<void(int keyAscii)> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(int)> m_handler;
};

} // namespace vorlenza

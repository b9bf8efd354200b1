#pragma once

#include <QLocale>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace vorlenza {

/// How the Enter check of a parameter field reads and judges its text.
enum class FieldReading {
    Prefix,   ///< the longest leading number (NumericPrefix); accepted when > 0
    Strict,   ///< the whole text in the regional number format (StrictNumber); accepted when > 0
    WholeDays ///< leading number as for Prefix; accepted when a whole number > 0
};

/// What Enter leaves in a field. A text that is one whole number in the student's regional format
/// (readRegionalNumber) is judged by that number; any other text by the field's own reading. An
/// accepted text stays as typed when the run reads the same number from it, and is written in the
/// number display format when the run would read it otherwise ("0,5" in German becomes "0.5",
/// "1.000" becomes "1000", "1,000" in English too). Nothing when the field must get its reset text.
std::optional<QString> enteredFieldText(const QString& text, FieldReading reading, const QLocale& locale = QLocale());

/// The number Run takes from a field's text, confirmed or not: the number the text shows. A whole
/// regional number gives its value (+/-infinity or 0 beyond the double range); any other text
/// what NumericPrefix reads ("5x" is 5, "0,5" in English is 0).
double runValue(const QString& text, const QLocale& locale = QLocale());

/// The text handed to the run for a field: the text itself when NumericPrefix reads runValue from
/// it, else that value written so that NumericPrefix reads it exactly.
std::string runText(const QString& text, const QLocale& locale = QLocale());

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

#pragma once

#include "ParameterFields.h"
#include "Simulation.h"
#include "WindowKit.h"

#include <QRgb>
#include <QString>

#include <array>
#include <string>

class QLabel;
class QLineEdit;

namespace vorlenza {

/// One of the main window's nine parameter fields with its label, both in the "Data" frame:
/// everything the window needs to create, place, name, reset, preset and read it.
struct ParameterFieldRow {
    ParameterField field;          ///< the parameter it holds
    const char* name;              ///< object name of the field (tests and screen readers find it by it)
    std::string FieldTexts::*text; ///< the text a run reads from it; its default is the start-up text
    FieldReading reading;          ///< how Enter reads and judges the text
    const char* resetText;         ///< what Enter writes over a text it does not accept
    QRgb colour;                   ///< the colour of the text
    kit::Twips place;              ///< where the field is in the "Data" frame
    const char* labelName;         ///< object name of its label
    const char* label;             ///< the label's caption, untranslated (translation context frmForm1)
    bool largeLabel;               ///< the label in Times New Roman 12 rather than 9.6
    kit::Twips labelPlace;         ///< where the label is in the "Data" frame
    const char* accessibleName;    ///< the field's name for screen readers, untranslated (context frmForm1)
    const char* failureLabel;      ///< the field as a failure sentence names it, untranslated (context RunFailure)

    /// The text the field holds when the window is made.
    QString startText() const;
    /// The caption of the label in the user's language.
    QString labelText() const;
};

constexpr int ParameterFieldCount = 9;

/// The nine fields in the order the window makes them: down the frame, species A, species B, length.
extern const std::array<ParameterFieldRow, ParameterFieldCount> ParameterFieldRows;

/// The row of `field`; nullptr for ParameterField::None.
const ParameterFieldRow* parameterFieldRowOf(ParameterField field);

/// The nine field widgets of one main window (with their labels) and what the window does with
/// them as a whole: read them for a run, write a preset, check a field on Enter.
class ParameterFieldSet {
public:
    /// Takes the label and the field made for `row`.
    void adopt(const ParameterFieldRow& row, QLabel* label, QLineEdit* edit);

    QLineEdit* edit(ParameterField field) const;

    /// Puts every field and label at its place.
    void place() const;
    /// Names every field for screen readers, in the user's language.
    void nameForScreenReaders() const;

    /// The texts a run reads: each the number its field shows, confirmed or not (runText). A text
    /// the program wrote itself (start text, preset, reset text, rewritten number) stands as
    /// written, with its point: "1.234", written for a German "1,234", stays 1.234.
    FieldTexts texts() const;
    /// Writes the eight texts of preset `set` (1..PresetCount) in the order of the preset; the
    /// length stays as it is. Each text that differs fires the field's change.
    void writePreset(int set);
    /// Writes all nine texts as they are, the eight of a preset in its order, then the length.
    /// Each text that differs fires the field's change.
    void writeAll(const FieldTexts& texts);
    /// Writes each constant that `changes` holds in the display format, in the order a preset
    /// writes; the other fields keep their texts.
    void writeConstants(const ConstantChanges& changes);
    /// Enter in `field`: keeps an accepted text, writes an accepted regional number the program's
    /// way, or writes the reset text. A text it writes fires the field's change. A text the
    /// program wrote itself is kept.
    void confirm(ParameterField field);

private:
    static int indexOf(ParameterField field);
    /// Puts `text` into field `i` and remembers it as the program's own.
    void write(int i, const QString& text);
    /// True when field `i` holds the text the program last wrote into it.
    bool holdsOwnText(int i) const;

    std::array<QLabel*, ParameterFieldCount> m_labels{};
    std::array<QLineEdit*, ParameterFieldCount> m_edits{};
    std::array<QString, ParameterFieldCount> m_written; ///< the text the program last wrote into each
};

} // namespace vorlenza

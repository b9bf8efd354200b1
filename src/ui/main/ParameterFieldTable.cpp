#include "ParameterFieldTable.h"

#include "NumberText.h"
#include "Presets.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace vorlenza {

namespace {

// The text colours: species A, species B and the length.
constexpr QRgb Blue = qRgb(0, 0, 255);
constexpr QRgb Red = qRgb(255, 0, 0);
constexpr QRgb Green = qRgb(0, 128, 0);

} // namespace

// One field a line: what it holds, its object name, what a run reads it into, the Enter reading and
// reset text, colour, place; its label's object name, caption, size and place; its name for screen
// readers; and how a failure sentence names it.
// clang-format off
const std::array<ParameterFieldRow, ParameterFieldCount> ParameterFieldRows = {{
    {ParameterField::R1, "txtRrateA", &FieldTexts::rrateA, FieldReading::Prefix, "0.2", Blue, {3360, 600, 975, 375}, "lblLabel1", QT_TRANSLATE_NOOP("frmForm1", "Intrinsic rate of species A  (r):"), false, {120, 600, 2895, 375}, QT_TRANSLATE_NOOP("frmForm1", "Intrinsic rate of species A (r)"), QT_TRANSLATE_NOOP("RunFailure", "the intrinsic rate of species A (r)")},
    {ParameterField::N1Start, "txtA0", &FieldTexts::a0, FieldReading::Strict, "10", Blue, {3360, 960, 975, 360}, "lblLabel2", QT_TRANSLATE_NOOP("frmForm1", "Initial size of species A: "), false, {120, 960, 2895, 375}, QT_TRANSLATE_NOOP("frmForm1", "Initial size of species A"), QT_TRANSLATE_NOOP("RunFailure", "the initial size of species A")},
    {ParameterField::K1, "txtK1", &FieldTexts::K1, FieldReading::Prefix, "150", Blue, {3360, 1320, 975, 360}, "lblLabel19", QT_TRANSLATE_NOOP("frmForm1", "Carrying capacity for species A (K1):"), false, {120, 1320, 3135, 375}, QT_TRANSLATE_NOOP("frmForm1", "Carrying capacity for species A (K1)"), QT_TRANSLATE_NOOP("RunFailure", "the carrying capacity of species A (K1)")},
    {ParameterField::Alpha, "txtU", &FieldTexts::u, FieldReading::Prefix, "2", Blue, {3360, 1680, 975, 360}, "lblLabel8", QT_TRANSLATE_NOOP("frmForm1", "Constant a:"), false, {120, 1680, 2415, 375}, QT_TRANSLATE_NOOP("frmForm1", "Constant a"), QT_TRANSLATE_NOOP("RunFailure", "constant a")},
    {ParameterField::R2, "txtRrateB", &FieldTexts::rrateB, FieldReading::Strict, "0.3", Red, {3360, 2040, 975, 360}, "lblLabel9", QT_TRANSLATE_NOOP("frmForm1", "Intrinsic rate of species B (s):"), false, {120, 2040, 3135, 375}, QT_TRANSLATE_NOOP("frmForm1", "Intrinsic rate of species B (s)"), QT_TRANSLATE_NOOP("RunFailure", "the intrinsic rate of species B (s)")},
    {ParameterField::N2Start, "txtB0", &FieldTexts::b0, FieldReading::Prefix, "10", Red, {3360, 2400, 975, 375}, "lblLabel10", QT_TRANSLATE_NOOP("frmForm1", "Initial size of species B:"), false, {120, 2400, 2775, 375}, QT_TRANSLATE_NOOP("frmForm1", "Initial size of species B"), QT_TRANSLATE_NOOP("RunFailure", "the initial size of species B")},
    {ParameterField::K2, "txtK2", &FieldTexts::K2, FieldReading::Prefix, "200", Red, {3360, 2760, 975, 375}, "lblLabel20", QT_TRANSLATE_NOOP("frmForm1", "Carrying capacity for species B (K2):"), false, {120, 2760, 3255, 375}, QT_TRANSLATE_NOOP("frmForm1", "Carrying capacity for species B (K2)"), QT_TRANSLATE_NOOP("RunFailure", "the carrying capacity of species B (K2)")},
    {ParameterField::Beta, "txtV", &FieldTexts::v, FieldReading::Prefix, "100", Red, {3360, 3120, 975, 375}, "lblLabel11", QT_TRANSLATE_NOOP("frmForm1", "Constant b:"), false, {120, 3120, 2055, 375}, QT_TRANSLATE_NOOP("frmForm1", "Constant b"), QT_TRANSLATE_NOOP("RunFailure", "constant b")},
    {ParameterField::Simut, "txtSimut", &FieldTexts::simut, FieldReading::WholeDays, "100", Green, {1440, 3456, 975, 360}, "lblLabel3", QT_TRANSLATE_NOOP("frmForm1", "For t = 0 to "), true, {120, 3480, 1455, 375}, QT_TRANSLATE_NOOP("frmForm1", "For t = 0 to (simulation length in days)"), QT_TRANSLATE_NOOP("RunFailure", "the simulation length")},
}};
// clang-format on

QString ParameterFieldRow::startText() const { return QString::fromStdString(FieldTexts().*text); }

QString ParameterFieldRow::labelText() const { return QCoreApplication::translate("frmForm1", label); }

const ParameterFieldRow* parameterFieldRowOf(ParameterField field)
{
    for (const ParameterFieldRow& row : ParameterFieldRows)
        if (row.field == field)
            return &row;
    return nullptr;
}

int ParameterFieldSet::indexOf(ParameterField field)
{
    const ParameterFieldRow* row = parameterFieldRowOf(field);
    return row ? static_cast<int>(row - ParameterFieldRows.data()) : -1;
}

void ParameterFieldSet::adopt(const ParameterFieldRow& row, QLabel* label, QLineEdit* edit)
{
    const int i = indexOf(row.field);
    m_labels[i] = label;
    m_edits[i] = edit;
    m_written[i] = edit->text();
}

QLineEdit* ParameterFieldSet::edit(ParameterField field) const
{
    const int i = indexOf(field);
    return i < 0 ? nullptr : m_edits[i];
}

void ParameterFieldSet::place() const
{
    for (int i = 0; i < ParameterFieldCount; ++i)
        kit::place({{m_labels[i], ParameterFieldRows[i].labelPlace}, {m_edits[i], ParameterFieldRows[i].place}});
}

void ParameterFieldSet::nameForScreenReaders() const
{
    for (int i = 0; i < ParameterFieldCount; ++i)
        m_edits[i]->setAccessibleName(QCoreApplication::translate("frmForm1", ParameterFieldRows[i].accessibleName));
}

FieldTexts ParameterFieldSet::texts() const
{
    FieldTexts texts;
    for (int i = 0; i < ParameterFieldCount; ++i)
        texts.*ParameterFieldRows[i].text =
            holdsOwnText(i) ? m_edits[i]->text().toStdString() : runText(m_edits[i]->text());
    return texts;
}

void ParameterFieldSet::write(int i, const QString& text)
{
    m_written[i] = text;
    m_edits[i]->setText(text);
}

bool ParameterFieldSet::holdsOwnText(int i) const { return m_edits[i]->text() == m_written[i]; }

void ParameterFieldSet::writePreset(int set)
{
    const FieldTexts preset = presetFieldTexts(set);
    for (std::string FieldTexts::*member : PresetFieldOrder)
        for (int i = 0; i < ParameterFieldCount; ++i)
            if (ParameterFieldRows[i].text == member)
                write(i, QString::fromStdString(preset.*member));
}

void ParameterFieldSet::writeAll(const FieldTexts& texts)
{
    for (std::string FieldTexts::*member : PresetFieldOrder)
        for (int i = 0; i < ParameterFieldCount; ++i)
            if (ParameterFieldRows[i].text == member)
                write(i, QString::fromStdString(texts.*member));
    for (int i = 0; i < ParameterFieldCount; ++i)
        if (ParameterFieldRows[i].text == &FieldTexts::simut)
            write(i, QString::fromStdString(texts.simut));
}

void ParameterFieldSet::writeConstants(const ConstantChanges& changes)
{
    // in the order a preset writes its fields
    for (std::string FieldTexts::*member : PresetFieldOrder)
        for (std::size_t c = 0; c < std::size(ConstantFields); ++c)
            if (ConstantFields[c].text == member && changes[c])
                for (int i = 0; i < ParameterFieldCount; ++i)
                    if (ParameterFieldRows[i].text == member)
                        write(i, QString::fromStdString(formatNumber(*changes[c])));
}

void ParameterFieldSet::confirm(ParameterField field)
{
    const int i = indexOf(field);
    // The program's own texts are accepted numbers with a point; read regionally, "1.234" (written
    // for a German "1,234") would turn into a thousand times as much.
    if (holdsOwnText(i))
        return;
    const QString typed = m_edits[i]->text();
    // A reset text, or an accepted regional number rewritten the program's way, fires Change.
    const std::optional<QString> kept = enteredFieldText(typed, ParameterFieldRows[i].reading);
    if (!kept)
        write(i, QLatin1String(ParameterFieldRows[i].resetText));
    else if (*kept != typed)
        write(i, *kept);
}

} // namespace vorlenza

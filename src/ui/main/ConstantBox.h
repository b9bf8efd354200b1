#pragma once

#include <QDoubleSpinBox>

namespace vorlenza {

/// A box for one of the model's constants. It reads what the student types as the nine fields do
/// (the region's own way first, so "0,5" in German, else with a point) and writes the display
/// format (as many digits as the value has, up to 15 significant). The value it is given is held
/// exactly, not rounded to what it shows, until the student changes it: leaving the box or
/// pressing Enter over the shown text keeps it.
class ConstantBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    /// The student moves the value within [lo, hi] by `step` a press.
    ConstantBox(QWidget* parent, double lo, double hi, double step);

    /// Shows `value` exactly, without telling anybody; the range grows to hold it when it lies
    /// outside.
    void setGiven(double value);
    /// Whether the student changed the value since setGiven.
    bool changed() const { return value() != m_given; }

    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;
    /// Leaves a text it cannot read as it is (QDoubleSpinBox would drop the region's group marks
    /// and read "0,5" as 5 where the comma groups), so that the box keeps its value.
    void fixup(QString& text) const override;

private:
    double m_lo;
    double m_hi;
    double m_given = 0.0;
};

} // namespace vorlenza

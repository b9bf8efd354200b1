#pragma once

#include "Simulation.h"

#include <string>

namespace vorlenza {

/// One of the three classic parameter sets, in the order the preset writes its fields.
struct PresetValues {
    double r1;    ///< txtRrateA
    double n1;    ///< txtA0, N1(0)
    double alpha; ///< txtU
    double K1;    ///< txtK1
    double r2;    ///< txtRrateB
    double n2;    ///< txtB0, N2(0)
    double beta;  ///< txtV
    double K2;    ///< txtK2
};

/// Number of preset sets (numbered 1..PresetCount).
constexpr int PresetCount = 3;

/// The values of set 1 (coexistence), 2 (A wins) or 3 (B wins). Any other number gives set 1.
const PresetValues& preset(int set);

/// The field texts a preset writes, in the order it writes them (the order of PresetValues).
/// The simulation length is no part of a preset.
inline constexpr std::string FieldTexts::*PresetFieldOrder[] = {
    &FieldTexts::rrateA, &FieldTexts::a0, &FieldTexts::u, &FieldTexts::K1,
    &FieldTexts::rrateB, &FieldTexts::b0, &FieldTexts::v, &FieldTexts::K2,
};

/// The field texts after preset `set` (as preset numbers them): its eight values in the number
/// display format, and `simut` as the simulation length, which a preset leaves alone.
FieldTexts presetFieldTexts(int set, const std::string& simut = FieldTexts().simut);

} // namespace vorlenza

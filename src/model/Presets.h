#pragma once

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
const PresetValues& Preset(int set);

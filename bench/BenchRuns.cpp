#include "BenchRuns.h"

#include "Presets.h"

using namespace vorlenza;

std::vector<BenchRun> BenchRuns(int days)
{
    FieldTexts defaults;
    defaults.simut = std::to_string(days);

    FieldTexts chaotic = defaults;
    chaotic.rrateA = "3.8";

    FieldTexts oscillating = defaults;
    oscillating.rrateA = "2.6";
    oscillating.rrateB = "2.9";

    FieldTexts extinct = presetFieldTexts(3, defaults.simut);
    extinct.a0 = "0.001";

    return {{"default", defaults, false},
            {"chaotic", chaotic, false},
            {"oscill.", oscillating, false},
            {"extinct", extinct, true}};
}

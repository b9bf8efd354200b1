#include "BenchRuns.h"

#include "NumberText.h"
#include "Presets.h"

std::vector<BenchRun> BenchRuns(int days)
{
    FieldTexts defaults;
    defaults.simut = std::to_string(days);

    FieldTexts chaotic = defaults;
    chaotic.rrateA = "3.8";

    FieldTexts oscillating = defaults;
    oscillating.rrateA = "2.6";
    oscillating.rrateB = "2.9";

    const PresetValues& p = Preset(3);
    FieldTexts extinct = defaults;
    extinct.rrateA = FormatNumber(p.r1);
    extinct.a0 = "0.001";
    extinct.u = FormatNumber(p.alpha);
    extinct.K1 = FormatNumber(p.K1);
    extinct.rrateB = FormatNumber(p.r2);
    extinct.b0 = FormatNumber(p.n2);
    extinct.v = FormatNumber(p.beta);
    extinct.K2 = FormatNumber(p.K2);

    return {{"default", defaults, false},
            {"chaotic", chaotic, false},
            {"oscill.", oscillating, false},
            {"extinct", extinct, true}};
}

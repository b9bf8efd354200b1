#include "Presets.h"

#include "NumberText.h"

#include <iterator>

namespace vorlenza {

namespace {
constexpr PresetValues kPresets[PresetCount] = {
    {0.2, 10, 1, 200, 0.3, 10, 0.4, 100}, // coexistence, the start-up defaults
    {0.2, 10, 2, 300, 0.3, 10, 2, 200},   // species A excludes species B
    {0.2, 10, 2, 150, 0.3, 10, 1, 200},   // species B excludes species A
};
} // namespace

const PresetValues& preset(int set)
{
    if (set < 1 || set > PresetCount)
        set = 1;
    return kPresets[set - 1];
}

FieldTexts presetFieldTexts(int set, const std::string& simut)
{
    const PresetValues& p = preset(set);
    const double values[] = {p.r1, p.n1, p.alpha, p.K1, p.r2, p.n2, p.beta, p.K2};
    static_assert(std::size(values) == std::size(PresetFieldOrder));
    FieldTexts texts;
    texts.simut = simut;
    for (std::size_t i = 0; i < std::size(values); ++i)
        texts.*PresetFieldOrder[i] = formatNumber(values[i]);
    return texts;
}

} // namespace vorlenza

#include "Presets.h"

namespace {
constexpr PresetValues kPresets[PresetCount] = {
    {0.2, 10, 1, 200, 0.3, 10, 0.4, 100}, // coexistence, the start-up defaults
    {0.2, 10, 2, 300, 0.3, 10, 2, 200},   // species A excludes species B
    {0.2, 10, 2, 150, 0.3, 10, 1, 200},   // species B excludes species A
};
} // namespace

const PresetValues& Preset(int set)
{
    if (set < 1 || set > PresetCount)
        set = 1;
    return kPresets[set - 1];
}

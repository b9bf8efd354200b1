// RunSimulation on nine random field texts: no crash, no undefined behaviour; a completed run
// leaves finite values for every day 0..T+1 it wrote, and a failed run leaves the state exactly
// as the last completed run left it.
//
// Input layout (FuzzedDataProvider strings, each ended by a backslash and one more character):
// T, K1, K2, alpha, beta, r1, r2, N1(0), N2(0).

#include "FuzzChecks.h"
#include "Simulation.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

using namespace vorlenza;

namespace {

using fuzzcheck::require;

bool sameSeries(const ModelState::Series& a, const ModelState::Series& b)
{
    return std::memcmp(a.data(), b.data(), sizeof(double) * a.size()) == 0;
}

bool sameState(const ModelState& a, const ModelState& b)
{
    const auto sameBits = [](double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; };
    return sameBits(a.K1, b.K1) && sameBits(a.K2, b.K2) && sameBits(a.alpha, b.alpha) && sameBits(a.beta, b.beta) &&
           sameBits(a.r1, b.r1) && sameBits(a.r2, b.r2) && a.simTime == b.simTime && sameSeries(a.N1, b.N1) &&
           sameSeries(a.N2, b.N2) && sameSeries(a.dN1, b.dN1) && sameSeries(a.dN2, b.dN2) &&
           sameSeries(a.isoclineAX, b.isoclineAX) && sameSeries(a.isoclineAY, b.isoclineAY) &&
           sameSeries(a.isoclineBX, b.isoclineBX) && sameSeries(a.isoclineBY, b.isoclineBY);
}

bool finiteUpTo(const ModelState::Series& s, int last)
{
    for (int i = 0; i <= last; ++i)
        if (!std::isfinite(s[static_cast<std::size_t>(i)]))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // One state for the whole session, as in the program; `before` mirrors the last completed run.
    static const std::unique_ptr<ModelState> state = std::make_unique<ModelState>();
    static const std::unique_ptr<ModelState> before = std::make_unique<ModelState>();

    FuzzedDataProvider in(data, size);
    FieldTexts f;
    for (std::string* field : {&f.simut, &f.K1, &f.K2, &f.u, &f.v, &f.rrateA, &f.rrateB, &f.a0, &f.b0})
        *field = in.ConsumeRandomLengthString(64);

    const RunResult result = RunSimulation(*state, f);
    if (!result.ok()) {
        require(sameState(*state, *before), "a failed run changed the state",
                "error " + std::to_string(int(result.error)));
        return 0;
    }

    const int T = state->simTime;
    require(T >= 1 && T <= ModelState::MaxSimTime, "completed run with a length outside 1..9999", std::to_string(T));
    require(finiteUpTo(state->N1, T + 1) && finiteUpTo(state->N2, T + 1), "a population is not finite", f.simut);
    require(finiteUpTo(state->dN1, T) && finiteUpTo(state->dN2, T), "an increment is not finite");
    require(finiteUpTo(state->isoclineAX, T) && finiteUpTo(state->isoclineAY, T) && finiteUpTo(state->isoclineBX, T) &&
                finiteUpTo(state->isoclineBY, T),
            "an isocline point is not finite");
    require(std::isfinite(state->K1) && std::isfinite(state->K2) && std::isfinite(state->alpha) &&
                std::isfinite(state->beta) && std::isfinite(state->r1) && std::isfinite(state->r2),
            "a parameter is not finite");
    require(result.lastN1 == state->N1[static_cast<std::size_t>(T) + 1] &&
                result.lastN2 == state->N2[static_cast<std::size_t>(T) + 1],
            "the reported last day differs from the state");
    require(result.field == ParameterField::None, "a completed run names a failed field");
    *before = *state;
    return 0;
}

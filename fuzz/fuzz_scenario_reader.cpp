// readScenario on any bytes: no crash, no undefined behaviour, no hang. A scenario it takes holds
// only what the program can use (values the fields take, starts of 0 or more, at most twelve of
// them), and it survives a round trip: written and read again it is the same scenario, and written
// again the same bytes. A refusal comes with a reason; one about the text names a place inside it.

#include "FuzzChecks.h"
#include "Scenario.h"

#include <QByteArray>

#include <cstdint>
#include <string>

using namespace vorlenza;

namespace {

using fuzzcheck::require;

bool sameScenario(const Scenario& a, const Scenario& b)
{
    const bool sameLab = a.lab.has_value() == b.lab.has_value() &&
                         (!a.lab || (a.lab->open == b.lab->open && a.lab->dailySteps == b.lab->dailySteps &&
                                     a.lab->starts == b.lab->starts));
    return a.values == b.values && a.chart == b.chart && a.continuous == b.continuous && sameLab &&
           a.title == b.title && a.note == b.note;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ScenarioReading reading = readScenario(bytes);
    const ScenarioProblem& problem = reading.problem;
    if (!problem.ok()) {
        if (problem.fault == ScenarioFault::NotJson) {
            require(problem.line >= 1 && problem.column >= 1, "a JSON fault without its place");
            require(problem.line <= bytes.count('\n') + 1, "a JSON fault placed after the last line",
                    std::to_string(problem.line));
        }
        return 0;
    }

    const Scenario& s = reading.scenario;
    require(checkScenarioValues(s.values).ok(), "a value the fields do not take was accepted");
    if (s.lab) {
        require(s.lab->starts.size() <= std::size_t(scenario::MaxStarts), "too many starts accepted");
        for (const QPointF& p : s.lab->starts)
            require(p.x() >= 0.0 && p.y() >= 0.0, "a start below zero accepted");
    }
    const FieldTexts texts = scenarioFieldTexts(s);
    require(scenarioValuesOf(texts) == s.values, "the field texts do not read back as the values");

    const QByteArray written = scenarioBytes(s);
    const ScenarioReading again = readScenario(written);
    require(again.problem.ok(), "a written scenario is refused", written.left(400).toStdString());
    require(sameScenario(again.scenario, s), "a written scenario reads back otherwise",
            written.left(400).toStdString());
    require(scenarioBytes(again.scenario) == written, "writing again gives other bytes");
    return 0;
}

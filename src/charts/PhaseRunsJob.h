#pragma once

#include "PhaseRuns.h"

#include <QObject>

#include <atomic>
#include <memory>

namespace vorlenza {

/// Solves the lab's separatrix and trajectories (solvePhaseRuns) on another thread. Only the newest
/// request counts: a newer one stops the older, and only the newest's result is handed over, with
/// whatever of the last result still holds reused.
class PhaseRunsJob : public QObject {
    Q_OBJECT
public:
    explicit PhaseRunsJob(QObject* parent = nullptr) : QObject(parent) {}
    /// Stops what is still being solved: nobody waits for it any more.
    ~PhaseRunsJob() override;

    void solve(PhaseRunsInput input);
    /// Whether the newest request is still being solved.
    bool busy() const { return m_busy; }

signals:
    void solved(const vorlenza::PhaseRuns& runs);

private:
    unsigned m_generation = 0;
    bool m_busy = false;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    std::shared_ptr<const PhaseRunsInput> m_solvedFor;
    std::shared_ptr<const PhaseRuns> m_solved;
};

} // namespace vorlenza

#include "PhaseRunsJob.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace vorlenza {

PhaseRunsJob::~PhaseRunsJob()
{
    if (m_cancel)
        m_cancel->store(true);
}

void PhaseRunsJob::solve(PhaseRunsInput input)
{
    if (m_cancel)
        m_cancel->store(true);
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    const unsigned generation = ++m_generation;
    m_busy = true;
    auto request = std::make_shared<const PhaseRunsInput>(std::move(input));
    auto* watcher = new QFutureWatcher<PhaseRuns>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation, request] {
        watcher->deleteLater();
        if (generation != m_generation)
            return; // a newer request is under way
        auto runs = std::make_shared<const PhaseRuns>(watcher->result());
        if (runs->cancelled)
            return;
        m_solvedFor = request;
        m_solved = runs;
        m_busy = false;
        emit solved(*runs);
    });
    watcher->setFuture(QtConcurrent::run([request, cancel = m_cancel, earlierInput = m_solvedFor, earlier = m_solved] {
        return solvePhaseRuns(*request, *cancel, earlierInput.get(), earlier.get());
    }));
}

} // namespace vorlenza

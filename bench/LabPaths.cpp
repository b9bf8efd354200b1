#include "LabPaths.h"

#include "LabPhasePlot.h"
#include "LabTexts.h"
#include "OutcomeMapPlot.h"
#include "Session.h"
#include "Simulation.h"

#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QWidget>

#include <cstdlib>
#include <memory>

using namespace vorlenza;

namespace {

struct LabState {
    Session* session = nullptr;
    int replots = 0;
    bool right = true;
};

/// The lab's two charts, counted at every replot.
void watch(const std::shared_ptr<LabState>& s, QWidget* lab)
{
    for (QCustomPlot* plot : lab->findChildren<QCustomPlot*>())
        if (!plot->property("benchWatched").toBool()) {
            plot->setProperty("benchWatched", true);
            QObject::connect(plot, &QCustomPlot::afterReplot, [s] { ++s->replots; });
        }
}

/// Processes events until both charts have replotted since `before`, then paints the window.
void untilPainted(const std::shared_ptr<LabState>& s, QWidget* lab, int before)
{
    for (int i = 0; s->replots < before + 2; ++i) {
        if (i == 1000)
            std::abort(); // the queued replots never came
        QCoreApplication::processEvents();
    }
    (void)lab->grab();
}

void closeLab(Session& session)
{
    if (QWidget* lab = session.windows().window(WindowId::Lab)) {
        lab->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

std::vector<BenchCase> LabCases(Session& session)
{
    auto s = std::make_shared<LabState>();
    s->session = &session;
    std::vector<BenchCase> cases;

    const auto runOf1000 = [&session] {
        FieldTexts fields;
        fields.simut = "1000";
        if (!session.runSimulation(fields).ok())
            std::abort();
    };

    cases.push_back({"lab: open", 20, 50.0,
                     [s, runOf1000] {
                         runOf1000();
                         closeLab(*s->session);
                     },
                     [s] {
                         // made, loaded, its queued replots done and the window painted
                         QWidget* lab = s->session->windows().show(WindowId::Lab);
                         QCoreApplication::processEvents();
                         (void)lab->grab();
                     },
                     "lab"});

    // the outcome map's handle one step right, then back, and the lab painted again
    const auto moveHandle = [s] {
        QWidget* lab = s->session->windows().window(WindowId::Lab);
        auto* map = lab->findChild<QWidget*>(QStringLiteral("picOutcomeMap"));
        const int before = s->replots;
        const Qt::Key key = s->right ? Qt::Key_Right : Qt::Key_Left;
        s->right = !s->right;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(map, &press);
        untilPainted(s, lab, before);
    };
    cases.push_back({"lab: move the handle, everything redrawn", 60, 16.0,
                     [s, runOf1000] {
                         Session& shared = *s->session;
                         QWidget* lab = shared.windows().window(WindowId::Lab);
                         auto* plane = lab ? lab->findChild<LabPhasePlot*>(QStringLiteral("picPhasePlane")) : nullptr;
                         if (plane == nullptr || plane->trajectoryCount() < kMaxTrajectories) {
                             runOf1000();
                             closeLab(shared);
                             lab = shared.windows().show(WindowId::Lab);
                             watch(s, lab);
                             plane = lab->findChild<LabPhasePlot*>(QStringLiteral("picPhasePlane"));
                             for (int i = 1; i < kMaxTrajectories; ++i)
                                 emit plane->startRequested(10.0 + 15.0 * i, 200.0 - 15.0 * i);
                         }
                         QCoreApplication::processEvents();
                     },
                     moveHandle, "lab"});

    // Stiff constants (K1 = 1, K2 = 99999, r = 3.5) with twelve trajectories: the window answers at
    // once, the trajectories follow from another thread.
    const auto stiffLab = [s] {
        // the lab opened on a run, the constants then typed into its boxes
        Session& shared = *s->session;
        FieldTexts fields;
        fields.simut = "1000";
        if (!shared.runSimulation(fields).ok())
            std::abort();
        closeLab(shared);
        QWidget* lab = shared.windows().show(WindowId::Lab);
        watch(s, lab);
        auto* plane = lab->findChild<LabPhasePlot*>(QStringLiteral("picPhasePlane"));
        for (int i = 1; i < kMaxTrajectories; ++i)
            emit plane->startRequested(10.0 + 15.0 * i, 200.0 - 15.0 * i);
        const std::pair<const char*, double> stiff[] = {
            {"spnK1", 1.0}, {"spnK2", 99999.0}, {"spnR1", 3.5}, {"spnR2", 3.5}};
        for (const auto& [name, value] : stiff)
            lab->findChild<QDoubleSpinBox*>(QLatin1String(name))->setValue(value);
        return plane;
    };
    cases.push_back({"lab, stiff set: move the handle", 30, 16.0,
                     [s, stiffLab] {
                         QWidget* lab = s->session->windows().window(WindowId::Lab);
                         auto* plane = lab ? lab->findChild<LabPhasePlot*>(QStringLiteral("picPhasePlane")) : nullptr;
                         if (plane == nullptr || plane->parameters().K2 != 99999.0)
                             stiffLab();
                         QCoreApplication::processEvents();
                     },
                     moveHandle, "lab"});
    cases.push_back({"lab, stiff set: the handle moved, twelve trajectories drawn", 5, 0.0,
                     [s, stiffLab] {
                         QWidget* lab = s->session->windows().window(WindowId::Lab);
                         auto* plane = lab ? lab->findChild<LabPhasePlot*>(QStringLiteral("picPhasePlane")) : nullptr;
                         if (plane == nullptr || plane->parameters().K2 != 99999.0)
                             plane = stiffLab();
                         while (plane->busy())
                             QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                     },
                     [s] {
                         QWidget* lab = s->session->windows().window(WindowId::Lab);
                         auto* plane = lab->findChild<LabPhasePlot*>(QStringLiteral("picPhasePlane"));
                         QKeyEvent press(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
                         QCoreApplication::sendEvent(lab->findChild<QWidget*>(QStringLiteral("picOutcomeMap")), &press);
                         while (plane->busy())
                             QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                     },
                     "lab"});
    return cases;
}

// Pictures of the phase-plane lab on a real screen (run it under Xvfb with a window manager):
//
//     vorlenza-lab-shots <output folder>
//
// For each preset, the start-up defaults and a set where the start decides, it runs the main
// window, opens the lab from the chart menu, starts trajectories by clicking the phase plane and
// saves the screen around the lab as "lab-<state>.png" once the paths are drawn. The language follows
// LANGUAGE.

#include "AppSetup.h"
#include "AppWindows.h"
#include "Language.h"
#include "LabPhasePlot.h"
#include "LabTexts.h"
#include "OutcomeMapPlot.h"
#include "Session.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <cstdio>

using namespace vorlenza;

namespace {

QWidget* child(Session& session, WindowId id, const char* name)
{
    QWidget* w = session.windows().window(id);
    return w ? w->findChild<QWidget*>(QLatin1String(name)) : nullptr;
}

void click(QWidget* w)
{
    if (w)
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

void typeAndEnter(Session& session, const char* name, const QString& text)
{
    if (auto* e = qobject_cast<QLineEdit*>(child(session, WindowId::Main, name))) {
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Return);
    }
}

void settle()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(25);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorlenza-lab-shots <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    Translations translations;
    translations.use(QLocale::system().uiLanguages());
    setUpApplication();

    Session session;
    registerWindows(session);
    QString choice;
    session.platform().runMenu = [&choice](QMenu& menu, const QPoint&) -> QAction* {
        for (QAction* a : menu.actions())
            if (a->text() == choice)
                return a;
        return nullptr;
    };
    session.platform().reportProblem = [](QWidget*, const QString&, const QString& text) {
        std::fprintf(stderr, "told: %s\n", qPrintable(text));
    };
    session.windows().setExitFunction([] {});
    session.windows().show(WindowId::Main);
    if (QWidget* title = session.windows().window(WindowId::Title))
        title->hide();

    struct State {
        const char* name;
        int preset; // 0: the fields typed below
        const char *K1, *K2, *alpha, *beta;
        bool dailySteps;
    };
    const State states[] = {
        {"defaults", 0, "200", "100", "1", "0.4", false},       {"set1", 1, nullptr, nullptr, nullptr, nullptr, false},
        {"set2", 2, nullptr, nullptr, nullptr, nullptr, false}, {"set3", 3, nullptr, nullptr, nullptr, nullptr, true},
        {"bistable", 0, "100", "100", "1.5", "1.5", false},     {"a-wins-slowly", 0, "100", "100", "1", "2", false},
        {"nobody-wins", 0, "100", "100", "1", "1", false},
    };
    for (const State& s : states) {
        QWidget* main = session.windows().show(WindowId::Main);
        settle();
        if (s.preset > 0) {
            click(child(session, WindowId::Main, QStringLiteral("cmdUseData%1").arg(s.preset).toLatin1().constData()));
        } else {
            typeAndEnter(session, "txtK1", QLatin1String(s.K1));
            typeAndEnter(session, "txtK2", QLatin1String(s.K2));
            typeAndEnter(session, "txtU", QLatin1String(s.alpha));
            typeAndEnter(session, "txtV", QLatin1String(s.beta));
        }
        click(child(session, WindowId::Main, "cmdRun"));
        choice = QCoreApplication::translate("vorlenza::ChartActions", "Phase-plane &lab…");
        QTest::keyClick(child(session, WindowId::Main, "MSChart1"), Qt::Key_Menu);
        QWidget* lab = session.windows().window(WindowId::Lab);
        if (lab == nullptr || main->isVisible()) {
            std::fprintf(stderr, "the lab did not open for %s\n", s.name);
            return 1;
        }
        settle();
        auto* plane = lab->findChild<LabPhasePlot*>(QStringLiteral("picPhasePlane"));
        const QRect r = plane->axisRect()->rect();
        const QPointF starts[] = {{0.08, 0.1}, {0.9, 0.12}, {0.1, 0.9},  {0.85, 0.85},
                                  {0.5, 0.05}, {0.05, 0.5}, {0.45, 0.6}, {0.6, 0.45}};
        for (const QPointF& f : starts)
            QTest::mouseClick(plane, Qt::LeftButton, {},
                              QPoint(r.left() + int(f.x() * r.width()), r.bottom() - int(f.y() * r.height())));
        if (s.dailySteps)
            lab->findChild<QCheckBox*>(QStringLiteral("chkDailySteps"))->click();
        while (plane->busy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        plane->setFocus(); // the keyboard cursor and what it says
        settle();
        const QRect frame = lab->frameGeometry();
        const QPixmap shot = lab->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        shot.save(out.filePath(QStringLiteral("lab-%1.png").arg(QLatin1String(s.name))));
        if (s.dailySteps)
            lab->findChild<QCheckBox*>(QStringLiteral("chkDailySteps"))->click();
        click(lab->findChild<QPushButton*>(QStringLiteral("cmdBack")));
    }
    session.windows().destroyAll();
    return 0;
}

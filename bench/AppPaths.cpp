#include "AppPaths.h"

#include "AppWindows.h"
#include "BenchRuns.h"
#include "ChartView.h"
#include "Language.h"
#include "Look.h"
#include "ScenarioFiles.h"
#include "Session.h"
#include "WholeFile.h"

#include <QAbstractButton>
#include <QDir>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace vorlenza;

namespace {

QWidget* need(QWidget* w)
{
    if (!w)
        std::abort();
    return w;
}

template <class T = QWidget> T* child(QWidget* window, const char* name)
{
    T* c = need(window)->findChild<T*>(QLatin1String(name));
    if (!c)
        std::abort();
    return c;
}

void pressEnter(QWidget* w)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(w, &press);
    QCoreApplication::sendEvent(w, &release);
}

/// Processes events until `chart` has replotted, then paints it the way the screen would.
void untilPainted(ChartView* chart, int& replots, int before)
{
    for (int i = 0; replots == before; ++i) {
        if (i == 1000)
            std::abort(); // the queued replot never came
        QCoreApplication::processEvents();
    }
    (void)chart->grab();
}

/// Types a length into the main window's field and confirms it with Enter, as a student does.
void setLength(QWidget* main, int days)
{
    auto* field = child<QLineEdit>(main, "txtSimut");
    field->setText(QString::number(days));
    pressEnter(field);
}

/// Puts a run's fields into the main window as a student does: the third preset button where the
/// run starts from it, then each field that differs typed and confirmed with Enter.
void enterRun(QWidget* main, const BenchRun& run)
{
    if (run.fromPreset3)
        child<QAbstractButton>(main, "cmdUseData3")->click();
    const std::pair<const char*, const std::string*> fields[] = {
        {"txtRrateA", &run.fields.rrateA}, {"txtA0", &run.fields.a0},         {"txtU", &run.fields.u},
        {"txtK1", &run.fields.K1},         {"txtRrateB", &run.fields.rrateB}, {"txtB0", &run.fields.b0},
        {"txtV", &run.fields.v},           {"txtK2", &run.fields.K2},         {"txtSimut", &run.fields.simut}};
    for (const auto& [name, text] : fields) {
        auto* field = child<QLineEdit>(main, name);
        const QString wanted = QString::fromStdString(*text);
        if (field->text() != wanted || std::string(name) == "txtSimut") { // Enter there readies Run
            field->setText(wanted);
            pressEnter(field);
        }
    }
}

long peakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

std::vector<BenchCase> AppPathCases(Session& session, const QString& scratchFolder)
{
    WindowRegistry& windows = session.windows();
    session.platform().reportProblem = [](QWidget*, const QString&, const QString& text) {
        std::fprintf(stderr, "problem reported: %s\n", qPrintable(text));
    };
    session.platform().chooseSaveFile = [scratchFolder](QWidget*, const QString&, QString*) {
        return scratchFolder + QStringLiteral("/results.txt");
    };
    session.platform().chooseExportFile = [scratchFolder](QWidget*, const QString&, const QString&, QString*) {
        return scratchFolder + QStringLiteral("/saved.vorlenza");
    };
    session.platform().askScenarioTexts = [](QWidget*, QString&, QString&) { return true; };
    session.platform().defaultPrinter = [scratchFolder]() {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(scratchFolder + QStringLiteral("/page.pdf"));
        return printer;
    };

    windows.load(WindowId::Main);
    windows.hide(WindowId::Title);
    QWidget* main = windows.show(WindowId::Main);
    auto* chart = child<ChartView>(main, "MSChart1");
    static int mainReplots = 0;
    QObject::connect(chart, &QCustomPlot::afterReplot, [] { ++mainReplots; });
    QCoreApplication::processEvents();

    std::vector<BenchCase> cases;
    for (int days : {100, 1000}) {
        const double target = days == 100 ? 5.0 : 0.0;
        cases.push_back({"cmdRun_Click to painted chart T=" + std::to_string(days),
                         30,
                         target,
                         [main, days] { setLength(main, days); },
                         [main, chart] {
                             const int before = mainReplots;
                             child<QAbstractButton>(main, "cmdRun")->click();
                             untilPainted(chart, mainReplots, before);
                         },
                         {}});
    }
    // Every path that shows a run's charts, on each of the long runs.
    static int largeReplots = 0;
    for (const BenchRun& run : BenchRuns(9999)) {
        const std::string suffix = " " + run.label + " T=9999";
        const std::string group = run.label + " T=9999";
        cases.push_back({"cmdRun_Click to painted chart" + suffix, 30, 16.0,
                         [&windows, main, run] {
                             windows.hide(WindowId::Large);
                             windows.show(WindowId::Main);
                             enterRun(main, run);
                         },
                         [main, chart] {
                             const int before = mainReplots;
                             child<QAbstractButton>(main, "cmdRun")->click();
                             untilPainted(chart, mainReplots, before);
                         },
                         group});
        // 32 clicks: four times round the main window's cycle of eight charts.
        cases.push_back({"main chart click to painted" + suffix, 32, 16.0, nullptr,
                         [chart] {
                             const int before = mainReplots;
                             emit chart->clicked();
                             untilPainted(chart, mainReplots, before);
                         },
                         group});
        // The run as a scenario: opened (read, run, written into the fields, its chart drawn and
        // painted), and saved again.
        const QString scenario = scratchFolder + QStringLiteral("/%1.vorlenza").arg(cases.size());
        Scenario set;
        set.values = scenarioValuesOf(run.fields);
        if (!writeWholeFile(scenario, scenarioBytes(set)).ok)
            std::abort();
        cases.push_back({"open scenario" + suffix, 30, 16.0, [&windows] { windows.hide(WindowId::Large); },
                         [&session, main, chart, scenario] {
                             const int before = mainReplots;
                             if (!openScenarioFile(session, scenario, main))
                                 std::abort();
                             untilPainted(chart, mainReplots, before);
                         },
                         group});
        cases.push_back({"save scenario" + suffix, 30, 16.0, nullptr,
                         [&session, main] { saveScenarioAsked(session, *main); }, group});
        cases.push_back({"save results" + suffix, 30, 20.0, nullptr,
                         [main] { child<QAbstractButton>(main, "cmdSave")->click(); }, group});
        cases.push_back({"print main window" + suffix, 10, 150.0, nullptr,
                         [main] { child<QAbstractButton>(main, "cmdPrint")->click(); }, group});
        cases.push_back({"open large window" + suffix, 20, 16.0,
                         [&windows] {
                             windows.hide(WindowId::Large);
                             windows.show(WindowId::Main);
                         },
                         [&windows, main] {
                             child<QAbstractButton>(main, "cmdLargeGraph")->click();
                             QCoreApplication::processEvents();
                             (void)need(windows.window(WindowId::Large))->grab();
                         },
                         group});
        cases.push_back({"large chart click to painted" + suffix, 32, 16.0, nullptr,
                         [&windows] {
                             auto* large = child<ChartView>(windows.window(WindowId::Large), "MSChart1");
                             if (large->property("benchCounted").isNull()) {
                                 large->setProperty("benchCounted", true);
                                 QObject::connect(large, &QCustomPlot::afterReplot, [] { ++largeReplots; });
                             }
                             const int before = largeReplots;
                             emit large->clicked();
                             untilPainted(large, largeReplots, before);
                         },
                         group});
        cases.push_back({"print large window" + suffix, 10, 150.0, nullptr,
                         [&windows] { child<QAbstractButton>(windows.window(WindowId::Large), "Command6")->click(); },
                         group});
    }
    return cases;
}

namespace {

/// The wall time in ms of one start of `program`, in the language `language`, until it ends.
double startOnce(const QString& program, const QString& language)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), language);
    QElapsedTimer timer;
    timer.start();
    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.start(program, QStringList());
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        std::abort();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int RunProbe(const char* argument, int argc, char** argv)
{
    const QByteArray probe(argument);
    if (probe != "--probe-visit-all")
        return -1;

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    look::installFontSubstitutions();
    Session session;
    registerWindows(session);
    session.windows().setExitFunction([] {});

    // Visit every window, with the largest run drawn in both chart windows, then report.
    const QString folder = QDir::tempPath();
    const std::vector<BenchCase> paths = AppPathCases(session, folder);
    long beforePrinting = 0;
    long printingGrowth = 0;
    for (const BenchCase& c : paths) {
        const bool printing = c.name.rfind("print", 0) == 0;
        if (printing)
            beforePrinting = peakMemoryKb();
        if (c.prepare)
            c.prepare();
        c.run();
        if (printing)
            printingGrowth = std::max(printingGrowth, peakMemoryKb() - beforePrinting);
    }
    for (WindowId id : {WindowId::Introduction, WindowId::References, WindowId::HowTo, WindowId::About,
                        WindowId::Dedication, WindowId::Quiz}) {
        (void)need(session.windows().show(id))->grab();
        QCoreApplication::processEvents();
        session.windows().hide(id);
    }
    std::printf("%ld %ld\n", peakMemoryKb(), printingGrowth);
    return 0;
}

void ReportProbes(const char* program)
{
    // Start-up once per language, English first, within 1.3 times the empty Qt program started in
    // the same turns, and every translation within 10 % of English. Both are programs of their own
    // beside this one (bench/CMakeLists.txt): the program's main() as vorlenza links it, and a label
    // in a program that links Qt Widgets alone; each ends once its window has painted. They take
    // turns, so that a busy moment of the machine weighs on all of them alike, and each starts 31
    // times: a start takes some 30 ms and spreads by more than 10 %.
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString startupProbe = folder + QStringLiteral("vorlenza-startup-probe");
    const QString emptyQt = folder + QStringLiteral("vorlenza-empty-qt");
    const QStringList languages = QStringList{QStringLiteral("en")} + vorlenza::Translations::available();
    std::vector<std::vector<double>> starts(languages.size());
    std::vector<double> empty;
    for (int round = 0; round < 31; ++round) {
        empty.push_back(startOnce(emptyQt, QStringLiteral("en")));
        for (qsizetype l = 0; l < languages.size(); ++l)
            starts[l].push_back(startOnce(startupProbe, languages[l]));
    }
    std::sort(empty.begin(), empty.end());
    const double reference = empty[empty.size() / 2];
    std::printf("%-52s %5d %10.3f %10s %9.3f %9.3f %10s\n", "empty Qt program, one label painted (reference)",
                int(empty.size()), reference, "-", empty.front(), empty.back(), "-");
    double english = 0.0;
    for (qsizetype l = 0; l < languages.size(); ++l) {
        std::vector<double>& times = starts[l];
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        if (l == 0)
            english = median;
        const double limit = l == 0 ? 1.3 * reference : std::min(1.3 * reference, english * 1.10);
        const QByteArray name = QStringLiteral("launch to title window painted (%1)").arg(languages[l]).toUtf8();
        const QByteArray target = QByteArray::number(limit, 'f', 1) + (median > limit ? " MISSED" : "");
        std::printf("%-52s %5d %10.3f %10s %9.3f %9.3f %10s\n", name.constData(), int(times.size()), median, "-",
                    times.front(), times.back(), target.constData());
    }

    QProcess p;
    p.start(QString::fromLocal8Bit(program), {QStringLiteral("--probe-visit-all")});
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        std::abort();
    const QStringList kb = QString::fromLatin1(p.readAllStandardOutput()).simplified().split(QLatin1Char(' '));
    if (kb.size() != 2)
        std::abort();
    const double peakMb = kb[0].toDouble() / 1024.0;
    const double printMb = kb[1].toDouble() / 1024.0;
    std::printf("%-52s %5d %10.1f %10s %9s %9s %10s\n", "peak memory growth while printing (MB)", 1, printMb, "-", "-",
                "-", printMb > 60.0 ? "60.0 MISSED" : "60.0");
    std::printf("%-52s %5d %10.1f %10s %9s %9s %10s\n", "peak memory visiting every window (MB)", 1, peakMb, "-", "-",
                "-", peakMb > 120.0 ? "120.0 MISSED" : "120.0");
}

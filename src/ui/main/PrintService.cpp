#include "PrintService.h"

#include "Session.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QPrinter>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>

namespace vorlenza {

namespace {

struct Question {
    std::atomic<bool> answered{false};
    std::atomic<bool> abandoned{false};
    PrinterAnswer answer; // written by the asking thread before `answered`
};

/// The last question asked of the print service.
std::weak_ptr<Question>& lastQuestion()
{
    static std::weak_ptr<Question> last;
    return last;
}

/// Where the questions are asked. A question the service never answers keeps its thread inside the
/// print system, so this is neither Qt's global pool, which QCoreApplication's destructor waits for,
/// nor a pool destroyed at exit, whose destructor waits for its threads: the pool is made once and
/// never destroyed, and main() ends the process without waiting while a question is still out
/// (printServiceOwesAnswer). Its one thread ends as soon as it has been answered.
QThreadPool& askingPool()
{
    static QThreadPool* const pool = [] {
        auto* made = new QThreadPool;
        made->setMaxThreadCount(1);
        made->setExpiryTimeout(0);
        return made;
    }();
    return *pool;
}

} // namespace

bool printServiceOwesAnswer()
{
    const std::shared_ptr<Question> last = lastQuestion().lock();
    return last && !last->answered;
}

std::optional<PrinterAnswer> askPrintService(Platform& platform, const QString& jobName)
{
    // A service that left the last question unanswered is still hung: do not wait for it again.
    if (printServiceOwesAnswer())
        return std::nullopt;

    const auto question = std::make_shared<Question>();
    lastQuestion() = question;
    QEventLoop loop;
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(&askingPool(), [question, jobName, defaultPrinter = platform.defaultPrinter,
                                                        refusal = platform.printerRefusal,
                                                        paused = platform.printerPaused] {
        PrinterAnswer& a = question->answer;
        a.printer = defaultPrinter ? defaultPrinter() : nullptr;
        if (a.printer && !jobName.isEmpty() && !question->abandoned) {
            a.printer->setDocName(jobName);
            a.refusal = refusal ? refusal(*a.printer) : QString();
            if (a.refusal.isEmpty() && !question->abandoned)
                a.paused = paused && paused(*a.printer);
        }
        question->answered = true;
    }));
    limit.start(platform.printServiceWaitMs);

    // Both ends of the wait arrive as events, so neither is lost between here and exec().
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (!question->answered)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    QGuiApplication::restoreOverrideCursor();
    if (!question->answered) {
        question->abandoned = true;
        return std::nullopt;
    }
    return std::move(question->answer);
}

} // namespace vorlenza

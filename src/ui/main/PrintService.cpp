#include "PrintService.h"

#include "Session.h"

#include <QCoreApplication>
#include <QEvent>
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

/// While it lives, clicks and keys go to no window, as they would to a busy one; everything else,
/// painting and timers and a window asked to close, goes on. (Waiting with ExcludeUserInputEvents
/// would hold back the window manager's close as well, and a message shown after the wait then
/// swallows it.)
class InputSetAside : public QObject {
public:
    InputSetAside() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputSetAside() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease: return true;
        default: return false;
        }
    }
};

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
    watcher.setFuture(
        QtConcurrent::run(&askingPool(), [question, jobName, defaultPrinter = platform.defaultPrinter,
                                          refusal = platform.printerRefusal, paused = platform.printerPaused] {
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

    // Both ends of the wait arrive as events, so neither is lost between here and exec(). Closing
    // the main window meanwhile ends the program, which ends this loop too.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (!question->answered) {
        const InputSetAside busy;
        loop.exec();
    }
    QGuiApplication::restoreOverrideCursor();
    if (!question->answered) {
        question->abandoned = true;
        return std::nullopt;
    }
    return std::move(question->answer);
}

} // namespace vorlenza

#include "PrintService.h"

#include "Session.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPrinter>
#include <QTimer>

#include <atomic>
#include <thread>

namespace vorlenza {

std::optional<PrinterAnswer> askPrintService(Platform& platform, const QString& jobName)
{
    struct Question {
        std::atomic<bool> answered{false};
        std::atomic<bool> abandoned{false};
        PrinterAnswer answer; // written by the asking thread before `answered`
    };
    // A service that left the last question unanswered is still hung: do not wait for it again.
    static std::weak_ptr<Question> pending;
    if (const auto earlier = pending.lock(); earlier && !earlier->answered)
        return std::nullopt;

    const auto question = std::make_shared<Question>();
    pending = question;
    std::thread([question, jobName, defaultPrinter = platform.defaultPrinter, refusal = platform.printerRefusal,
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
    }).detach();

    QElapsedTimer waited;
    waited.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (question->answered || waited.elapsed() >= platform.printServiceWaitMs)
            loop.quit();
    });
    poll.start(10);
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

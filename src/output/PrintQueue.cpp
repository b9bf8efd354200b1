#include "PrintQueue.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPrinter>

namespace vorlenza {

namespace {

// The few CUPS types and calls used here, as the CUPS 2 library exports them. The library is
// opened at run time: Qt's printing already loads it, and building needs no CUPS headers.
struct CupsOption {
    char* name;
    char* value;
};
struct CupsDest {
    char* name;
    char* instance;
    int isDefault;
    int numOptions;
    CupsOption* options;
};
using GetNamedDest = CupsDest* (*)(void* http, const char* name, const char* instance);
using GetOption = const char* (*)(const char* name, int numOptions, CupsOption* options);
using FreeDests = void (*)(int numDests, CupsDest* dests);
using LastError = int (*)();
using LastErrorString = const char* (*)();

constexpr int kFirstIppError = 0x0400; // client-error-bad-request; below it the job went through

struct Cups {
    GetNamedDest getNamedDest = nullptr;
    GetOption getOption = nullptr;
    FreeDests freeDests = nullptr;
    LastError lastError = nullptr;
    LastErrorString lastErrorString = nullptr;

    Cups()
    {
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load())
            return;
        getNamedDest = reinterpret_cast<GetNamedDest>(library.resolve("cupsGetNamedDest"));
        getOption = reinterpret_cast<GetOption>(library.resolve("cupsGetOption"));
        freeDests = reinterpret_cast<FreeDests>(library.resolve("cupsFreeDests"));
        lastError = reinterpret_cast<LastError>(library.resolve("cupsLastError"));
        lastErrorString = reinterpret_cast<LastErrorString>(library.resolve("cupsLastErrorString"));
    }
    bool canAskQueues() const { return getNamedDest && getOption && freeDests; }
    bool canTellLastAnswer() const { return lastError && lastErrorString; }
};

const Cups& cups()
{
    static const Cups loaded;
    return loaded;
}

bool isQueue(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty();
}

/// The queue's own name: CUPS instances are written "queue/instance".
QByteArray queueName(const QPrinter& printer)
{
    return printer.printerName().section(QLatin1Char('/'), 0, 0).toLocal8Bit();
}

} // namespace

QString queueRefusal(const QPrinter& printer)
{
    const Cups& c = cups();
    if (!isQueue(printer) || !c.canAskQueues())
        return {};
    CupsDest* dest = c.getNamedDest(nullptr, queueName(printer).constData(), nullptr);
    if (!dest)
        return {};
    QString why;
    const auto option = [&](const char* name) {
        return QString::fromLocal8Bit(c.getOption(name, dest->numOptions, dest->options)).trimmed();
    };
    if (option("printer-is-accepting-jobs") == QLatin1String("false")) {
        why = QCoreApplication::translate("PrintQueue", "the printer does not accept jobs");
        const QString message = option("printer-state-message");
        const QString reasons = option("printer-state-reasons");
        if (!message.isEmpty())
            why += QStringLiteral(" (%1)").arg(message);
        else if (!reasons.isEmpty() && reasons != QLatin1String("none"))
            why += QStringLiteral(" (%1)").arg(reasons);
    }
    c.freeDests(1, dest);
    return why;
}

bool queuePaused(const QPrinter& printer)
{
    const Cups& c = cups();
    if (!isQueue(printer) || !c.canAskQueues())
        return false;
    CupsDest* dest = c.getNamedDest(nullptr, queueName(printer).constData(), nullptr);
    if (!dest)
        return false;
    constexpr const char* kStopped = "5"; // IPP printer-state: 3 idle, 4 processing, 5 stopped
    const bool paused = qstrcmp(c.getOption("printer-state", dest->numOptions, dest->options), kStopped) == 0;
    c.freeDests(1, dest);
    return paused;
}

QString lastJobRefusal(const QPrinter& printer)
{
    const Cups& c = cups();
    if (!isQueue(printer) || !c.canTellLastAnswer() || c.lastError() < kFirstIppError)
        return {};
    const QString answer = QString::fromLocal8Bit(c.lastErrorString()).trimmed();
    return answer.isEmpty() ? QCoreApplication::translate("PrintQueue", "the print system gave no reason") : answer;
}

} // namespace vorlenza

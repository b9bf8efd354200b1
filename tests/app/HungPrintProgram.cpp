// The program as main() runs it, with the print service it finds (CUPS_SERVER): it prints the main
// window, saves it as the PDF file named by its argument, says "closing" and closes the main window.
// Every message goes to the standard output.

#include "AppSetup.h"
#include "AppWindows.h"
#include "DefaultPrinter.h"
#include "Session.h"
#include "WindowPdfRequest.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

using namespace vorlenza;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    if (argc != 2)
        return 2;
    const QString pdf = QString::fromLocal8Bit(argv[1]);
    int status = 0;
    {
        Session session;
        registerWindows(session);
        Platform& platform = session.platform();
        platform.printServiceWaitMs = 300;
        platform.reportProblem = [](QWidget*, const QString&, const QString& text) {
            std::printf("%s\n", qPrintable(text));
        };
        platform.offerSaveAsPdf = nullptr;
        platform.chooseExportFile = [pdf](QWidget*, const QString&, const QString&, QString*) { return pdf; };
        session.windows().load(WindowId::Main);
        QTimer::singleShot(0, [&session] {
            QWidget* window = session.windows().show(WindowId::Main);
            printOnDefaultPrinter(session, *window, QStringLiteral("Vorlenza - main window"));
            saveWindowAsPdfAsked(session, *window);
            std::printf("closing\n");
            std::fflush(stdout);
            window->close();
        });
        status = QApplication::exec();
    }
    return finishProgram(status);
}

// The program closes at once when asked, though its print service never answers: the question still
// hangs off the window's thread when the main window is closed. Run as its own process, which must
// end within two seconds of closing.

#include "FileTrouble.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestProgramEnd : public QObject {
    Q_OBJECT
private slots:
    void closesAtOnceWhileThePrintServiceHangs()
    {
        QTemporaryDir dir;
        QLocalServer cups; // takes every CUPS request and never answers
        QVERIFY(cups.listen(dir.filePath(QStringLiteral("cups.sock"))));
        const QString pdf = dir.filePath(QStringLiteral("window.pdf"));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUPS_SERVER"), cups.fullServerName());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(HUNG_PRINT_PROGRAM), {pdf});
        QVERIFY(program.waitForStarted());

        QByteArray said;
        QElapsedTimer running;
        running.start();
        while (!said.contains("closing\n") && running.elapsed() < 20000 && program.state() == QProcess::Running) {
            program.waitForReadyRead(200);
            said += program.readAllStandardOutput();
        }
        QElapsedTimer ending;
        ending.start();
        const bool ended =
            said.contains("closing\n") && (program.state() == QProcess::NotRunning || program.waitForFinished(5000));
        const qint64 took = ending.elapsed();
        if (!ended) {
            program.kill();
            program.waitForFinished();
        }
        QVERIFY2(ended && took < 2000, qPrintable(QString::number(took) + QLatin1Char(' ') + said));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        said += program.readAllStandardOutput();
        QVERIFY2(said.contains("The print service of this computer does not answer"), said.constData());
        QVERIFY(ReadBytes(pdf).startsWith("%PDF-"));
    }
};

QTEST_MAIN(TestProgramEnd)
#include "tst_programend.moc"

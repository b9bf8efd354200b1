// The results' save dialog: Qt's dialog with the file types it is given, the first one chosen,
// starting in the user's documents folder, or in the home folder when there is no documents folder.

#include "Session.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace vorlenza;

class TestSaveDialog : public QObject {
    Q_OBJECT
private slots:
    void startFolder_data()
    {
        QTest::addColumn<QString>("documents"); // made under the home folder; empty: none made
        QTest::addColumn<QString>("opensIn");   // relative to the home folder
        QTest::newRow("documents folder") << "Documents"
                                          << "Documents";
        QTest::newRow("no documents folder") << ""
                                             << "";
    }
    void startFolder()
    {
        QFETCH(QString, documents);
        QFETCH(QString, opensIn);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        if (!documents.isEmpty())
            QVERIFY(QDir(home.path()).mkpath(documents));
        // No user-dirs file: the documents folder is ~/Documents.
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());

        Session session;
        QString folder;
        QStringList filters;
        QString selected;
        bool saving = false;
        QTimer look;
        connect(&look, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
                    folder = dialog->directory().absolutePath();
                    filters = dialog->nameFilters();
                    selected = dialog->selectedNameFilter();
                    saving = dialog->acceptMode() == QFileDialog::AcceptSave;
                    dialog->reject();
                }
        });
        look.start(20);
        QString chosenFilter = QStringLiteral("Results file (*)");
        const QString chosen = session.platform().chooseSaveFile(
            nullptr, QStringLiteral("Results file (*);;Spreadsheet (*.xlsx)"), &chosenFilter);
        look.stop();
        QCOMPARE(chosen, QString()); // cancelled
        QVERIFY(saving);
        QCOMPARE(QDir(folder).canonicalPath(), QDir(home.filePath(opensIn)).canonicalPath());
        QCOMPARE(filters, QStringList({"Results file (*)", "Spreadsheet (*.xlsx)"}));
        QCOMPARE(selected, QStringLiteral("Results file (*)"));
    }

    void typedExportName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen"); // relative to the start folder; empty: nothing chosen
        QTest::newRow("plain name") << "page.pdf"
                                    << "page.pdf";
        QTest::newRow("a quote inside") << "a\"b.pdf"
                                        << "";
        QTest::newRow("a quoted part") << "my \"best\" run.pdf"
                                       << "";
    }
    void typedExportName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());

        Session session;
        QStringList told;
        session.platform().reportProblem = [&](QWidget*, const QString&, const QString& text) { told << text; };
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
                    if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                        edit->setText(typed);
                    static_cast<QDialog*>(dialog)->accept(); // QFileDialog keeps its own accept() protected
                    if (dialog->isVisible())
                        dialog->reject(); // the dialog kept itself open: nothing chosen
                }
        });
        answer.start(20);
        QString filter = QStringLiteral("PDF document (*.pdf)");
        const QString result = session.platform().chooseExportFile(nullptr, QStringLiteral("w.pdf"), filter, &filter);
        answer.stop();
        QCOMPARE(result, chosen.isEmpty() ? QString() : QDir(saveDialogFolder()).filePath(chosen));
        QCOMPARE(told.size(), chosen.isEmpty() ? 1 : 0);
        if (!told.isEmpty())
            QVERIFY2(told[0].contains(typed), qPrintable(told[0]));
    }
};

QTEST_MAIN(TestSaveDialog)
#include "tst_savedialog.moc"

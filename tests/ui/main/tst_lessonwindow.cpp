// The lesson window taken by keyboard alone (Tab, arrows, Space): opened through Ctrl+O as any scenario is, beside the
// main window; each prediction right for the outcome of its values and wrong for the other three;
// a reach task leaves only its fields open; the answers handed in.

#include "MainSuite.h"
#include "Language.h"
#include "frmLesson.h"

#include <QComboBox>

#include <array>
#include <QLabel>
#include <QTemporaryDir>

namespace {

const QString kLesson = QStringLiteral(VORLENZA_EXAMPLES_DIR "/lesson-four-outcomes.vorlenza");

/// A key as the user types it: through the window that has the focus, so that its access keys work.
void type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWindow* window = QGuiApplication::focusWindow();
    QVERIFY(window);
    QTest::keyClick(window, Qt::Key(key), modifiers);
}

/// A button of the lesson window pressed by keyboard alone: Tab until it has the focus, then Space.
void press(const char* name)
{
    for (int i = 0; i < 12 && QApplication::focusWidget()->objectName() != QLatin1String(name); ++i)
        type(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(name));
    type(Qt::Key_Space);
}

} // namespace

class TestLessonWindow : public MainSuite {
    Q_OBJECT

    frmLesson* lesson() { return h->session.windows().window<frmLesson>(WindowId::Lesson); }
    QString said() { return lesson()->findChild<QLabel*>(QStringLiteral("lblMark"))->text(); }

    void open()
    {
        h->openAnswer = kLesson;
        QTest::keyClick(h->main(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(lesson() && QTest::qWaitForWindowActive(lesson()));
        QVERIFY(h->session.windows().isVisible(WindowId::Main));
    }

private slots:
    void opensEveryWay_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("the open dialog") << "dialog";
        QTest::newRow("the chart menu's examples") << "Examples > 7 Lesson: the four outcomes";
        QTest::newRow("the command line") << "command line";
    }
    void opensEveryWay()
    {
        QFETCH(QString, way);
        h->click("cmdRun");
        if (way == QLatin1String("dialog")) {
            open();
            return;
        }
        if (way == QLatin1String("command line")) {
            openCommandLineFile(h->session, {QStringLiteral("vorlenza"), kLesson});
        } else {
            h->menuChoice = way;
            QTest::keyClick(h->main()->chart(), Qt::Key_Menu);
        }
        QCOMPARE(h->messages, QStringList());
        QVERIFY(lesson() && lesson()->isVisible() && h->session.windows().isVisible(WindowId::Main));
        QCOMPARE(lesson()->answers().tasks.size(), std::size_t(6));
    }

    void predictionsMarkedByKeyboard_data()
    {
        QTest::addColumn<int>("task");
        QTest::addColumn<int>("right"); // the offered answer that is right: coexistence, A, B, the start
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("rightSaid");
        QTest::addColumn<QString>("wrongSaid");
        for (const auto& [language, rightSaid, wrongSaid] :
             {std::array<const char*, 3>{"en", "Right.", "Wrong."}, {"de", "Richtig.", "Falsch."}}) {
            QTest::addRow("coexistence, %s", language) << 0 << 0 << language << rightSaid << wrongSaid;
            QTest::addRow("A wins, %s", language) << 1 << 1 << language << rightSaid << wrongSaid;
            QTest::addRow("B wins, %s", language) << 2 << 2 << language << rightSaid << wrongSaid;
            QTest::addRow("the start decides, %s", language) << 3 << 3 << language << rightSaid << wrongSaid;
        }
    }
    void predictionsMarkedByKeyboard()
    {
        QFETCH(int, task);
        QFETCH(int, right);
        QFETCH(QString, language);
        QFETCH(QString, rightSaid);
        QFETCH(QString, wrongSaid);
        Translations translations;
        QCOMPARE(translations.use({language}), language == QLatin1String("en") ? QString() : language);
        open();
        for (int i = 0; i < task; ++i)
            press("cmdNext");
        QCOMPARE(lesson()->task(), task);
        // the prediction first: Run stays off until it is answered
        const auto* run = h->main()->findChild<QPushButton*>(QStringLiteral("cmdRun"));
        QVERIFY(!run->isEnabled());
        for (int answer = 0; answer < 4; ++answer) {
            for (int k = 0; k < 12 && QApplication::focusWidget()->objectName() != QLatin1String("cboAnswer"); ++k)
                type(Qt::Key_Tab);
            type(Qt::Key_Home);
            for (int k = 0; k < answer; ++k)
                type(Qt::Key_Down);
            press("cmdCheck");
            QVERIFY2(said().startsWith(answer == right ? rightSaid : wrongSaid), qPrintable(said()));
            QVERIFY2(said().contains(QLatin1String("K1/K2 = 2")), qPrintable(said()));
        }
        QCOMPARE(lesson()->answers().marked(), 1);
        QVERIFY(run->isEnabled());
    }

    void reachLeavesOnlyItsFieldsOpen()
    {
        open();
        for (int i = 0; i < 4; ++i)
            press("cmdNext");
        QCOMPARE(lesson()->task(), 4);
        const auto field = [this](const char* name) { return h->main()->findChild<QLineEdit*>(QLatin1String(name)); };
        QVERIFY(!field("txtU")->isReadOnly() && !field("txtV")->isReadOnly());
        QVERIFY(field("txtK1")->isReadOnly() && field("txtRrateA")->isReadOnly() && field("txtSimut")->isReadOnly());
        // marked at each Run: alpha = 2.5 > K1/K2 = 2 with beta = 0.4 < K2/K1 = 0.5, B wins
        field("txtU")->setText(QStringLiteral("2.5"));
        QTest::keyClick(field("txtU"), Qt::Key_Return);
        h->click("cmdRun");
        QVERIFY2(said().startsWith(QLatin1String("Right.")), qPrintable(said()));
        field("txtU")->setText(QStringLiteral("1.5"));
        QTest::keyClick(field("txtU"), Qt::Key_Return);
        h->click("cmdRun");
        QVERIFY2(said().startsWith(QLatin1String("Wrong.")), qPrintable(said()));
        press("cmdNext");
        QVERIFY(!field("txtK1")->isReadOnly());
    }

    void handsInByKeyboard()
    {
        open();
        press("cmdCheck");
        QTemporaryDir dir;
        h->exportAnswer = dir.filePath(QStringLiteral("anna.json"));
        int asked = 0;
        h->session.platform().askStudentName = [&asked](QWidget*, QString& name) {
            ++asked;
            name = QStringLiteral("Anna");
            return true;
        };
        press("cmdSave");
        press("cmdSave");
        QCOMPARE(asked, 1);
        const AnswersReading back = readAnswersFile(h->exportAnswer);
        QVERIFY(back.problem.ok());
        QCOMPARE(back.answers.student, QStringLiteral("Anna"));
        QCOMPARE(back.answers.marked(), 1);
        QVERIFY(back.answers.tasks[0].run.has_value());
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("anna.pdf"))));
    }
};

QTEST_MAIN(TestLessonWindow)
#include "tst_lessonwindow.moc"

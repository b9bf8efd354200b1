#pragma once

// A session with every window registered and the desktop answered by the test: the save dialog
// returns `saveAnswer`, the default printer comes from `makePrinter`, messages are collected in
// `messages`, the clock reads `now`, and ending the program only counts.

#include "../UiSupport.h"
#include "AppWindows.h"
#include "ChartView.h"
#include "Look.h"
#include "Session.h"
#include "frmForm1.h"
#include "frmLarggraf.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSemaphore>
#include <QtTest>

#include <atomic>
#include <functional>
#include <memory>

using namespace vorlenza;

struct MainHarness {
    Session session;
    int exits = 0;
    QStringList messages;
    QString saveAnswer;
    QString saveFilter;  ///< the file type chosen in the results' save dialog (empty: the first)
    QString saveFilters; ///< the file types that dialog offered
    int saveDialogs = 0;
    std::function<std::unique_ptr<QPrinter>()> makePrinter = [] { return std::unique_ptr<QPrinter>(); };
    QString queueRefuses;     ///< the print system's answer before a job: why the queue takes none
    QString jobRefused;       ///< its answer after a job: why it did not take it
    bool queuePaused = false; ///< its answer before a job: the printer is paused
    /// A print service that never answers until `gate` is released.
    struct HungService {
        QSemaphore gate;
        std::atomic<bool> released{false};
    };
    std::shared_ptr<HungService> hung;
    QStringList printJobs; ///< the name of every job offered to the print system
    QDateTime now = QDateTime(QDate(2031, 5, 6), QTime(7, 8, 9));
    bool savePdfAnswer = false;      ///< the answer to "Save as PDF…" beside "OK" after a failed print
    QString exportAnswer;            ///< the chart and page save dialog's answer (empty: cancelled)
    QString exportFilter;            ///< the filter chosen there (empty: the one it starts with)
    QStringList exportSuggested;     ///< the file name each of those dialogs started with
    QString menuChoice;              ///< the item taken from a chart menu (empty: the menu is closed)
    QList<QStringList> menus;        ///< the items of every chart menu opened
    QList<QStringList> menuTexts;    ///< the same as the menu holds them, with their access keys
    QString openAnswer;              ///< the scenario open dialog's answer (empty: cancelled)
    bool openAnswerVanishes = false; ///< the answered file is gone by the time the dialog closes
    QString titleAnswer, noteAnswer; ///< the title and note the user leaves (null: as offered)
    QStringList textsAsked;          ///< the title and note each of those dialogs started with

    MainHarness()
    {
        registerWindows(session);
        session.windows().setExitFunction([this] { ++exits; });
        Platform& p = session.platform();
        p.chooseSaveFile = [this](QWidget*, const QString& filters, QString* filter) {
            ++saveDialogs;
            saveFilters = filters;
            if (!saveFilter.isEmpty())
                *filter = saveFilter;
            return saveAnswer;
        };
        p.defaultPrinter = [this]() -> std::unique_ptr<QPrinter> {
            if (const std::shared_ptr<HungService> service = hung) { // asked off the window's thread
                service->gate.acquire();
                service->released = true;
                return nullptr;
            }
            return makePrinter();
        };
        p.printerRefusal = [this](const QPrinter& printer) {
            printJobs << printer.docName();
            return queueRefuses;
        };
        p.printerPaused = [this](const QPrinter&) { return queuePaused; };
        p.jobRefusal = [this](const QPrinter&) { return jobRefused; };
        p.reportProblem = [this](QWidget*, const QString& title, const QString& text) {
            messages << title + QStringLiteral(": ") + text;
        };
        p.offerSaveAsPdf = [this](QWidget*, const QString& title, const QString& text) {
            messages << title + QStringLiteral(": ") + text;
            return savePdfAnswer;
        };
        p.chooseExportFile = [this](QWidget*, const QString& suggested, const QString&, QString* filter) {
            exportSuggested << suggested;
            if (!exportFilter.isEmpty())
                *filter = exportFilter;
            return exportAnswer;
        };
        p.runMenu = [this](QMenu& menu, const QPoint&) -> QAction* {
            QStringList items, texts;
            QAction* chosen = nullptr;
            for (QAction* a : menu.actions()) {
                if (a->isSeparator())
                    continue;
                // as the items read, without the marks of their access keys
                const QString text = QString(a->text()).remove(QLatin1Char('&'));
                texts << a->text();
                if (a->menu()) { // a submenu: "Examples >", its items "Examples > 1 Coexistence"
                    items << text + QStringLiteral(" >");
                    for (QAction* inner : a->menu()->actions())
                        if (text + QStringLiteral(" > ") + QString(inner->text()).remove(QLatin1Char('&')) ==
                            menuChoice)
                            chosen = inner;
                    continue;
                }
                items << text + (a->isCheckable() ? (a->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]"))
                                                  : QString());
                if (text == menuChoice)
                    chosen = a;
            }
            menus << items;
            menuTexts << texts;
            return chosen;
        };
        p.now = [this] { return now; };
        p.chooseOpenFile = [this](QWidget*, const QString&, const QString&) {
            if (openAnswerVanishes)
                QFile::remove(openAnswer);
            return openAnswer;
        };
        p.askScenarioTexts = [this](QWidget*, QString& title, QString& note) {
            textsAsked << title << note;
            if (!titleAnswer.isNull())
                title = titleAnswer;
            if (!noteAnswer.isNull())
                note = noteAnswer;
            return true;
        };
        p.examplesFolder = QStringLiteral(VORLENZA_EXAMPLES_DIR);
    }

    ~MainHarness()
    {
        if (hung)
            hung->gate.release();
    }

    /// The main window as the title window leaves it: created (its load has run) and shown.
    frmForm1* showMain()
    {
        auto* w = qobject_cast<frmForm1*>(session.windows().show(WindowId::Main));
        if (w && !QTest::qWaitForWindowActive(w))
            qWarning("the main window did not become active");
        return w;
    }

    frmForm1* main() { return session.windows().window<frmForm1>(WindowId::Main); }
    frmLarggraf* large() { return session.windows().window<frmLarggraf>(WindowId::Large); }

    template <class T = QWidget> T* child(const char* name)
    {
        return main() ? main()->findChild<T*>(QLatin1String(name)) : nullptr;
    }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(name); }
    QPushButton* button(const char* name) { return child<QPushButton>(name); }
    QString text(const char* name) { return edit(name) ? edit(name)->text() : QStringLiteral("<none>"); }

    void click(const char* name)
    {
        QWidget* w = child(name);
        QVERIFY2(w, name);
        QVERIFY2(w->isEnabled(), name);
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }

    /// Replaces a field's whole text by typing, like a user who selects it and types.
    void type(const char* name, const QString& typed)
    {
        QLineEdit* e = edit(name);
        QVERIFY2(e, name);
        e->setFocus();
        e->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(e, Qt::Key_Delete);
        else
            QTest::keyClicks(e, typed);
    }

    void enter(const char* name)
    {
        QLineEdit* e = edit(name);
        QVERIFY2(e, name);
        e->setFocus();
        QTest::keyClick(e, Qt::Key_Return);
    }

    /// The default printer becomes one that writes `pdf`; with no file name there is no printer.
    void printTo(const QString& pdf)
    {
        makePrinter = [pdf]() -> std::unique_ptr<QPrinter> {
            if (pdf.isEmpty())
                return nullptr;
            auto p = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(pdf);
            return p;
        };
    }

    /// After a print command: the page was written without a word, or the lack of a printer said,
    /// or the printer's refusal said with its reason (before a job: and no page drawn).
    void checkPrinted(const QString& pdf)
    {
        if (!pdf.isEmpty() && (!queueRefuses.isEmpty() || !jobRefused.isEmpty())) {
            QCOMPARE(messages.size(), 1);
            const QString why = queueRefuses.isEmpty() ? jobRefused : queueRefuses;
            QVERIFY2(messages[0].contains(QStringLiteral("did not take the page: ") + why), qPrintable(messages[0]));
            QCOMPARE(QFileInfo::exists(pdf), queueRefuses.isEmpty());
        } else if (!pdf.isEmpty()) {
            QCOMPARE(messages, QStringList());
            QVERIFY(QFileInfo(pdf).size() > 1000);
        } else {
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].contains(QStringLiteral("No printer")), qPrintable(messages[0]));
        }
    }

    /// Presses a key where the keyboard focus is, as the user would.
    static void pressKey(Qt::Key key)
    {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, key);
    }
};

/// A chart's title, the text element above its plot.
inline QString chartTitle(ChartView* chart)
{
    for (QCPLayoutElement* e : chart->plotLayout()->elements(true))
        if (auto* text = qobject_cast<QCPTextElement*>(e))
            return text->text();
    return QString();
}

/// The Liberation fonts stand in for the designed fonts in every test.
inline void useDesignFonts() { look::installFontSubstitutions(); }

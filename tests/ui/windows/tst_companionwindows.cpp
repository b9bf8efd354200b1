// The introduction, references, how-to, about, dedication and quiz windows: their ways in and out,
// their texts, their layout, and the two ways the program ends.

#include "WindowsHarness.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

#include <memory>

namespace {
QRect pixels(int l, int t, int w, int h)
{
    return QRect(qRound(l / 15.0), qRound(t / 15.0), qRound(w / 15.0), qRound(h / 15.0));
}

QString labelText(const WindowsHarness& h, WindowId id, const char* name)
{
    auto* l = h.child<QLabel>(id, name);
    return l ? l->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

/// Whether `text` is `pattern`, where each "*" stands for any run of characters within one line.
bool matches(const QString& text, const QString& pattern)
{
    QStringList pieces = pattern.split(QLatin1Char('*'));
    for (QString& piece : pieces)
        piece = QRegularExpression::escape(piece);
    return QRegularExpression(QStringLiteral("\\A") + pieces.join(QStringLiteral("[^\\n]*")) + QStringLiteral("\\z"))
        .match(text)
        .hasMatch();
}
} // namespace

class TstCompanionWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowsHarness> h;

    /// Opens a companion window the way the main window does: hide the main window, show it.
    QWidget* open(WindowId id)
    {
        h->windows().hide(WindowId::Main);
        return h->windows().show(id);
    }

private slots:
    void initTestCase() { look::installFontSubstitutions(); }
    void init()
    {
        h = std::make_unique<WindowsHarness>();
        h->reachMain();
        QCOMPARE(h->upNow(), QList<WindowId>{WindowId::Main});
    }
    void cleanup() { h.reset(); }

    // ---- ways out (the ways in from the main and large windows are tested with those windows) ----

    void waysOut_data()
    {
        QTest::addColumn<WindowId>("from");
        QTest::addColumn<QString>("button"); // with its caption; "" for a close through the frame
        QTest::addColumn<WindowId>("leadsTo");
        QTest::addRow("introduction OK") << WindowId::Introduction << "cmdCommand1 OK" << WindowId::Main;
        QTest::addRow("introduction References")
            << WindowId::Introduction << "cmdCommand2 References" << WindowId::References;
        QTest::addRow("references back") << WindowId::References << "Command1 Back to main form" << WindowId::Main;
        QTest::addRow("references Quit") << WindowId::References << "Command2 Quit" << WindowId::About;
        QTest::addRow("how-to OK") << WindowId::HowTo << "cmdCommand1 OK" << WindowId::Main;
        QTest::addRow("about OK") << WindowId::About << "cmdCommand1 OK" << WindowId::Dedication;
        QTest::addRow("quiz back") << WindowId::Quiz << "Command1 Back to the mainform" << WindowId::Main;
        for (WindowId id :
             {WindowId::Introduction, WindowId::References, WindowId::HowTo, WindowId::About, WindowId::Quiz})
            QTest::addRow("%s frame close", idName(id)) << id << "" << WindowId::Main;
    }
    void waysOut()
    {
        QFETCH(WindowId, from);
        QFETCH(QString, button);
        QFETCH(WindowId, leadsTo);
        QPointer<QWidget> w = open(from);
        if (button.isEmpty()) {
            // Closed through its frame, the window goes; the next show makes it anew.
            WindowsHarness::closeByFrame(w);
            QVERIFY(!w && !h->window(from));
            QCOMPARE(h->upNow(), QList<WindowId>{leadsTo});
            QCOMPARE(h->exits, 0);
            QVERIFY(!h->windows().ending());
            QVERIFY(open(from));
            QCOMPARE(h->upNow(), QList<WindowId>{from});
            return;
        }
        auto* b = h->child<QPushButton>(from, qPrintable(button.section(QLatin1Char(' '), 0, 0)));
        QVERIFY(b);
        QCOMPARE(b->text(), button.section(QLatin1Char(' '), 1));
        // Pressed with the mouse, then again with Enter while it has the focus.
        for (bool byKey : {false, true}) {
            if (byKey) {
                h->windows().hide(leadsTo);
                open(from);
                b->setFocus();
                QTest::keyClick(b, Qt::Key_Return);
            } else {
                QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(h->upNow(), QList<WindowId>{leadsTo});
            // Left by a button, the window is only hidden.
            QCOMPARE(h->window(from), w.data());
            QCOMPARE(h->exits, 0);
        }
    }

    // ---- the two exits ---------------------------------------------------------------------

    void exitsRunNoOtherHandler_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addRow("dedication button") << "dedication button";
        QTest::addRow("dedication frame") << "dedication frame";
        QTest::addRow("main window frame") << "main frame";
    }
    void exitsRunNoOtherHandler()
    {
        QFETCH(QString, how);
        // Leave every other window created but hidden, so that a stray handler would show.
        for (WindowId id : {WindowId::Large, WindowId::Introduction, WindowId::References, WindowId::HowTo,
                            WindowId::Quiz, WindowId::About}) {
            open(id);
            h->windows().hide(id);
        }
        h->windows().show(WindowId::Main);
        if (how.startsWith(QLatin1String("dedication"))) {
            h->click(WindowId::Main, "cmdQuit");
            h->click(WindowId::About, "cmdCommand1");
        }
        WindowTrail trail(h->session);
        if (how == QLatin1String("dedication button"))
            h->click(WindowId::Dedication, "Command1");
        else
            h->window(how == QLatin1String("main frame") ? WindowId::Main : WindowId::Dedication)->close();
        QCOMPARE(h->exits, 1);
        QVERIFY(h->windows().ending());
        // Only the frame close itself reached a window; nothing else was asked to close or shown.
        QCOMPARE(trail.steps.filter(QStringLiteral("close ")).size(), how.endsWith(QLatin1String("frame")) ? 1 : 0);
        QCOMPARE(trail.steps.filter(QStringLiteral("show ")), QStringList());
        QCOMPARE(h->upNow(), QList<WindowId>{});
        QVERIFY(!h->visible(WindowId::Background));

        // While ending, a close handler does nothing: no window comes back.
        for (WindowId id : {WindowId::Large, WindowId::Introduction, WindowId::Quiz, WindowId::About})
            if (QWidget* w = h->window(id))
                w->close();
        QCOMPARE(h->upNow(), QList<WindowId>{});
        QCOMPARE(h->exits, 1);
    }

    // ---- created anew, or kept ---------------------------------------------------------------

    void aboutReadsTheYearAgainOnlyWhenCreatedAgain()
    {
        h->now = QDateTime(QDate(2031, 1, 1), QTime(0, 0, 1));
        h->click(WindowId::Main, "cmdQuit");
        QVERIFY(labelText(*h, WindowId::About, "lblLabel5").contains(QLatin1String("-2031 ")));
        QVERIFY(labelText(*h, WindowId::About, "lblLabel7").contains(QLatin1String(" 2031. ")));

        // Hidden and shown again: kept as it was.
        h->windows().hide(WindowId::About);
        h->now = QDateTime(QDate(2032, 1, 1), QTime(0, 0, 1));
        h->windows().show(WindowId::About);
        QVERIFY(labelText(*h, WindowId::About, "lblLabel5").contains(QLatin1String("-2031 ")));

        // Closed through its frame: the next show runs its load again.
        WindowsHarness::closeByFrame(h->window(WindowId::About));
        h->click(WindowId::Main, "cmdQuit");
        QVERIFY(labelText(*h, WindowId::About, "lblLabel5").contains(QLatin1String("-2032 ")));
        QVERIFY(labelText(*h, WindowId::About, "lblLabel7").contains(QLatin1String(" 2032. ")));
    }

    void hiddenIntroductionKeepsWhereTheReaderWas()
    {
        open(WindowId::Introduction);
        auto* text = h->child<QPlainTextEdit>(WindowId::Introduction, "txtText1");
        text->moveCursor(QTextCursor::End);
        const int at = text->textCursor().position();
        QVERIFY(at > 0);
        h->click(WindowId::Introduction, "cmdCommand1");
        open(WindowId::Introduction);
        QCOMPARE(h->child<QPlainTextEdit>(WindowId::Introduction, "txtText1"), text);
        QCOMPARE(text->textCursor().position(), at);
    }

    // ---- texts -------------------------------------------------------------------------------

    void texts_data()
    {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("pattern"); // "*": any run of characters within one line
        QTest::addRow("introduction")
            << WindowId::Introduction << "txtText1"
            << QStringLiteral(
                   "*Lotka* model. It is extended from the logistic growth model.  It assumes that all individuals of a "
                   "species are identical (no age difference and no sexual dimorphism). Detailed discussions can be "
                   "found in most Ecology textbooks. This model is not applicable to age-structured populations. "
                   "However, the undergraduate students can use this model to learn about the isocline and "
                   "equilibrium analysis and vector addition. ");
        QTest::addRow("how to")
            << WindowId::HowTo << "lblLabel1"
            << QStringLiteral(
                   "Click on RUN to run the simulation.\nClick on the graph to see more graphs.\nClick on a parameter "
                   "box to change the default value, then press Enter to confirm the change. \n\n*@example.org*");
        QTest::addRow("citation")
            << WindowId::About << "lblLabel7"
            << QStringLiteral(
                   "If you use this program in your research, please cite the following  reference in your paper:\n\n"
                   "The Vorlenza authors. 2040. *");
        QTest::addRow("new versions")
            << WindowId::About << "lblLabel6"
            << QStringLiteral(
                   "You can get new version of this program at:\n1. https://*example.org*\n2. https://*example.com*\n"
                   "(*).\n3. *.");
        QTest::addRow("copyright") << WindowId::About << "lblLabel5"
                                   << "*-2040 Vorlenza authors";
        QTest::addRow("references heading") << WindowId::References << "Label1_0"
                                            << "References";
        QTest::addRow("Gause")
            << WindowId::References << "Label1_2"
            << QStringLiteral(
                   "Gause, G. F. 1932. Experimental studies on the struggle for existence. I. Mixed population of two "
                   "species of yeast. Journal of Experimental Biology 9: 389\u2013402.");
        QTest::addRow("May")
            << WindowId::References << "Label1_4"
            << QStringLiteral(
                   "May, R. M. 1976. Models for two interacting populations. Pages 78\u2013104 in R. M. May (ed.), "
                   "Theoretical Ecology: Principles and Applications. Blackwell, Oxford.");
        QTest::addRow("Volterra")
            << WindowId::References << "Label1_1"
            << QStringLiteral(
                   "Volterra, V. 1926. Variazioni e fluttuazioni del numero d'individui in specie animali conviventi. "
                   "Mem. R. Accad. Naz. Lincei (ser. 6) 2: 31\u2013113. Translated in R. N. Chapman. 1931. Animal "
                   "Ecology. McGraw-Hill, New York, pp. 409\u2013448.");
        QTest::addRow("Yodzis") << WindowId::References << "Label1_3"
                                << "Yodzis, P. 1989. Introduction to Theoretical Ecology. Harper & Row, New York.";
    }
    void texts()
    {
        QFETCH(WindowId, id);
        QFETCH(QString, control);
        QFETCH(QString, pattern);
        h->now = QDateTime(QDate(2040, 12, 31), QTime(23, 59, 59));
        open(id);
        QWidget* w = h->child(id, control.toLatin1().constData());
        QVERIFY(w);
        QString text;
        if (auto* l = qobject_cast<QLabel*>(w))
            text = l->text();
        if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
            text = e->toPlainText();
            QVERIFY(e->isReadOnly());
        }
        QVERIFY2(matches(text, pattern), qPrintable(text));
    }

    void captions_data()
    {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<QString>("caption");
        QTest::addRow("introduction") << WindowId::Introduction << "Introduction";
        QTest::addRow("references") << WindowId::References << "References";
        QTest::addRow("how-to") << WindowId::HowTo << "How to";
        QTest::addRow("about") << WindowId::About << "Copyright";
        QTest::addRow("dedication") << WindowId::Dedication << "Dedication";
        QTest::addRow("quiz") << WindowId::Quiz << "Quiz";
    }
    void captions()
    {
        QFETCH(WindowId, id);
        QFETCH(QString, caption);
        QWidget* w = open(id);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->minimumSize(), w->maximumSize());
        const Qt::WindowFlags f = w->windowFlags();
        QVERIFY(f.testFlag(Qt::WindowTitleHint) && f.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!f.testFlag(Qt::WindowMaximizeButtonHint) && !f.testFlag(Qt::WindowMinimizeButtonHint));
        QCOMPARE(w->windowType(), id == WindowId::Dedication ? Qt::Dialog : Qt::Window);
        QVERIFY(!w->isModal());
        // In the middle of the screen (its frame is guessed until the window system tells).
        const QPoint off = w->geometry().center() - w->screen()->availableGeometry().center();
        QVERIFY2(qAbs(off.x()) <= 8 && qAbs(off.y()) <= 20, "off centre");
    }

    // ---- layout ------------------------------------------------------------------------------

    void controlPlaces_data()
    {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twipsRect");
        struct Place {
            const char* name;
            int l, t, w, h;
        };
        const std::pair<WindowId, std::vector<Place>> windows[] = {
            {WindowId::Introduction,
             {{"txtText1", 240, 120, 7215, 5295},
              {"cmdCommand2", 2160, 5520, 1815, 495},
              {"cmdCommand1", 4560, 5520, 1215, 495}}},
            {WindowId::References,
             {{"Label1_0", 240, 240, 6735, 255},
              {"Label1_2", 240, 720, 8295, 615},
              {"Label1_4", 240, 1440, 8415, 615},
              {"Label1_1", 240, 2160, 8415, 975},
              {"Label1_3", 240, 3240, 8415, 375},
              {"Command1", 2520, 5160, 2295, 495},
              {"Command2", 5160, 5160, 975, 495}}},
            {WindowId::HowTo, {{"lblLabel1", 240, 240, 6255, 4575}, {"cmdCommand1", 2760, 5040, 1215, 495}}},
            {WindowId::About,
             {{"lblLabel1", 600, 120, 6615, 375},
              {"lblLabel2", 480, 480, 7335, 1575},
              {"lblLabel3", 360, 2160, 4575, 975},
              {"lblLabel4", 5160, 2640, 2895, 375},
              {"lblLabel5", 4920, 3000, 3255, 375},
              {"lblLabel7", 360, 3240, 4575, 1935},
              {"lblLabel6", 360, 5280, 4575, 1575},
              {"picPicture1", 5640, 3720, 1776, 2292},
              {"cmdCommand1", 6000, 6360, 1215, 495}}},
            {WindowId::Dedication, {{"Frame1", 360, 240, 6492, 6972}, {"Command1", 1320, 7320, 4575, 495}}},
            {WindowId::Quiz, {{"Command1", 3600, 6840, 3015, 495}}},
        };
        for (const auto& [id, places] : windows)
            for (const Place& p : places)
                QTest::addRow("%s %s", idName(id), p.name) << id << p.name << QRect(p.l, p.t, p.w, p.h);
    }
    void controlPlaces()
    {
        QFETCH(WindowId, id);
        QFETCH(QString, name);
        QFETCH(QRect, twipsRect);
        open(id);
        QWidget* c = h->child(id, name.toLatin1().constData());
        QVERIFY(c);
        QVERIFY2(misplaced(c, twipsRect).isEmpty(), qPrintable(misplaced(c, twipsRect)));
    }

    void borderedLabelsKeepABlackLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("bordered");
        QTest::addRow("legal notice") << "lblLabel3" << true;
        QTest::addRow("citation") << "lblLabel7" << true;
        QTest::addRow("new version") << "lblLabel6" << true;
        QTest::addRow("usage") << "lblLabel1" << false;
        QTest::addRow("copyright") << "lblLabel5" << false;
    }
    void borderedLabelsKeepABlackLine()
    {
        QFETCH(QString, name);
        QFETCH(bool, bordered);
        open(WindowId::About);
        auto* l = h->child<QLabel>(WindowId::About, name.toLatin1().constData());
        const QImage shot = l->grab().toImage();
        const QColor corner = shot.pixelColor(0, shot.height() / 2);
        if (bordered)
            QCOMPARE(corner, QColor(Qt::black));
        else
            QCOMPARE(corner, l->palette().color(QPalette::Window));
    }

    void aboutPictureShowsWhole()
    {
        open(WindowId::About);
        auto* pic = h->child<QLabel>(WindowId::About, "picPicture1");
        const QPixmap pm = pic->pixmap();
        QVERIFY(!pm.isNull());
        // 136 x 180 picture pixels at 12 twips each, inside its box.
        QCOMPARE(pm.deviceIndependentSize().toSize(), QSize(qRound(136 * 12 / 15.0), qRound(180 * 12 / 15.0)));
        QVERIFY(pic->contentsRect().contains(QRect(QPoint(0, 0), pm.deviceIndependentSize().toSize())));
        QCOMPARE(pic->cursor().shape(), h->window(WindowId::About)->cursor().shape());
        QCOMPARE(h->child(WindowId::About, "cmdCommand1")->cursor().hotSpot(), QPoint(12, 1));
    }

    void dedicationPictureCentredInItsFrame()
    {
        open(WindowId::Dedication);
        auto* pic = h->child<QLabel>(WindowId::Dedication, "Picture2");
        QVERIFY(pic);
        QCOMPARE(pic->parentWidget()->objectName(), QStringLiteral("Frame1"));
        // ((6492 - 6048) / 2, (6972 - 6708) / 2) = (222, 132) twips in the frame.
        QCOMPARE(pic->pos(), QPoint(qRound(222 / 15.0), qRound(132 / 15.0)));
        QVERIFY2(misplaced(pic, QRect(222, 132, 6048, 6708)).isEmpty(),
                 qPrintable(misplaced(pic, QRect(222, 132, 6048, 6708))));
        QCOMPARE(pic->pixmap().deviceIndependentSize().toSize(), pic->size());
    }

    void quizImageInTheWindow()
    {
        QPointer<QWidget> quiz = open(WindowId::Quiz);
        auto* img = h->child<QLabel>(WindowId::Quiz, "imgImage1");
        QVERIFY(img && !img->pixmap().isNull());
        // 600 x 422 picture pixels at 12 twips each: 7200 x 5064 twips.
        QCOMPARE(img->size(), pixels(0, 0, 7200, 5064).size());
        QCOMPARE(img->pixmap().deviceIndependentSize().toSize(), img->size());
        // Placed with the outer size the platform gives the shown window (its frame included),
        // not with the frame guessed before the first show (8 x 30 px: at 1388, 1066 twips).
        QTRY_VERIFY(quiz->frameGeometry().size() != quiz->size());
        const QSize outer = quiz->frameGeometry().size() * 15;
        const QPoint expected(qRound((outer.width() - 7200) / 2 / 15.0),
                              qRound(((outer.height() - 5064) / 2 - 400) / 15.0));
        QVERIFY(expected != pixels(1388, 1066, 0, 0).topLeft());
        QVERIFY2((img->pos() - expected).manhattanLength() <= 1,
                 qPrintable(QStringLiteral("at %1,%2 in a frame of %3x%4")
                                .arg(img->x())
                                .arg(img->y())
                                .arg(outer.width() / 15)
                                .arg(outer.height() / 15)));
        QVERIFY(img->geometry().bottom() < h->child(WindowId::Quiz, "Command1")->y());
        QVERIFY(quiz->rect().contains(img->geometry()));
        const QPoint first = img->pos();

        // Closed and opened again: a new window, placed again at the same place.
        WindowsHarness::closeByFrame(quiz);
        QVERIFY(!quiz);
        open(WindowId::Quiz);
        QCOMPARE(h->child<QLabel>(WindowId::Quiz, "imgImage1")->pos(), first);
    }
};

QTEST_MAIN(TstCompanionWindows)
#include "tst_companionwindows.moc"

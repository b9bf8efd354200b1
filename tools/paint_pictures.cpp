// Paints the program's pictures into a folder (normally src/resources):
//   icon.png         window icon, 32 x 32, 16 colours
//   quiz-button.png  picture of the main window's quiz button, 32 x 32
//   pointer.png      the custom mouse pointer, 32 x 32, 16 colours, tip at column 12, row 1
//   author.jpg       the two competing species, 136 x 180
//   dedication.jpg   a quiet landscape at dusk, 504 x 559
//   quiz.jpg         four isocline sketches with their questions, 600 x 422 at 300 dpi
//   quiz-<lang>.jpg  the same quiz in each language of the program (de, fr, es, pt_BR, zh_CN)
// Run it by hand after changing a picture and commit what it writes:
//   vorlenza-paint-pictures <folder>
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QVector>

#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr int Dpi300 = 11811; // dots per metre

// ---------------------------------------------------------------------------------------------
// Small pictures drawn pixel for pixel.

/// Turns a picture painted with a few flat colours into an indexed one with exactly those colours.
QImage toIndexed(const QImage& argb)
{
    QVector<QRgb> table;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            QRgb c = argb.pixel(x, y);
            if (qAlpha(c) == 0)
                c = qRgba(0, 0, 0, 0);
            if (!table.contains(c))
                table.append(c);
        }
    Q_ASSERT(table.size() <= 16);
    QImage indexed(argb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            QRgb c = argb.pixel(x, y);
            if (qAlpha(c) == 0)
                c = qRgba(0, 0, 0, 0);
            indexed.setPixel(x, y, static_cast<uint>(table.indexOf(c)));
        }
    return indexed;
}

QImage fromMap(const std::array<const char*, 32>& rows, const QHash<char, QColor>& colours)
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32 && rows[static_cast<std::size_t>(y)][x]; ++x) {
            const char c = rows[static_cast<std::size_t>(y)][x];
            if (colours.contains(c))
                img.setPixelColor(x, y, colours.value(c));
        }
    return img;
}

/// The window icon: a small phase plane, the two isoclines crossing, daily points running to
/// the yellow equilibrium (the same picture as the desktop icon).
QImage paintIcon()
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0x00, 0x40));
    p.drawRoundedRect(QRect(1, 1, 30, 30), 5, 5);
    p.setBrush(Qt::white);
    p.drawRect(QRect(4, 4, 24, 24));
    // axes
    p.setBrush(Qt::black);
    p.drawRect(QRect(6, 5, 1, 22));
    p.drawRect(QRect(6, 26, 21, 1));
    // isocline of A (navy), isocline of B (red), two pixels thick
    p.setPen(QPen(QColor(0x00, 0x00, 0x80), 2, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QPoint(8, 8), QPoint(25, 25));
    p.setPen(QPen(QColor(0xFF, 0x00, 0x00), 2, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QPoint(8, 16), QPoint(26, 21));
    // daily points
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x00, 0x00));
    for (const QPoint& d : {QPoint(8, 23), QPoint(11, 22), QPoint(14, 21)})
        p.drawRect(QRect(d, QSize(2, 2)));
    // equilibrium
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xFF, 0xFF, 0x00));
    p.drawEllipse(QRect(17, 17, 4, 4));
    p.end();
    return toIndexed(img);
}

/// The custom pointer: a white pointing hand with a black outline and a navy cuff; the tip of
/// the index finger, at column 12 and row 1, is the hot spot.
QImage paintPointer()
{
    static const std::array<const char*, 32> rows{{
        "................................", //  0
        "...........KKK..................", //  1
        "..........KWWWK.................", //  2
        "..........KWWWK.................", //  3
        "..........KWWWK.................", //  4
        "..........KWWWK.................", //  5
        "..........KWWWK.................", //  6
        "..........KWWWK.................", //  7
        "..........KWWWKKKK..............", //  8
        "..........KWWWKWWWKKK...........", //  9
        "..........KWWWKWWWKWWWKK........", // 10
        "..........KWWWKWWWKWWWKWWK......", // 11
        ".......KK.KWWWKWWWKWWWKWWK......", // 12
        "......KWWKKWWWWWWWWWWWWWWK......", // 13
        "......KWWWKWWWWWWWWWWWWWWK......", // 14
        ".......KWWWWWWWWWWWWWWWWWK......", // 15
        ".......KWWWWWWWWWWWWWWWWWK......", // 16
        "........KWWWWWWWWWWWWWWWWK......", // 17
        "........KWWWWWWWWWWWWWWWWK......", // 18
        ".........KWWWWWWWWWWWWWWK.......", // 19
        ".........KWWWWWWWWWWWWWWK.......", // 20
        "..........KWWWWWWWWWWWWK........", // 21
        "..........KKKKKKKKKKKKKK........", // 22
        "..........KNNNNNNNNNNNNK........", // 23
        "..........KNNNNNNNNNNNNK........", // 24
        "..........KKKKKKKKKKKKKK........", // 25
        "................................", // 26
        "................................", // 27
        "................................", // 28
        "................................", // 29
        "................................", // 30
        "................................", // 31
    }};
    const QHash<char, QColor> colours{{'K', QColor(0, 0, 0)}, {'W', QColor(255, 255, 255)}, {'N', QColor(0, 0, 128)}};
    return toIndexed(fromMap(rows, colours));
}

/// The quiz button: a yellow badge with a navy question mark.
QImage paintQuizButton()
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(QPen(QColor(0, 0, 64), 2));
    p.setBrush(QColor(255, 230, 0));
    p.drawEllipse(QRectF(2, 2, 28, 28));
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(25);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRectF(0, 1, 32, 31), Qt::AlignCenter, QStringLiteral("?"));
    p.end();
    return img;
}

// ---------------------------------------------------------------------------------------------
// The author picture: two beetles, A in blue and B in red, meet at one grain.

void drawBeetle(QPainter& p, QPointF centre, qreal angleDeg, const QColor& shell)
{
    p.save();
    p.translate(centre);
    p.rotate(angleDeg); // head points to -y before the turn
    const QColor dark = shell.darker(260);
    // legs
    p.setPen(QPen(dark, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1}) {
        for (int i = 0; i < 3; ++i) {
            const qreal y0 = -6.0 + 8.0 * i;
            QPainterPath leg;
            leg.moveTo(side * 8.0, y0);
            leg.lineTo(side * 17.0, y0 - 4.0 + 5.0 * i);
            leg.lineTo(side * 21.0, y0 + 2.0 + 6.0 * i);
            p.drawPath(leg);
        }
    }
    // antennae
    p.setPen(QPen(dark, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        QPainterPath a;
        a.moveTo(side * 3.0, -25.0);
        a.cubicTo(side * 5.0, -32.0, side * 10.0, -34.0, side * 13.0, -38.0);
        p.drawPath(a);
    }
    // head and pronotum
    p.setPen(QPen(dark, 1.2));
    p.setBrush(dark);
    p.drawEllipse(QPointF(0, -23.0), 5.5, 4.5);
    p.setBrush(shell.darker(150));
    p.drawEllipse(QPointF(0, -15.0), 9.0, 6.5);
    // wing cases
    QLinearGradient g(-12, 0, 12, 0);
    g.setColorAt(0.0, shell.darker(130));
    g.setColorAt(0.45, shell.lighter(125));
    g.setColorAt(1.0, shell.darker(140));
    p.setBrush(g);
    p.drawEllipse(QRectF(-12.0, -10.0, 24.0, 34.0));
    p.setPen(QPen(dark, 1.2));
    p.drawLine(QPointF(0, -9.5), QPointF(0, 23.5));
    // shine
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QRectF(-8.0, -6.0, 4.5, 11.0));
    p.restore();
}

void drawTag(QPainter& p, QPointF centre, const QString& letter, const QColor& colour)
{
    p.setPen(QPen(colour.darker(200), 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 9.0, 9.0);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.setPen(colour.darker(130));
    p.drawText(QRectF(centre.x() - 9, centre.y() - 9, 18, 18), Qt::AlignCenter, letter);
}

QImage paintAuthor()
{
    QImage img(136, 180, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QLinearGradient sky(0, 0, 0, 180);
    sky.setColorAt(0.0, QColor(250, 246, 226));
    sky.setColorAt(1.0, QColor(214, 232, 196));
    p.fillRect(img.rect(), sky);
    // a broad leaf under the beetles
    QPainterPath leaf;
    leaf.moveTo(8, 170);
    leaf.cubicTo(10, 90, 70, 30, 128, 14);
    leaf.cubicTo(122, 80, 80, 150, 8, 170);
    QLinearGradient lg(8, 170, 128, 14);
    lg.setColorAt(0.0, QColor(86, 150, 70));
    lg.setColorAt(1.0, QColor(140, 196, 100));
    p.setPen(QPen(QColor(60, 110, 50), 1.5));
    p.setBrush(lg);
    p.drawPath(leaf);
    p.setPen(QPen(QColor(200, 230, 170), 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath vein;
    vein.moveTo(12, 166);
    vein.cubicTo(50, 120, 90, 60, 126, 16);
    p.drawPath(vein);
    // the grain both want
    p.setPen(QPen(QColor(130, 90, 30), 1.2));
    p.setBrush(QColor(236, 196, 112));
    p.drawEllipse(QPointF(66, 92), 7.0, 5.0);
    drawBeetle(p, QPointF(40, 58), 140.0, QColor(40, 90, 210));
    drawBeetle(p, QPointF(94, 128), -40.0, QColor(210, 50, 40));
    drawTag(p, QPointF(18, 20), QStringLiteral("A"), QColor(40, 90, 210));
    drawTag(p, QPointF(118, 160), QStringLiteral("B"), QColor(210, 50, 40));
    p.end();
    return img;
}

// ---------------------------------------------------------------------------------------------
// The dedication picture: hills and a still lake at dusk, one tree, the evening star.

QImage paintDedication()
{
    const int w = 504;
    const int h = 559;
    const int horizon = 372;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.00, QColor(14, 22, 52));
    sky.setColorAt(0.45, QColor(52, 56, 104));
    sky.setColorAt(0.72, QColor(150, 96, 128));
    sky.setColorAt(0.90, QColor(226, 146, 104));
    sky.setColorAt(1.00, QColor(246, 190, 120));
    p.fillRect(QRect(0, 0, w, horizon), sky);
    // the last light
    QRadialGradient glow(QPointF(300, horizon), 170);
    glow.setColorAt(0.0, QColor(255, 226, 160, 200));
    glow.setColorAt(1.0, QColor(255, 226, 160, 0));
    p.fillRect(QRect(0, 0, w, horizon), glow);
    // stars, brightest first
    p.setPen(Qt::NoPen);
    QRadialGradient star(QPointF(118, 84), 9);
    star.setColorAt(0.0, QColor(255, 255, 240, 255));
    star.setColorAt(0.3, QColor(255, 255, 240, 140));
    star.setColorAt(1.0, QColor(255, 255, 240, 0));
    p.setBrush(star);
    p.drawEllipse(QPointF(118, 84), 9, 9);
    const QPointF faint[] = {{40, 30}, {210, 22}, {330, 48}, {450, 26}, {270, 110}, {420, 120}, {70, 150}, {170, 64}};
    for (const QPointF& s : faint) {
        p.setBrush(QColor(230, 230, 255, 150));
        p.drawEllipse(s, 1.1, 1.1);
    }
    // far hills, nearer hills
    auto hills = [&](const QColor& colour, const std::array<qreal, 6>& tops) {
        QPainterPath path;
        path.moveTo(0, horizon + 2);
        path.lineTo(0, tops[0]);
        for (std::size_t i = 1; i < tops.size(); ++i) {
            const qreal x0 = static_cast<qreal>(i - 1) * w / 5.0;
            const qreal x1 = static_cast<qreal>(i) * w / 5.0;
            path.cubicTo(x0 + 45, tops[i - 1] - 10, x1 - 45, tops[i] - 10, x1, tops[i]);
        }
        path.lineTo(w, horizon + 2);
        path.closeSubpath();
        p.setBrush(colour);
        p.drawPath(path);
    };
    hills(QColor(92, 78, 112), {318, 296, 326, 338, 304, 322});
    hills(QColor(56, 46, 76), {350, 340, 356, 362, 346, 336});
    // the lake: the sky again, darker, with a path of light under the glow
    QLinearGradient lake(0, horizon, 0, 470);
    lake.setColorAt(0.0, QColor(196, 128, 108));
    lake.setColorAt(0.35, QColor(98, 72, 108));
    lake.setColorAt(1.0, QColor(26, 28, 58));
    p.fillRect(QRect(0, horizon, w, 470 - horizon), lake);
    for (int i = 0; i < 14; ++i) {
        const qreal y = horizon + 6 + i * 6.5;
        const qreal half = 52 - i * 3.0;
        p.setBrush(QColor(255, 214, 150, 120 - i * 7));
        p.drawRoundedRect(QRectF(300 - half, y, 2 * half, 1.6), 0.8, 0.8);
    }
    // the near shore with reeds
    QPainterPath shore;
    shore.moveTo(0, 470);
    shore.cubicTo(120, 452, 260, 482, 504, 458);
    shore.lineTo(504, h);
    shore.lineTo(0, h);
    shore.closeSubpath();
    p.setBrush(QColor(18, 16, 30));
    p.drawPath(shore);
    p.setPen(QPen(QColor(18, 16, 30), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 16; ++i) {
        const qreal x = 20 + i * 9.5 + (i % 3) * 2.0;
        const qreal top = 412 + (i * 37 % 40);
        QPainterPath reed;
        reed.moveTo(x, 474);
        reed.quadTo(x + 2, (top + 474) / 2, x + 5 - (i % 2) * 8, top);
        p.drawPath(reed);
    }
    // one tree on the right
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(18, 16, 30));
    QPainterPath trunk;
    trunk.moveTo(404, 462);
    trunk.cubicTo(408, 420, 406, 380, 412, 330);
    trunk.lineTo(418, 330);
    trunk.cubicTo(416, 380, 420, 420, 426, 462);
    trunk.closeSubpath();
    p.drawPath(trunk);
    const QPointF crown[] = {{414, 300}, {390, 318}, {440, 316}, {402, 282},
                             {430, 284}, {416, 262}, {376, 300}, {452, 298}};
    const qreal radius[] = {34, 26, 28, 26, 24, 22, 18, 18};
    for (std::size_t i = 0; i < std::size(crown); ++i)
        p.drawEllipse(crown[i], radius[i], radius[i] * 0.86);
    p.end();
    return img;
}

// ---------------------------------------------------------------------------------------------
// The quiz: four sketches of the N1-N2 plane with the isocline of A (dN1/dt = 0, from (K1, 0)
// to (0, K1/alpha)) and the isocline of B (dN2/dt = 0, from (K2/beta, 0) to (0, K2)).

const QColor kIsoA(0, 70, 200);
const QColor kIsoB(210, 30, 30);

struct Sketch {
    QString letter;
    qreal k1;      ///< A's isocline on the N1 axis (K1)
    qreal k1Alpha; ///< A's isocline on the N2 axis (K1/alpha)
    qreal k2Beta;  ///< B's isocline on the N1 axis (K2/beta)
    qreal k2;      ///< B's isocline on the N2 axis (K2)
};

QFont sans(int pixels, bool bold = false, bool italic = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void arrowHead(QPainter& p, QPointF tip, QPointF direction)
{
    const QPointF side(-direction.y(), direction.x());
    QPolygonF head;
    head << tip << tip - direction * 7 + side * 3.5 << tip - direction * 7 - side * 3.5;
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
}

void drawSketch(QPainter& p, const QRectF& box, const Sketch& s)
{
    // the plane: origin near the lower left; 100 units are 90 pixels across and 112 up
    const QPointF origin(box.left() + 36, box.bottom() - 24);
    const qreal sx = 0.9;
    const qreal sy = 1.12;
    auto at = [&](qreal n1, qreal n2) { return QPointF(origin.x() + n1 * sx, origin.y() - n2 * sy); };

    p.setFont(sans(17, true));
    p.setPen(Qt::black);
    p.drawText(QRectF(box.left(), box.top(), 30, 22), Qt::AlignLeft | Qt::AlignTop, s.letter + QStringLiteral(")"));

    // axes with arrows and names
    p.setPen(QPen(Qt::black, 1.4));
    p.drawLine(origin, at(102, 0));
    p.drawLine(origin, at(0, 102));
    arrowHead(p, at(102, 0) + QPointF(6, 0), QPointF(1, 0));
    arrowHead(p, at(0, 102) + QPointF(0, -6), QPointF(0, -1));
    p.setPen(Qt::black);
    p.setFont(sans(13, false, true));
    p.drawText(QRectF(at(102, 0).x() + 8, origin.y() - 9, 24, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("N1"));
    p.drawText(QRectF(origin.x() + 6, at(0, 102).y() - 12, 30, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("N2"));

    // the two isoclines
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kIsoA, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(s.k1, 0), at(0, s.k1Alpha));
    p.setPen(QPen(kIsoB, 2.6, Qt::DashLine, Qt::FlatCap));
    p.drawLine(at(s.k2Beta, 0), at(0, s.k2));

    // where they meet the axes
    p.setFont(sans(13));
    auto tickX = [&](qreal n1, const QString& name, const QColor& c) {
        p.setPen(QPen(Qt::black, 1.2));
        p.drawLine(at(n1, 0), at(n1, 0) + QPointF(0, 4));
        p.setPen(c);
        p.drawText(QRectF(at(n1, 0).x() - 20, origin.y() + 4, 40, 16), Qt::AlignHCenter | Qt::AlignTop, name);
    };
    auto tickY = [&](qreal n2, const QString& name, const QColor& c) {
        p.setPen(QPen(Qt::black, 1.2));
        p.drawLine(at(0, n2), at(0, n2) - QPointF(4, 0));
        p.setPen(c);
        p.drawText(QRectF(box.left(), at(0, n2).y() - 8, origin.x() - box.left() - 6, 16),
                   Qt::AlignRight | Qt::AlignVCenter, name);
    };
    tickX(s.k1, QStringLiteral("K1"), kIsoA.darker(120));
    tickX(s.k2Beta, QStringLiteral("K2/\u03B2"), kIsoB.darker(120));
    tickY(s.k1Alpha, QStringLiteral("K1/\u03B1"), kIsoA.darker(120));
    tickY(s.k2, QStringLiteral("K2"), kIsoB.darker(120));
}

/// The words of the quiz in one language.
struct QuizWords {
    const char* language; ///< "" for English, else the translation's name ("de", "pt_BR", …)
    const char* title;
    const char* name;
    const char* isoclineA;
    const char* isoclineB;
    std::array<const char*, 6> lines; ///< a note, the question and its four items
    const char* hint;
};

const std::array<QuizWords, 6> kQuizWords{{
    {"",
     "Quiz: two species in competition",
     "Name: ____________",
     "isocline of A  (dN1/dt = 0)",
     "isocline of B  (dN2/dt = 0)",
     {"N1 is the number of species A, N2 the number of species B.", "Which sketch, a to d, shows",
      "1.  stable coexistence of A and B?", "2.  species A winning, whatever the start?",
      "3.  species B winning, whatever the start?", "4.  a winner that depends on the starting numbers?"},
     "Hint: on each axis, compare where the two lines meet it."},
    {"de",
     "Quiz: zwei Arten in Konkurrenz",
     "Name: ____________",
     "Isokline von A  (dN1/dt = 0)",
     "Isokline von B  (dN2/dt = 0)",
     {"N1 ist die Zahl der Art A, N2 die Zahl der Art B.", "Welche Skizze, a bis d, zeigt",
      "1.  ein stabiles Nebeneinander von A und B?", "2.  den Sieg der Art A, wie auch immer der Anfang ist?",
      "3.  den Sieg der Art B, wie auch immer der Anfang ist?", "4.  einen Sieger, der von den Anfangszahlen abhängt?"},
     "Tipp: Vergleichen Sie auf jeder Achse, wo die beiden Linien sie treffen."},
    {"fr",
     "Quiz : deux espèces en compétition",
     "Nom : ____________",
     "isocline de A  (dN1/dt = 0)",
     "isocline de B  (dN2/dt = 0)",
     {"N1 est l’effectif de l’espèce A, N2 celui de l’espèce B.", "Quel schéma, de a à d, montre",
      "1.  une coexistence stable de A et B ?", "2.  la victoire de l’espèce A, quel que soit le départ ?",
      "3.  la victoire de l’espèce B, quel que soit le départ ?",
      "4.  un vainqueur qui dépend des effectifs de départ ?"},
     "Indice : sur chaque axe, comparez où les deux droites le coupent."},
    {"es",
     "Test: dos especies en competencia",
     "Nombre: __________",
     "isoclina de A  (dN1/dt = 0)",
     "isoclina de B  (dN2/dt = 0)",
     {"N1 es el número de la especie A, N2 el de la especie B.", "¿Qué esquema, de la a a la d, muestra",
      "1.  la coexistencia estable de A y B?", "2.  la victoria de la especie A, sea cual sea el inicio?",
      "3.  la victoria de la especie B, sea cual sea el inicio?",
      "4.  un ganador que depende de los números iniciales?"},
     "Pista: en cada eje, compare dónde lo cortan las dos rectas."},
    {"pt_BR",
     "Teste: duas espécies em competição",
     "Nome: ____________",
     "isóclina de A  (dN1/dt = 0)",
     "isóclina de B  (dN2/dt = 0)",
     {"N1 é o número da espécie A, N2 o da espécie B.", "Qual esboço, de a a d, mostra",
      "1.  a coexistência estável de A e B?", "2.  a vitória da espécie A, seja qual for o início?",
      "3.  a vitória da espécie B, seja qual for o início?", "4.  um vencedor que depende dos números iniciais?"},
     "Dica: em cada eixo, compare onde as duas retas o cortam."},
    {"zh_CN",
     "测验：两个物种的竞争",
     "姓名：____________",
     "A 的等斜线  (dN1/dt = 0)",
     "B 的等斜线  (dN2/dt = 0)",
     {"N1 是物种 A 的数量，N2 是物种 B 的数量。", "哪一幅草图（a 到 d）表示", "1.  A 与 B 稳定共存？",
      "2.  无论初始数量如何，物种 A 都获胜？", "3.  无论初始数量如何，物种 B 都获胜？", "4.  胜者取决于初始数量？"},
     "提示：在每条坐标轴上，比较两条线与它相交的位置。"},
}};

QImage paintQuiz(const QuizWords& words)
{
    const auto text = [](const char* utf8) { return QString::fromUtf8(utf8); };
    QImage img(600, 422, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setDotsPerMeterX(Dpi300);
    img.setDotsPerMeterY(Dpi300);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    p.setPen(Qt::black);
    p.setFont(sans(21, true));
    p.drawText(QRectF(14, 8, 420, 28), Qt::AlignLeft | Qt::AlignVCenter, text(words.title));
    p.setFont(sans(14));
    p.drawText(QRectF(400, 8, 186, 28), Qt::AlignRight | Qt::AlignVCenter, text(words.name));

    // the key to the lines
    p.setFont(sans(14));
    const qreal ky = 50;
    p.setPen(QPen(kIsoA, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, ky), QPointF(48, ky));
    p.setPen(Qt::black);
    p.drawText(QRectF(54, ky - 10, 250, 20), Qt::AlignLeft | Qt::AlignVCenter, text(words.isoclineA));
    p.setPen(QPen(kIsoB, 2.6, Qt::DashLine, Qt::FlatCap));
    p.drawLine(QPointF(300, ky), QPointF(330, ky));
    p.setPen(Qt::black);
    p.drawText(QRectF(336, ky - 10, 250, 20), Qt::AlignLeft | Qt::AlignVCenter, text(words.isoclineB));

    // four arrangements, in a shuffled order: B wins, coexistence, depends on the start, A wins
    const std::array<Sketch, 4> sketches{{
        {QStringLiteral("a"), 50, 46, 90, 86},
        {QStringLiteral("b"), 56, 90, 90, 54},
        {QStringLiteral("c"), 90, 54, 56, 90},
        {QStringLiteral("d"), 90, 86, 50, 46},
    }};
    for (std::size_t i = 0; i < sketches.size(); ++i) {
        const QRectF box(4 + 146.0 * static_cast<qreal>(i), 62, 142, 172);
        drawSketch(p, box, sketches[i]);
    }

    // the questions
    p.setPen(Qt::black);
    p.setFont(sans(14));
    qreal y = 240;
    for (std::size_t i = 0; i < words.lines.size(); ++i) {
        const bool question = i >= 2;
        p.setFont(sans(15, i == 1));
        const QRectF line(question ? 36 : 18, y, 470, 22);
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text(words.lines[i]));
        if (question)
            p.drawText(QRectF(470, y, 110, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("_______"));
        y += i == 0 ? 26 : 24;
    }
    p.setFont(sans(13, false, true));
    p.drawText(QRectF(18, y + 4, 570, 20), Qt::AlignLeft | Qt::AlignVCenter, text(words.hint));
    p.end();
    return img;
}

bool save(const QImage& image, const QDir& dir, const QString& name, const char* format, int quality)
{
    const QString path = dir.filePath(name);
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s  %d x %d\n", qPrintable(path), image.width(), image.height());
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorlenza-paint-pictures <folder>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "no such folder: %s\n", argv[1]);
        return 2;
    }
    bool ok = true;
    ok &= save(paintIcon(), dir, QStringLiteral("icon.png"), "PNG", -1);
    ok &= save(paintQuizButton(), dir, QStringLiteral("quiz-button.png"), "PNG", -1);
    ok &= save(paintPointer(), dir, QStringLiteral("pointer.png"), "PNG", -1);
    ok &= save(paintAuthor(), dir, QStringLiteral("author.jpg"), "JPEG", 92);
    ok &= save(paintDedication(), dir, QStringLiteral("dedication.jpg"), "JPEG", 92);
    for (const QuizWords& words : kQuizWords) {
        const QString language = QString::fromLatin1(words.language);
        ok &= save(paintQuiz(words), dir,
                   language.isEmpty() ? QStringLiteral("quiz.jpg") : QStringLiteral("quiz-%1.jpg").arg(language),
                   "JPEG", 94);
    }
    return ok ? 0 : 1;
}

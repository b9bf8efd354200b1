#include "WindowPdf.h"

#include "WholeFile.h"
#include "WindowPrinter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace vorlenza {

QString windowPdfPath(const QString& typed)
{
    if (typed.isEmpty())
        return {};
    const QString suffix = QFileInfo(typed).suffix();
    if (suffix.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return typed;
    if (!suffix.isEmpty() && !QMimeDatabase().mimeTypeForFile(typed, QMimeDatabase::MatchExtension).isDefault())
        return {};
    return typed.endsWith(QLatin1Char('.')) ? typed + QLatin1String("pdf") : typed + QLatin1String(".pdf");
}

PrintPage pageOf(const QPrinter& printer) { return {printer.pageLayout(), printer.resolution()}; }

PrintPage regionalPrintPage(const QLocale& locale)
{
    // The regions whose usual paper is Letter, as the Unicode CLDR lists them (supplemental data,
    // paperSize "US-Letter"); the rest of the world uses A4.
    static constexpr QLocale::Territory letterRegions[] = {
        QLocale::Belize,      QLocale::Canada,     QLocale::Chile,        QLocale::Colombia,  QLocale::CostaRica,
        QLocale::ElSalvador,  QLocale::Guatemala,  QLocale::Mexico,       QLocale::Nicaragua, QLocale::Panama,
        QLocale::Philippines, QLocale::PuertoRico, QLocale::UnitedStates, QLocale::Venezuela,
    };
    const bool letter =
        std::find(std::begin(letterRegions), std::end(letterRegions), locale.territory()) != std::end(letterRegions);
    const QPageLayout layout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(10, 10, 10, 10), QPageLayout::Point);
    return {layout, 1200};
}

PrintPage regionalPrintPage() { return regionalPrintPage(QLocale::system()); }

Outcome saveWindowAsPdf(QWidget& window, const QString& path, const PrintPage& page)
{
    // Nothing to draw for a name that cannot be written.
    if (path.isEmpty() || QFileInfo(path).isDir())
        return writeWholeFile(path, {});
    if (window.width() <= 0 || window.height() <= 0)
        return {false, QCoreApplication::translate("WindowPdf", "The window could not be saved: it has no area.")};

    // The whole page first, then one write (see saveChart).
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(page.resolution);
        pdf.setPageLayout(page.layout);
        pdf.setTitle(window.windowTitle());
        pdf.setCreator(QCoreApplication::applicationName());
        QPainter painter;
        if (!painter.begin(&pdf))
            return {false,
                    fileFailure(path, QCoreApplication::translate("WindowPdf", "the page could not be started"))};
        // The same area printWindow fills: the printable part of the page, from its top left.
        paintWindowFitted(window, painter, QRectF(QPointF(0, 0), page.layout.paintRectPixels(page.resolution).size()));
        painter.end();
    }
    return writeWholeFile(path, buffer.data());
}

} // namespace vorlenza

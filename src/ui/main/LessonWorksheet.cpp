#include "LessonWorksheet.h"

#include "LessonMarking.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

namespace vorlenza {

namespace {

QString markShown(const TaskAnswer& t)
{
    switch (t.mark) {
    case Mark::Right: return QCoreApplication::translate("Lesson", "right");
    case Mark::Wrong: return QCoreApplication::translate("Lesson", "wrong");
    case Mark::None: break;
    }
    return t.kind == TaskKind::Explain ? QCoreApplication::translate("Lesson", "kept for the teacher")
                                       : QCoreApplication::translate("Lesson", "not checked");
}

/// Lays the worksheet out from the top of each page down.
class Sheet {
public:
    Sheet(QPdfWriter& pdf, QPainter& painter) : m_pdf(pdf), m_painter(painter)
    {
        m_width = painter.viewport().width();
        m_height = painter.viewport().height();
        m_gap = pdf.resolution() / 12; // a sixth of an inch between parts
    }

    /// A paragraph in `font`, wrapped to the page's width.
    void text(const QString& text, const QFont& font)
    {
        m_painter.setFont(font);
        const QRect box = m_painter.boundingRect(QRect(0, 0, m_width, m_height), Qt::TextWordWrap, text);
        room(box.height());
        m_painter.drawText(QRect(0, m_y, m_width, box.height()), Qt::TextWordWrap, text);
        m_y += box.height() + m_gap;
    }

    void image(const QImage& image)
    {
        if (image.isNull())
            return;
        const QSize size = image.size().scaled(m_width * 2 / 3, m_height / 3, Qt::KeepAspectRatio);
        room(size.height());
        m_painter.drawImage(QRect(QPoint(0, m_y), size), image);
        m_y += size.height() + m_gap;
    }

    void space() { m_y += 2 * m_gap; }

    /// Starts a new page unless `height` fits below what is there.
    void room(int height)
    {
        if (m_y > 0 && m_y + height > m_height) {
            m_pdf.newPage();
            m_y = 0;
        }
    }

private:
    QPdfWriter& m_pdf;
    QPainter& m_painter;
    int m_width = 0;
    int m_height = 0;
    int m_gap = 0;
    int m_y = 0;
};

} // namespace

QByteArray worksheetPdf(const LessonAnswers& answers, const std::vector<WorksheetTask>& tasks, const PrintPage& page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(page.resolution);
        pdf.setPageLayout(page.layout);
        pdf.setTitle(answers.lesson);
        pdf.setCreator(QCoreApplication::applicationName());
        QPainter painter;
        if (!painter.begin(&pdf))
            return {};
        QFont body = painter.font();
        body.setPointSizeF(10);
        QFont heading = body;
        heading.setBold(true);
        QFont title = heading;
        title.setPointSizeF(16);
        Sheet sheet(pdf, painter);
        sheet.text(answers.lesson, title);
        sheet.text(QCoreApplication::translate("Lesson", "Name: %1").arg(answers.student), body);
        sheet.text(QCoreApplication::translate("Lesson", "Date: %1")
                       .arg(QLocale().toString(answers.saved, QLocale::ShortFormat)),
                   body);
        sheet.text(
            QCoreApplication::translate("Lesson", "Right: %1 of %2 marked").arg(answers.right()).arg(answers.marked()),
            body);
        for (std::size_t i = 0; i < answers.tasks.size(); ++i) {
            const TaskAnswer& t = answers.tasks[i];
            sheet.space();
            sheet.text(QCoreApplication::translate("Lesson", "Task %1").arg(i + 1), heading);
            if (i < tasks.size())
                sheet.text(tasks[i].text, body);
            sheet.text(QCoreApplication::translate("Lesson", "Answer: %1").arg(answerShown(t.kind, t.answer)), body);
            sheet.text(QCoreApplication::translate("Lesson", "Mark: %1").arg(markShown(t)), heading);
            if (!t.explanation.isEmpty())
                sheet.text(t.explanation, body);
            if (i < tasks.size())
                sheet.image(tasks[i].chart);
        }
        painter.end();
    }
    return buffer.data();
}

QString worksheetPath(const QString& path)
{
    const QFileInfo info(path);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
}

Outcome saveHandIn(const LessonAnswers& answers, const std::vector<WorksheetTask>& tasks, const QString& path,
                   const PrintPage& page)
{
    const Outcome saved = writeWholeFile(path, answersBytes(answers));
    if (!saved.ok)
        return saved;
    const QByteArray pdf = worksheetPdf(answers, tasks, page);
    if (pdf.isEmpty())
        return {false, fileFailure(worksheetPath(path),
                                   QCoreApplication::translate("Lesson", "the worksheet's page could not be started"))};
    return writeWholeFile(worksheetPath(path), pdf);
}

} // namespace vorlenza

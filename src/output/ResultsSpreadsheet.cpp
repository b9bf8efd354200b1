#include "ResultsSpreadsheet.h"

#include "WholeFile.h"

#include "ModelState.h"
#include "NumberText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <locale.h>

namespace vorlenza
{

namespace
{

const char* const SpreadsheetSuffix = ".xlsx";

// The rows and columns of the sheet (0-based, as libxlsxwriter counts).
constexpr lxw_row_t HeaderRow = 2;
constexpr lxw_row_t FirstDayRow = 3;
constexpr lxw_col_t ChartColumn = 10;
constexpr int Columns = 9;

// The header words of the results file, one per column.
const char* const HeaderWords[Columns] = {"t",
                                          "N1",
                                          "dN1",
                                          "N2",
                                          "dN2",
                                          "x of isocline A",
                                          "y of isocline A",
                                          "x of isocline B",
                                          "y of isocline B"};
enum Column : lxw_col_t { Day, N1, DN1, N2, DN2, AX, AY, BX, BY };

/// libxlsxwriter prints numbers with the C library, which follows LC_NUMERIC (a decimal comma in
/// German would break the file): while this lives, this thread prints numbers the C way.
class CNumbers
{
public:
    CNumbers() : m_c(newlocale(LC_NUMERIC_MASK, "C", duplocale(LC_GLOBAL_LOCALE)))
    {
        if (m_c != nullptr)
            m_old = uselocale(m_c);
    }
    ~CNumbers()
    {
        if (m_c != nullptr) {
            uselocale(m_old);
            freelocale(m_c);
        }
    }
    CNumbers(const CNumbers&) = delete;
    CNumbers& operator=(const CNumbers&) = delete;

private:
    locale_t m_c;
    locale_t m_old = nullptr;
};

/// A number cell; a value that is no number (which a run never leaves) as the results file's text.
void writeNumber(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, double value)
{
    if (std::isfinite(value))
        worksheet_write_number(sheet, row, column, value, nullptr);
    else
        worksheet_write_string(sheet, row, column, formatNumber(value).c_str(), nullptr);
}

/// One parameter line: label, number, label, number, ...
void writeParameters(lxw_worksheet* sheet, lxw_row_t row,
                     std::initializer_list<std::pair<const char*, double>> items)
{
    lxw_col_t column = 0;
    for (const auto& [label, value] : items) {
        worksheet_write_string(sheet, row, column++, label, nullptr);
        writeNumber(sheet, row, column++, value);
    }
}

struct SeriesPlan {
    Column x;
    Column y;
    QByteArray name; ///< empty: the header word of the y column
    lxw_color_t colour;
};

void addChart(lxw_workbook* book, lxw_worksheet* sheet, const char* sheetName, lxw_row_t lastRow,
              lxw_row_t atRow, const QByteArray& title, const QByteArray& xTitle, const QByteArray& yTitle,
              std::initializer_list<SeriesPlan> plans)
{
    lxw_chart* chart = workbook_add_chart(book, LXW_CHART_SCATTER_STRAIGHT);
    for (const SeriesPlan& plan : plans) {
        lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
        chart_series_set_categories(series, sheetName, FirstDayRow, plan.x, lastRow, plan.x);
        chart_series_set_values(series, sheetName, FirstDayRow, plan.y, lastRow, plan.y);
        if (plan.name.isEmpty())
            chart_series_set_name_range(series, sheetName, HeaderRow, plan.y);
        else
            chart_series_set_name(series, plan.name.constData());
        lxw_chart_line line{};
        line.color = plan.colour;
        line.width = 1.5f;
        chart_series_set_line(series, &line);
    }
    chart_title_set_name(chart, title.constData());
    chart_axis_set_name(chart->x_axis, xTitle.constData());
    chart_axis_set_name(chart->y_axis, yTitle.constData());
    chart_legend_set_position(chart, LXW_CHART_LEGEND_BOTTOM);
    lxw_chart_options place{};
    place.x_scale = 1.4;
    place.y_scale = 1.4;
    worksheet_insert_chart_opt(sheet, atRow, ChartColumn, chart, &place);
}

QByteArray chartText(const char* text)
{
    return QCoreApplication::translate("Chart", text).toUtf8();
}

} // namespace

QByteArray resultsSpreadsheetContents(const ModelState& state, QString* problem)
{
    const auto fail = [problem](const QString& why) {
        if (problem != nullptr)
            *problem = why;
        return QByteArray();
    };
    // libxlsxwriter writes to a file by name only: into a folder of our own, removed afterwards.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return fail(
            QCoreApplication::translate("ResultsSpreadsheet", "no temporary folder could be made (%1)")
                .arg(scratch.errorString()));
    const QByteArray scratchPath = QFile::encodeName(scratch.path());
    const QString bookPath = scratch.filePath(QStringLiteral("results.xlsx"));
    const QByteArray sheetName = QCoreApplication::translate("ResultsSpreadsheet", "Results").toUtf8();
    const int lastDay = std::clamp<int>(state.simTime, 0, ModelState::MaxDay);
    const auto lastRow = static_cast<lxw_row_t>(FirstDayRow + static_cast<lxw_row_t>(lastDay));

    lxw_error closed = LXW_NO_ERROR;
    {
        const CNumbers cNumbers;
        lxw_workbook_options options{};
        // Rows go to the file as they are written, in order, and the charts carry no copy of the
        // numbers (a spreadsheet reads them from the cells): half the time of the default mode.
        options.constant_memory = LXW_TRUE;
        options.tmpdir = const_cast<char*>(scratchPath.constData()); // NOLINT: libxlsxwriter only reads it
        lxw_workbook* book = workbook_new_opt(QFile::encodeName(bookPath).constData(), &options);
        if (book == nullptr)
            return fail(
                QCoreApplication::translate("ResultsSpreadsheet", "the spreadsheet could not be started"));
        lxw_worksheet* sheet = workbook_add_worksheet(book, sheetName.constData());
        if (sheet == nullptr) {
            workbook_close(book);
            return fail(
                QCoreApplication::translate("ResultsSpreadsheet", "the spreadsheet could not be started"));
        }

        writeParameters(sheet, 0,
                        {{"N1(0)", state.N1[0]}, {"r1", state.r1}, {"alpha", state.alpha}, {"K1", state.K1}});
        writeParameters(sheet, 1,
                        {{"N2(0)", state.N2[0]}, {"r2", state.r2}, {"beta", state.beta}, {"K2", state.K2}});
        for (lxw_col_t column = 0; column < Columns; ++column)
            worksheet_write_string(sheet, HeaderRow, column, HeaderWords[column], nullptr);
        for (int day = 0; day <= lastDay; ++day) {
            const auto i = static_cast<std::size_t>(day);
            const auto row = static_cast<lxw_row_t>(FirstDayRow + static_cast<lxw_row_t>(day));
            worksheet_write_number(sheet, row, Day, day, nullptr);
            const double values[] = {state.N1[i],         state.dN1[i],        state.N2[i],
                                     state.dN2[i],        state.isoclineAX[i], state.isoclineAY[i],
                                     state.isoclineBX[i], state.isoclineBY[i]};
            lxw_col_t column = N1;
            for (const double value : values)
                writeNumber(sheet, row, column++, value);
        }
        worksheet_set_column(sheet, Day, BY, 15, nullptr);
        worksheet_freeze_panes(sheet, FirstDayRow, 0);
        // Printed across, one page wide with the charts, the header row on every page.
        worksheet_set_landscape(sheet);
        worksheet_fit_to_pages(sheet, 1, 0);
        worksheet_repeat_rows(sheet, HeaderRow, HeaderRow);

        // The program's colours: species A red, species B blue, the path black.
        addChart(book, sheet, sheetName.constData(), lastRow, 0, chartText("N1 and N2 vs. time"),
                 chartText("Time"), chartText("N1 and N2"),
                 {{Day, N1, {}, LXW_COLOR_RED}, {Day, N2, {}, LXW_COLOR_BLUE}});
        addChart(book, sheet, sheetName.constData(), lastRow, 22, chartText("N2 vs. N1 with isoclines"),
                 chartText("N1"), chartText("N2"),
                 {{AX, AY, QCoreApplication::translate("ResultsSpreadsheet", "Isocline A").toUtf8(),
                   LXW_COLOR_RED},
                  {BX, BY, QCoreApplication::translate("ResultsSpreadsheet", "Isocline B").toUtf8(),
                   LXW_COLOR_BLUE},
                  {N1, N2, chartText("N2 vs. N1"), LXW_COLOR_BLACK}});
        closed = workbook_close(book);
    }
    if (closed != LXW_NO_ERROR)
        return fail(QCoreApplication::translate(
                        "ResultsSpreadsheet",
                        "the spreadsheet could not be made in the temporary folder (%1), perhaps because the "
                        "disk is full")
                        .arg(QString::fromUtf8(lxw_strerror(closed))));

    QFile book(bookPath);
    if (!book.open(QIODevice::ReadOnly))
        return fail(
            QCoreApplication::translate("ResultsSpreadsheet",
                                        "the spreadsheet made in the temporary folder could not be read (%1)")
                .arg(book.errorString()));
    QByteArray bytes = book.readAll();
    if (bytes.size() != book.size())
        return fail(
            QCoreApplication::translate("ResultsSpreadsheet",
                                        "the spreadsheet made in the temporary folder could not be read (%1)")
                .arg(book.errorString()));
    return bytes;
}

Outcome writeResultsSpreadsheet(const QString& path, const ModelState& state)
{
    QString problem;
    const QByteArray bytes = resultsSpreadsheetContents(state, &problem);
    if (bytes.isEmpty())
        return {false, fileFailure(path, problem + earlierFileUnchanged())};
    return writeWholeFile(path, bytes);
}

QString resultsFileFilter()
{
    return QCoreApplication::translate("ResultsSpreadsheet", "Results file (*)");
}
QString resultsSpreadsheetFilter()
{
    return QCoreApplication::translate("ResultsSpreadsheet", "Spreadsheet (*.xlsx)");
}
QString resultsSaveFilters()
{
    return resultsFileFilter() + QStringLiteral(";;") + resultsSpreadsheetFilter();
}

ResultsTarget resolveResultsTarget(const QString& typed, const QString& chosenFilter)
{
    if (typed.isEmpty())
        return {};
    const QLatin1String suffix(SpreadsheetSuffix);
    if (typed.endsWith(suffix, Qt::CaseInsensitive))
        return {typed, true};
    if (chosenFilter == resultsSpreadsheetFilter())
        return {typed + suffix, true};
    return {derivedResultsName(typed), false};
}

} // namespace vorlenza

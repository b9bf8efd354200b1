#include "SpreadsheetBook.h"

#include "WorkbookCheck.h"

#include "ModelState.h"
#include "NumberText.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <locale.h>

namespace vorlenza {

namespace {

// The rows and columns of the sheet (0-based, as libxlsxwriter counts).
constexpr lxw_row_t HeaderRow = 2;
constexpr lxw_row_t FirstDayRow = 3;
constexpr lxw_col_t ChartColumn = 10;
constexpr int Columns = 9;

// The header words of the results file, one per column.
const char* const HeaderWords[Columns] = {
    "t", "N1", "dN1", "N2", "dN2", "x of isocline A", "y of isocline A", "x of isocline B", "y of isocline B"};
enum Column : lxw_col_t { Day, N1, DN1, N2, DN2, AX, AY, BX, BY };

// The parts of the workbook as libxlsxwriter writes it in constant-memory mode (the strings are in
// the cells, so there is no table of them).
const char* const SheetPart = "xl/worksheets/sheet1.xml";
const QByteArrayList BookParts = {"[Content_Types].xml",
                                  "_rels/.rels",
                                  "docProps/app.xml",
                                  "docProps/core.xml",
                                  "xl/workbook.xml",
                                  "xl/_rels/workbook.xml.rels",
                                  "xl/styles.xml",
                                  "xl/theme/theme1.xml",
                                  SheetPart,
                                  "xl/worksheets/_rels/sheet1.xml.rels",
                                  "xl/drawings/drawing1.xml",
                                  "xl/drawings/_rels/drawing1.xml.rels",
                                  "xl/charts/chart1.xml",
                                  "xl/charts/chart2.xml"};

/// libxlsxwriter prints numbers with the C library, which follows LC_NUMERIC (a decimal comma in
/// German would break the file): while this lives, this thread prints numbers the C way.
class CNumbers {
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
lxw_error writeNumber(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, double value)
{
    if (std::isfinite(value))
        return worksheet_write_number(sheet, row, column, value, nullptr);
    return worksheet_write_string(sheet, row, column, formatNumber(value).c_str(), nullptr);
}

/// One row of numbers from the first column on.
lxw_error writeRow(lxw_worksheet* sheet, lxw_row_t row, std::initializer_list<double> values)
{
    lxw_col_t column = 0;
    for (const double value : values)
        if (const lxw_error error = writeNumber(sheet, row, column++, value); error != LXW_NO_ERROR)
            return error;
    return LXW_NO_ERROR;
}

/// One parameter line: label, number, label, number, ...
lxw_error writeParameters(lxw_worksheet* sheet, lxw_row_t row,
                          std::initializer_list<std::pair<const char*, double>> items)
{
    lxw_col_t column = 0;
    for (const auto& [label, value] : items) {
        lxw_error error = worksheet_write_string(sheet, row, column++, label, nullptr);
        if (error == LXW_NO_ERROR)
            error = writeNumber(sheet, row, column++, value);
        if (error != LXW_NO_ERROR)
            return error;
    }
    return LXW_NO_ERROR;
}

struct SeriesPlan {
    Column x;
    Column y;
    QByteArray name; ///< empty: the header word of the y column
    lxw_color_t colour;
};

lxw_error addChart(lxw_workbook* book, lxw_worksheet* sheet, const char* sheetName, lxw_row_t lastRow, lxw_row_t atRow,
                   const QByteArray& title, const QByteArray& xTitle, const QByteArray& yTitle,
                   std::initializer_list<SeriesPlan> plans)
{
    // A chart or series that does not come is the memory running out; the settings cannot fail.
    lxw_chart* chart = workbook_add_chart(book, LXW_CHART_SCATTER_STRAIGHT);
    if (chart == nullptr)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    for (const SeriesPlan& plan : plans) {
        lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
        if (series == nullptr)
            return LXW_ERROR_MEMORY_MALLOC_FAILED;
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
    return worksheet_insert_chart_opt(sheet, atRow, ChartColumn, chart, &place);
}

QByteArray chartText(const char* text) { return QCoreApplication::translate("Chart", text).toUtf8(); }

/// The sheet of `book`: the parameters, the header and a row per day up to `lastDay`, then the two
/// charts. The first step that fails ends it.
lxw_error fillBook(lxw_workbook* book, const QByteArray& sheetName, const ModelState& state, int lastDay)
{
    // In constant-memory mode a sheet opens its temporary file for the rows as it is added.
    lxw_worksheet* sheet = workbook_add_worksheet(book, sheetName.constData());
    if (sheet == nullptr)
        return LXW_ERROR_CREATING_TMPFILE;

    lxw_error error =
        writeParameters(sheet, 0, {{"N1(0)", state.N1[0]}, {"r1", state.r1}, {"alpha", state.alpha}, {"K1", state.K1}});
    if (error == LXW_NO_ERROR)
        error = writeParameters(sheet, 1,
                                {{"N2(0)", state.N2[0]}, {"r2", state.r2}, {"beta", state.beta}, {"K2", state.K2}});
    for (lxw_col_t column = 0; column < Columns && error == LXW_NO_ERROR; ++column)
        error = worksheet_write_string(sheet, HeaderRow, column, HeaderWords[column], nullptr);
    for (int day = 0; day <= lastDay && error == LXW_NO_ERROR; ++day) {
        const auto i = static_cast<std::size_t>(day);
        error = writeRow(sheet, FirstDayRow + static_cast<lxw_row_t>(day),
                         {double(day), state.N1[i], state.dN1[i], state.N2[i], state.dN2[i], state.isoclineAX[i],
                          state.isoclineAY[i], state.isoclineBX[i], state.isoclineBY[i]});
    }
    if (error == LXW_NO_ERROR)
        error = worksheet_set_column(sheet, Day, BY, 15, nullptr);
    if (error != LXW_NO_ERROR)
        return error;
    worksheet_freeze_panes(sheet, FirstDayRow, 0);
    // Printed across, one page wide with the charts, the header row on every page.
    worksheet_set_landscape(sheet);
    worksheet_fit_to_pages(sheet, 1, 0);
    error = worksheet_repeat_rows(sheet, HeaderRow, HeaderRow);

    // The program's colours: species A red, species B blue, the path black.
    const auto lastRow = static_cast<lxw_row_t>(FirstDayRow + static_cast<lxw_row_t>(lastDay));
    if (error == LXW_NO_ERROR)
        error =
            addChart(book, sheet, sheetName.constData(), lastRow, 0, chartText("N1 and N2 vs. time"), chartText("Time"),
                     chartText("N1 and N2"), {{Day, N1, {}, LXW_COLOR_RED}, {Day, N2, {}, LXW_COLOR_BLUE}});
    if (error == LXW_NO_ERROR)
        error = addChart(
            book, sheet, sheetName.constData(), lastRow, 22, chartText("N2 vs. N1 with isoclines"), chartText("N1"),
            chartText("N2"),
            {{AX, AY, QCoreApplication::translate("ResultsSpreadsheet", "Isocline A").toUtf8(), LXW_COLOR_RED},
             {BX, BY, QCoreApplication::translate("ResultsSpreadsheet", "Isocline B").toUtf8(), LXW_COLOR_BLUE},
             {N1, N2, chartText("N2 vs. N1"), LXW_COLOR_BLACK}});
    return error;
}

} // namespace

SpreadsheetMaking makeResultsSpreadsheet(const ModelState& state)
{
    SpreadsheetMaking made;
    // libxlsxwriter writes to files by name only: into a folder of our own in the system's temporary
    // folder, removed with everything in it afterwards.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        made.failure = SpreadsheetMaking::Failure::NoScratchFolder;
        made.detail = scratch.errorString();
        return made;
    }
    const QByteArray scratchPath = QFile::encodeName(scratch.path());
    const QString bookPath = scratch.filePath(QStringLiteral("results.xlsx"));
    const QByteArray sheetName = QCoreApplication::translate("ResultsSpreadsheet", "Results").toUtf8();
    const int lastDay = std::clamp<int>(state.simTime, 0, ModelState::MaxDay);

    lxw_error error = LXW_NO_ERROR;
    {
        const CNumbers cNumbers;
        lxw_workbook_options options{};
        // Rows go to the file as they are written, in order, and the charts carry no copy of the
        // numbers (a spreadsheet reads them from the cells): half the time of the default mode.
        options.constant_memory = LXW_TRUE;
        options.tmpdir = const_cast<char*>(scratchPath.constData()); // NOLINT: libxlsxwriter only reads it
        lxw_workbook* book = workbook_new_opt(QFile::encodeName(bookPath).constData(), &options);
        if (book == nullptr) {
            error = LXW_ERROR_CREATING_XLSX_FILE;
        } else {
            error = fillBook(book, sheetName, state, lastDay);
            // Closing writes the file and frees the book, after a failed step too.
            const lxw_error closed = workbook_close(book);
            if (error == LXW_NO_ERROR)
                error = closed;
        }
    }
    if (error != LXW_NO_ERROR) {
        made.failure = SpreadsheetMaking::Failure::NotWhole;
        made.detail = QString::fromUtf8(lxw_strerror(error));
        made.largestFile = QFileInfo(bookPath).size();
        return made;
    }

    QFile file(bookPath);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (bytes.isEmpty() || bytes.size() != file.size()) {
        made.failure = SpreadsheetMaking::Failure::Unreadable;
        made.detail = file.errorString();
        return made;
    }
    // Every part libxlsxwriter writes in constant-memory mode; the sheet ends with the last day's row.
    // libxlsxwriter does not see its own writes fail there, so the book is read back.
    const WorkbookCheck check = checkWorkbook(bytes, BookParts, SheetPart, FirstDayRow + lastDay + 1);
    if (!check.whole) {
        made.failure = SpreadsheetMaking::Failure::NotWhole;
        made.largestFile = std::max(check.largestPart, qint64(bytes.size()));
        return made;
    }
    made.bytes = bytes;
    return made;
}

} // namespace vorlenza

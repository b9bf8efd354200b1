#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QCustomPlot;
class QWidget;

namespace vorlenza {

class Session;

/// An item a plot adds to the menu every plot has.
struct PlotMenuItem {
    QString text; ///< translated, with its access key
    std::function<void()> chosen;
    std::optional<bool> checked; ///< a check item, ticked or not; nothing: a plain item
    bool separatorBefore = false;
    std::vector<PlotMenuItem> submenu; ///< when not empty, the item opens these (and `chosen` is unused)
};

/// What a plot tells its menu: the name its saved picture starts from, its own items, and whether
/// there is anything to offer yet.
struct PlotMenuDefinition {
    std::function<QString()> fileName;
    std::function<std::vector<PlotMenuItem>()> ownItems = [] { return std::vector<PlotMenuItem>(); };
    std::function<bool()> available = [] { return true; };
};

/// The menu of every plot of the program (the main and the large window's charts, the lab's two
/// plots): it opens on the right button, the Menu key or Shift+F10 while the plot has the focus,
/// and offers "Copy chart", "Save chart as…" (PNG, SVG or PDF), "Save window as PDF…" and "Save
/// results as spreadsheet…", then the plot's own items (one of which may open a submenu). Failures
/// are told with the one message title. Lives as long as the plot.
class PlotMenu : public QObject {
    Q_OBJECT
public:
    PlotMenu(Session& session, QWidget& window, QCustomPlot& plot, PlotMenuDefinition definition);

    /// Opens the menu at `globalPos` (nothing when the plot has nothing to offer yet).
    void open(const QPoint& globalPos);
    /// Opens it in the middle of the plot, as the keys do.
    void openAtPlot();

    /// The sentence a plot's accessible description gains.
    static QString hint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void saveChartAsked();

    Session& m_session;
    QWidget& m_window;
    QCustomPlot& m_plot;
    PlotMenuDefinition m_definition;
};

/// Asks for a spreadsheet file name (".xlsx" added when it has none) and saves the last run's
/// results there; tells the user when that fails. A cancelled dialog writes nothing.
void saveResultsAsSpreadsheetAsked(Session& session, QWidget& window);

} // namespace vorlenza

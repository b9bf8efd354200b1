#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMimeData;
class QWidget;

namespace vorlenza {

class WindowRegistry;

/// A file dropped on any of the program's windows, on any control in it (a parameter field
/// included, which would otherwise take the file's name as text), is handed to `open` with the
/// window it was dropped on, once the drop is over. Lives as long as the registry it watches.
class FileDrops : public QObject {
    Q_OBJECT
public:
    FileDrops(WindowRegistry& windows, std::function<void(QWidget* window, const QString& path)> open);
    ~FileDrops() override;

    /// The first local file a drag carries; empty when it carries none.
    static QString droppedFile(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowRegistry& m_windows;
    std::function<void(QWidget*, const QString&)> m_open;
};

} // namespace vorlenza

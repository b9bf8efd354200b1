#include "FileDrops.h"

#include "WindowRegistry.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>

namespace vorlenza {

FileDrops::FileDrops(WindowRegistry& windows, std::function<void(QWidget*, const QString&)> open)
    : QObject(&windows), m_windows(windows), m_open(std::move(open))
{
    // Qt hands a drag only to a widget that takes drops: every window does, and this filter sees
    // the drag first wherever it is.
    connect(&windows, &WindowRegistry::windowCreated, this, [this](WindowId id) {
        if (QWidget* w = m_windows.window(id))
            w->setAcceptDrops(true);
    });
    qApp->installEventFilter(this);
}

FileDrops::~FileDrops()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

QString FileDrops::droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !m_windows.idOf(widget->window()))
        return false;
    // QDragEnterEvent and QDragMoveEvent are drop events too
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = droppedFile(drop->mimeData());
    if (path.isEmpty())
        return false;
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        // after the drop: the program that dragged the file is not kept waiting by a message
        QTimer::singleShot(0, this,
                           [this, window = QPointer<QWidget>(widget->window()), path] { m_open(window.data(), path); });
    }
    return true;
}

} // namespace vorlenza

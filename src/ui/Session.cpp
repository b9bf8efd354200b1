#include "Session.h"

#include "PrintQueue.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace vorlenza {

QString saveDialogFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

Session::Session() : m_model(std::make_unique<ModelState>())
{
    // Qt's plain save dialog; only its start folder is ours, one the user can usually write to.
    m_platform.chooseSaveFile = [](QWidget* parent) {
        return QFileDialog::getSaveFileName(parent, QString(), saveDialogFolder());
    };
    m_platform.defaultPrinter = []() -> std::unique_ptr<QPrinter> {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return nullptr;
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    };
    m_platform.printerRefusal = queueRefusal;
    m_platform.jobRefusal = lastJobRefusal;
    m_platform.printerPaused = queuePaused;
    // Escape closes every message as "OK" does.
    m_platform.reportProblem = [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
        box.setEscapeButton(QMessageBox::Ok);
        box.exec();
    };
    m_platform.offerSaveAsPdf = [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
        QPushButton* save = box.addButton(QCoreApplication::translate("Session", "Save as PDF…"),
                                          QMessageBox::AcceptRole);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        box.exec();
        return box.clickedButton() == save;
    };
    m_platform.chooseExportFile = [](QWidget* parent, const QString& suggested, const QString& filters,
                                     QString* chosenFilter) {
        return QFileDialog::getSaveFileName(parent, QCoreApplication::translate("Session", "Save"),
                                            QDir(saveDialogFolder()).filePath(suggested), filters, chosenFilter);
    };
    m_platform.runMenu = [](QMenu& menu, const QPoint& globalPos) { return menu.exec(globalPos); };
    m_platform.now = [] { return QDateTime::currentDateTime(); };
}

Session::~Session() { m_windows.destroyAll(); }

} // namespace vorlenza

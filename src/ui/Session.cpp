#include "Session.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>

Session::Session() : m_model(std::make_unique<ModelState>()), m_windows(*this)
{
    m_platform.chooseSaveFile = [](QWidget* parent) { return QFileDialog::getSaveFileName(parent); };
    m_platform.defaultPrinter = []() -> std::unique_ptr<QPrinter> {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return nullptr;
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    };
    m_platform.reportProblem = [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox::warning(parent, title, text);
    };
    m_platform.now = [] { return QDateTime::currentDateTime(); };
}

Session::~Session() { m_windows.destroyAll(); }

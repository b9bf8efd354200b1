#include "Session.h"

#include "MessageTitle.h"
#include "PrintQueue.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
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

QString installedExamplesFolder()
{
    const QString beside =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/vorlenza/examples"));
    if (QFileInfo(beside).isDir())
        return QDir::cleanPath(beside);
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("vorlenza/examples"),
                                  QStandardPaths::LocateDirectory);
}

namespace {

/// A small dialog with the scenario's title on one line and the note for the students below it.
bool askTitleAndNote(QWidget* parent, QString& title, QString& note)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("Session", "Save scenario"));
    auto* titleEdit = new QLineEdit(title, &dialog);
    titleEdit->setMaxLength(scenario::MaxTitle);
    auto* noteEdit = new QPlainTextEdit(note, &dialog);
    noteEdit->setTabChangesFocus(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QCoreApplication::translate("Session", "&Title:"), titleEdit);
    form->addRow(QCoreApplication::translate("Session", "&Note for the students:"), noteEdit);
    form->addRow(buttons);
    dialog.resize(520, 300);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    title = titleEdit->text();
    note = noteEdit->toPlainText().left(scenario::MaxNote);
    return true;
}

} // namespace

Session::Session()
{
    // Qt's save dialog with no title; its start folder is one the user can usually write to.
    m_platform.chooseSaveFile = [](QWidget* parent, const QString& filters, QString* chosenFilter) {
        return QFileDialog::getSaveFileName(parent, QString(), saveDialogFolder(), filters, chosenFilter);
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
        QPushButton* save =
            box.addButton(QCoreApplication::translate("Session", "Save as PDF…"), QMessageBox::AcceptRole);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        box.exec();
        return box.clickedButton() == save;
    };
    m_platform.chooseExportFile = [this](QWidget* parent, const QString& suggested, const QString& filters,
                                         QString* chosenFilter) {
        QFileDialog dialog(parent, QCoreApplication::translate("Session", "Save"),
                           QDir(saveDialogFolder()).filePath(suggested), filters);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        if (chosenFilter && !chosenFilter->isEmpty())
            dialog.selectNameFilter(*chosenFilter);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        // Qt's own dialog reads a typed " as the start of a list of names and hands back another
        // name than the one typed: say so rather than save under a name nobody chose.
        const auto* typed = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (typed && typed->text().contains(QLatin1Char('"'))) {
            m_platform.reportProblem(
                parent, messageTitle(),
                QCoreApplication::translate("Session", "The name “%1” cannot be used: a file name here may not hold "
                                                       "the character \". Nothing was saved.")
                    .arg(typed->text()));
            return QString();
        }
        if (chosenFilter)
            *chosenFilter = dialog.selectedNameFilter();
        return dialog.selectedFiles().constFirst();
    };
    m_platform.runMenu = [](QMenu& menu, const QPoint& globalPos) { return menu.exec(globalPos); };
    m_platform.now = [] { return QDateTime::currentDateTime(); };
    m_platform.chooseOpenFile = [](QWidget* parent, const QString& folder, const QString& filters) {
        return QFileDialog::getOpenFileName(parent, QCoreApplication::translate("Session", "Open scenario"), folder,
                                            filters);
    };
    m_platform.askScenarioTexts = askTitleAndNote;
    m_platform.askStudentName = [](QWidget* parent, QString& name) {
        bool ok = false;
        name =
            QInputDialog::getText(parent, QCoreApplication::translate("Session", "Save my answers"),
                                  QCoreApplication::translate("Session", "&Your name:"), QLineEdit::Normal, name, &ok);
        return ok;
    };
    m_platform.examplesFolder = installedExamplesFolder();
}

Session::~Session() { m_windows.destroyAll(); }

ModelState& Session::made() const
{
    if (!m_model)
        m_model = std::make_unique<ModelState>();
    return *m_model;
}

RunResult Session::runSimulation(const FieldTexts& fields)
{
    const RunResult result = RunSimulation(model(), fields);
    if (result.ok())
        ++m_runSerial;
    return result;
}

const ContinuousRun& Session::continuousRun()
{
    if (m_runSerial != 0 && m_continuousOf != m_runSerial) {
        m_continuous.solution = solveContinuous(model());
        m_continuous.check = checkOneDaySteps(model(), m_continuous.solution);
        m_continuousOf = m_runSerial;
    }
    return m_continuous;
}

} // namespace vorlenza

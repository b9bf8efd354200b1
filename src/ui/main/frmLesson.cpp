#include "frmLesson.h"

#include "ChartView.h"
#include "LessonCheck.h"
#include "LessonMarking.h"
#include "Look.h"
#include "MessageTitle.h"
#include "ParameterFieldTable.h"
#include "ScenarioFiles.h"
#include "Session.h"
#include "WindowKit.h"
#include "frmForm1.h"
#include "twips.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace vorlenza {

namespace {

/// The nine values of the last run, in the order of ScenarioValues.
std::array<double, 9> valuesOfRun(const ModelState& state)
{
    const ModelParameters p = parametersOf(state);
    return {p.r1, state.N1[0], p.K1, p.alpha, p.r2, state.N2[0], p.K2, p.beta, static_cast<double>(state.simTime)};
}

QString markSentence(Mark mark)
{
    switch (mark) {
    case Mark::Right: return frmLesson::tr("Right.");
    case Mark::Wrong: return frmLesson::tr("Wrong.");
    case Mark::None: break;
    }
    return {};
}

} // namespace

frmLesson::frmLesson(Session& session, QWidget* parent) : ProgramWindow(session, "frmLesson", parent)
{
    build();
    // a reach task is marked at each Run
    session.runMade = [this] {
        if (m_task >= 0 && m_lesson.tasks[static_cast<std::size_t>(m_task)].kind == TaskKind::Reach)
            cmdCheck_Click();
    };
}

frmLesson::~frmLesson()
{
    session().runMade = nullptr;
    holdRun(false);
}

void frmLesson::holdRun(bool held)
{
    if (auto* main = session().windows().window<frmForm1>(WindowId::Main))
        main->holdRun(held);
}

void frmLesson::createControls()
{
    setWindowTitle(tr("Lesson"));
    kit::background(this, look::vb(0xE0E0E0));
    const QFont font = look::font(QStringLiteral("Times New Roman"), 10.8, false);
    const QFont bold = look::font(QStringLiteral("Times New Roman"), 12, true);
    lblTitle = kit::label(this, "lblTitle", QString(), bold, Qt::AlignLeft);
    lblTitle->setAccessibleName(tr("Lesson"));
    lblTask = kit::label(this, "lblTask", QString(), font, Qt::AlignLeft);
    lblTask->setAccessibleName(tr("Task"));
    lblAnswer = kit::label(this, "lblAnswer", tr("&Answer:"), font, Qt::AlignLeft);
    cboAnswer = kit::make<QComboBox>(this, "cboAnswer");
    cboAnswer->setFont(font);
    cboAnswer->setAccessibleName(tr("Answer"));
    txtAnswer = kit::make<QLineEdit>(this, "txtAnswer");
    txtAnswer->setFont(font);
    txtAnswer->setAccessibleName(tr("Answer"));
    cmdCheck = kit::button(this, "cmdCheck", tr("&Check"), font);
    cmdCheck->setAccessibleName(tr("Check"));
    lblMark = kit::label(this, "lblMark", QString(), font, Qt::AlignLeft);
    lblMark->setAccessibleName(tr("Mark"));
    lblMarks = kit::label(this, "lblMarks", QString(), font, Qt::AlignLeft);
    lblMarks->setAccessibleName(tr("Marks so far"));
    cmdBack = kit::button(this, "cmdBack", tr("&Back"), font);
    cmdBack->setAccessibleName(tr("Previous task"));
    cmdNext = kit::button(this, "cmdNext", tr("&Next"), font);
    cmdNext->setAccessibleName(tr("Next task"));
    cmdSave = kit::button(this, "cmdSave", tr("&Save my answers…"), font);
    cmdSave->setAccessibleName(tr("Save my answers"));
}

void frmLesson::placeControls()
{
    kit::place({
        {lblTitle, {120, 120, 5760, 420}},
        {lblTask, {120, 600, 5760, 1800}},
        {lblAnswer, {120, 2520, 5760, 300}},
        {cboAnswer, {120, 2850, 5760, 360}},
        {txtAnswer, {120, 2850, 5760, 360}},
        {cmdCheck, {120, 3330, 1800, 435}},
        {lblMark, {120, 3870, 5760, 1500}},
        {lblMarks, {120, 5430, 5760, 300}},
        {cmdBack, {120, 5880, 1200, 435}},
        {cmdNext, {1440, 5880, 1200, 435}},
        {cmdSave, {2760, 5880, 3120, 435}},
    });
    setFixedSize(twips::size(6000, 6480));
    QWidget* const order[] = {cboAnswer, txtAnswer, cmdCheck, cmdBack, cmdNext, cmdSave};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmLesson::connectHandlers()
{
    connect(cmdCheck, &QPushButton::clicked, this, &frmLesson::cmdCheck_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmLesson::cmdBack_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmLesson::cmdNext_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmLesson::cmdSave_Click);
    connect(txtAnswer, &QLineEdit::returnPressed, this, &frmLesson::cmdCheck_Click);
}

void frmLesson::startLesson(const Lesson& lesson, const QString& path)
{
    m_lesson = lesson;
    m_path = path;
    m_answers = {};
    m_answers.lesson = scenarioTextIn(lesson.title, scenarioLanguage());
    m_answers.digest = lesson.digest;
    m_answers.tasks.resize(lesson.tasks.size());
    m_sheet.assign(lesson.tasks.size(), {});
    for (std::size_t i = 0; i < lesson.tasks.size(); ++i) {
        m_answers.tasks[i].kind = lesson.tasks[i].kind;
        m_sheet[i].text = scenarioTextIn(lesson.tasks[i].text, scenarioLanguage());
    }
    lblTitle->setText(m_answers.lesson);
    m_task = -1;
    openTask(0);
}

void frmLesson::openTask(int task)
{
    if (m_lesson.tasks.empty() || task < 0 || task >= static_cast<int>(m_lesson.tasks.size()))
        return;
    if (m_task >= 0 && m_lesson.tasks[static_cast<std::size_t>(m_task)].kind == TaskKind::Explain)
        m_answers.tasks[static_cast<std::size_t>(m_task)].answer = txtAnswer->text();
    m_task = task;
    const LessonTask& t = m_lesson.tasks[static_cast<std::size_t>(task)];
    const TaskAnswer& a = m_answers.tasks[static_cast<std::size_t>(task)];
    lblTask->setText(tr("Task %1 of %2: %3")
                         .arg(task + 1)
                         .arg(m_lesson.tasks.size())
                         .arg(m_sheet[static_cast<std::size_t>(task)].text));
    const bool choose = t.kind == TaskKind::Predict;
    cboAnswer->setVisible(choose);
    txtAnswer->setVisible(t.kind == TaskKind::Read || t.kind == TaskKind::Explain);
    lblAnswer->setVisible(t.kind != TaskKind::Reach);
    lblAnswer->setBuddy(choose ? static_cast<QWidget*>(cboAnswer) : txtAnswer);
    cboAnswer->clear();
    for (const QString& name : predictionChoices(t))
        cboAnswer->addItem(answerShown(TaskKind::Predict, name), name);
    cboAnswer->setCurrentIndex(choose ? std::max(0, static_cast<int>(cboAnswer->findData(a.answer))) : -1);
    txtAnswer->setText(t.kind == TaskKind::Predict || t.kind == TaskKind::Reach ? QString() : a.answer);
    cmdCheck->setText(t.kind == TaskKind::Explain ? tr("&Keep") : tr("&Check"));
    lblMark->setText(a.mark == Mark::None ? QString() : markSentence(a.mark) + QLatin1Char(' ') + a.explanation);
    cmdBack->setEnabled(task > 0);
    cmdNext->setEnabled(task + 1 < static_cast<int>(m_lesson.tasks.size()));
    // a prediction is made before its values run; the other tasks start from theirs at once
    if (t.kind != TaskKind::Predict && t.setsValues())
        if (auto* main = session().windows().window<frmForm1>(WindowId::Main)) {
            Scenario s = m_lesson.scenario;
            s.values = taskSetUp(m_lesson, t);
            main->takeScenario(s);
        }
    openFields(t.kind == TaskKind::Reach ? &t : nullptr);
    // the prediction first, then the run
    holdRun(t.kind == TaskKind::Predict && a.mark == Mark::None);
    showMarks();
    QWidget* first = txtAnswer;
    if (choose)
        first = cboAnswer;
    else if (t.kind == TaskKind::Reach)
        first = cmdCheck;
    first->setFocus();
}

QString frmLesson::answerGiven() const
{
    const LessonTask& t = m_lesson.tasks[static_cast<std::size_t>(m_task)];
    if (t.kind == TaskKind::Predict)
        return cboAnswer->currentData().toString();
    return t.kind == TaskKind::Reach ? QString() : txtAnswer->text().trimmed();
}

void frmLesson::cmdCheck_Click()
{
    if (m_task < 0)
        return;
    const auto i = static_cast<std::size_t>(m_task);
    const LessonTask& t = m_lesson.tasks[i];
    TaskAnswer& a = m_answers.tasks[i];
    a.answer = answerGiven();
    auto* main = session().windows().window<frmForm1>(WindowId::Main);
    if (t.kind == TaskKind::Explain || !main) {
        lblMark->setText(tr("Kept for your teacher."));
        return;
    }
    // the prediction is made: now its values run
    if (t.kind == TaskKind::Predict) {
        holdRun(false);
        Scenario s = m_lesson.scenario;
        s.values = taskSetUp(m_lesson, t);
        const QString refused = main->takeScenario(s);
        if (!refused.isEmpty()) {
            session().platform().reportProblem(this, messageTitle(), refused);
            return;
        }
    }
    const std::array<double, 9> run = valuesOfRun(session().model());
    const TaskMarking m = markTask(t, run, a.answer);
    a.mark = m.mark;
    a.explanation = m.explanation;
    a.run = run;
    m_sheet[i].chart = main->chart()->grab().toImage();
    lblMark->setText(markSentence(m.mark) + QLatin1Char(' ') + m.explanation);
    showMarks();
}

void frmLesson::showMarks()
{
    lblMarks->setText(tr("Marks so far: %1 right of %2 checked").arg(m_answers.right()).arg(m_answers.marked()));
}

void frmLesson::openFields(const LessonTask* task)
{
    auto* main = session().windows().window<frmForm1>(WindowId::Main);
    if (!main)
        return;
    for (std::size_t i = 0; i < ScenarioValues.size(); ++i)
        if (const ParameterFieldRow* row = parameterFieldRowOf(ScenarioValues[i].field))
            if (auto* field = main->findChild<QLineEdit*>(QLatin1String(row->name)))
                field->setReadOnly(task && !task->open[i]);
}

void frmLesson::cmdSave_Click()
{
    if (m_task >= 0 && m_lesson.tasks[static_cast<std::size_t>(m_task)].kind == TaskKind::Explain)
        m_answers.tasks[static_cast<std::size_t>(m_task)].answer = txtAnswer->text();
    // the name is asked once a lesson
    if (m_answers.student.isEmpty()) {
        QString name;
        if (!session().platform().askStudentName(this, name) || name.trimmed().isEmpty())
            return;
        m_answers.student = name.trimmed().left(answers::MaxName);
    }
    const QString suggested = QDir(QFileInfo(m_path).absolutePath())
                                  .filePath(QFileInfo(m_path).completeBaseName() + QLatin1Char('-') +
                                            m_answers.student + QStringLiteral(".json"));
    const QString path = session().platform().chooseExportFile(this, suggested, tr("Answers (*.json)"), nullptr);
    if (path.isEmpty())
        return;
    m_answers.saved = session().platform().now();
    m_answers.saved = m_answers.saved.addMSecs(-m_answers.saved.time().msec());
    const Outcome saved = saveHandIn(m_answers, m_sheet, path);
    if (!saved.ok)
        session().platform().reportProblem(this, messageTitle(), saved.error);
}

void frmLesson::Form_Unload()
{
    openFields(nullptr);
    holdRun(false);
}

bool openLessonFile(Session& session, const QString& path, QWidget* parent)
{
    const LessonReading reading = readLessonFile(path);
    if (!reading.ok()) {
        const QStringList problems = lessonProblemTexts(reading);
        session.platform().reportProblem(
            parent, messageTitle(),
            frmLesson::tr("The lesson “%1” could not be opened: %2.")
                .arg(QDir::toNativeSeparators(path), problems.isEmpty() ? QString() : problems.front()));
        return false;
    }
    auto* main = qobject_cast<ProgramWindow*>(session.windows().load(WindowId::Main));
    if (!main)
        return false;
    const QString refused = main->takeScenario(reading.lesson.scenario);
    if (!refused.isEmpty()) {
        session.platform().reportProblem(parent, messageTitle(), refused);
        return false;
    }
    for (int i = 0; i < WindowCount; ++i) {
        const auto id = static_cast<WindowId>(i);
        if (id != WindowId::Background && id != WindowId::Main && id != WindowId::Lesson)
            session.windows().hide(id);
    }
    session.windows().show(WindowId::Main);
    auto* lesson = qobject_cast<frmLesson*>(session.windows().show(WindowId::Lesson));
    if (!lesson)
        return false;
    lesson->startLesson(reading.lesson, path);
    return true;
}

} // namespace vorlenza

#pragma once

#include "Lesson.h"
#include "LessonAnswers.h"
#include "LessonWorksheet.h"
#include "ProgramWindow.h"

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vorlenza {

/// The lesson a student works through, one task at a time, beside the working window (the one
/// window shown together with another): the task's text, the answer (one of the offered answers
/// for a prediction, a number or a text typed), "Check", which marks the answer against the last
/// run and says why, the marks so far, "Back" and "Next", and "Save my answers". Opening a task
/// writes its values into the main window's fields; a reach task leaves only its fields open
/// there while it is shown.
class frmLesson : public ProgramWindow {
    Q_OBJECT
public:
    explicit frmLesson(Session& session, QWidget* parent = nullptr);
    /// Lets Run go and stops marking runs.
    ~frmLesson() override;

    /// Starts `lesson` (read from `path`) at its first task, with no answers yet.
    void startLesson(const Lesson& lesson, const QString& path);
    int task() const { return m_task; }
    const LessonAnswers& answers() const { return m_answers; }

protected:
    void Form_Unload() override;

private slots:
    void cmdCheck_Click();
    void cmdBack_Click() { openTask(m_task - 1); }
    void cmdNext_Click() { openTask(m_task + 1); }
    void cmdSave_Click();

private:
    void createControls() override;
    void placeControls() override;
    void connectHandlers() override;
    void openTask(int task);
    /// The answer the controls hold now, as the answers file writes it.
    QString answerGiven() const;
    void showMarks();
    /// Opens the main window's fields for the task: all of them, or only a reach task's own.
    void openFields(const LessonTask* task);
    /// Holds the main window's Run off while `held`.
    void holdRun(bool held);

    QLabel* lblTitle = nullptr;
    QLabel* lblTask = nullptr;
    QLabel* lblAnswer = nullptr;
    QComboBox* cboAnswer = nullptr;
    QLineEdit* txtAnswer = nullptr;
    QPushButton* cmdCheck = nullptr;
    QLabel* lblMark = nullptr;
    QLabel* lblMarks = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdSave = nullptr;

    Lesson m_lesson;
    QString m_path;
    LessonAnswers m_answers;
    std::vector<WorksheetTask> m_sheet;
    int m_task = 0;
};

/// Opens the lesson at `path` (a scenario file with a lesson): the main window runs its set-up and
/// the lesson window comes up beside it. A lesson with problems is told over `parent`, the first
/// of them with its place, and nothing changes. True when it was opened.
bool openLessonFile(Session& session, const QString& path, QWidget* parent);

} // namespace vorlenza

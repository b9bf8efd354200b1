#pragma once

#include "BenchCase.h"

#include <QImage>
#include <QString>

#include <vector>

namespace vorlenza {
class Session;
}

/// Lessons: opening one (read and checked, task by task; then through the windows of `session`, its
/// set-up run and the lesson window shown), checking a task against a run, and writing a worksheet
/// of ten tasks, each with `chart`, into `scratch`.
std::vector<BenchCase> LessonCases(vorlenza::Session& session, const QString& scratch, const QImage& chart);

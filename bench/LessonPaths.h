#pragma once

#include "BenchCase.h"

#include <QImage>
#include <QString>

#include <vector>

/// Lessons: opening one (read and checked, task by task), checking a task against a run, and
/// writing a worksheet of ten tasks, each with `chart`, into `scratch`.
std::vector<BenchCase> LessonCases(const QString& scratch, const QImage& chart);

#pragma once

#include <optional>

namespace vorlenza {

/// A teacher's commands, run without a display and without a window:
///   vorlenza --check-lesson FILE…      each problem of each lesson with its place; status 1 when
///                                      there is one, 0 when every lesson is fine
///   vorlenza --class-summary FILE…     the answers files as one CSV on standard output; a file left
///                                      out is named on standard error; status 1 when no file is read
/// The exit status when the arguments ask for one of them, nothing when they do not.
std::optional<int> runTeacherCommand(int argc, char* argv[]);

} // namespace vorlenza

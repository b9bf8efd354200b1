#pragma once

#include <QString>

namespace vorlenza {

/// What came of writing a file or printing a page.
struct Outcome {
    bool ok = false;
    QString error; ///< when !ok: what failed and why, in plain words, naming the file or printer
};

} // namespace vorlenza

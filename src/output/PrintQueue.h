#pragma once

#include <QString>

class QPrinter;

namespace vorlenza {

/// Why the print system will not take a job for `printer` now (a queue that rejects jobs), in
/// plain words, or an empty string when it will or when that cannot be told. Asks CUPS, when the
/// system has it, about printer queues; a printer that writes a file always takes the job.
QString queueRefusal(const QPrinter& printer);

/// Whether the queue of `printer` is paused (CUPS: stopped): it takes jobs but prints none until
/// the printer is resumed. False when it is not or when that cannot be told.
bool queuePaused(const QPrinter& printer);

/// Why the print system did not take the job that was just sent to `printer`, or an empty string
/// when it did or when that cannot be told. Qt's printing hands the page to CUPS when the painter
/// ends and drops CUPS's answer; this reads CUPS's last answer on this thread instead.
QString lastJobRefusal(const QPrinter& printer);

} // namespace vorlenza

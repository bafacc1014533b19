#pragma once

#include "core/logstore.h"
#include "core/prompter.h"
#include "core/separators.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace vk {

// The first line of a log file (ignored by the reader).
QString CreatorLine(int year);

// Builds the complete file text from header and records, skipping records
// marked for deletion; with rebuildIndex the call index is rebuilt on the way.
// Stores the text in the store and returns it.
QString BuildLogText(LogStore& store, bool rebuildIndex, int year = QDate::currentDate().year());

enum class ReadResult { Loaded, Refused, Cancelled };

// The refusal message for a file that is no log.
QString RefusedLogText(const QString& path);

// Replaces the store with the contents of the log file. A refused file shows
// the refusal message; a read or conversion error the common error box (Cancel
// gives Cancelled without further message). On anything but Loaded the header is
// at its defaults and the index "¶".
ReadResult ReadLogFile(LogStore& store, const QString& path, Prompter& prompter, const DateTimeSeparators& seps);

// Same, from bytes already read (no file access; refusal without message).
ReadResult ParseLogBytes(LogStore& store, QByteArray bytes, Prompter& prompter, const DateTimeSeparators& seps);

// Writes the bytes as the whole content of the file: a temporary file in the same
// folder, flushed and renamed over the old one, so the old file stays whole when
// anything fails. Throws VkError.
void SaveFileAtomically(const QString& path, const QByteArray& bytes);

// Write-through save of the store's text to its file under the common error box.
// Returns false when the user cancelled.
bool SaveLog(const LogStore& store, Prompter& prompter);

} // namespace vk

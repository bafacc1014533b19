#pragma once

#include "core/prompter.h"
#include "entry/session.h"
#include "exchange/programinfo.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace vk {

// Opens a written file with the desktop's program for it (the window side
// passes the shell; tests pass a recorder).
using OpenFileFn = std::function<void(const QString& path)>;

// "Keine Logeinträge vorhanden zu exportieren!"
QString NoEntriesText();
// "Datei gespeichert unter", the path, an empty line, the question to open it.
QString SavedFileQuestion(const QString& path);

// The target name: a name not ending in ".log" / ".adi" (any case) gets ".LOG" / ".ADI".
QString CabrilloFileName(const QString& chosen);
QString AdifFileName(const QString& chosen);

// The claimed score: the final sum the result window shows.
double ClaimedScore(const Session& s);

// The Cabrillo text of the open log, rows in the given grid order (also what a
// submission sends).
QStringList SessionCabrilloLines(const Session& s, const std::vector<int>& displayOrder,
                                 const ProgramInfo& program = ProgramInfo::Current());

// The command "&Cabrillo-Datei erzeugen": asks for the target file, writes the
// text and offers to open it. `displayOrder` holds the record indices of the
// grid's rows in the order it shows them. Returns the path written, or an empty
// text when nothing was written.
QString ExportCabrilloFile(Session& s, const std::vector<int>& displayOrder, const OpenFileFn& open,
                           const ProgramInfo& program = ProgramInfo::Current());

// The command "&ADIF-Datei erzeugen", the same way.
QString ExportAdifFile(Session& s, const std::vector<int>& displayOrder, const OpenFileFn& open,
                       const ProgramInfo& program = ProgramInfo::Current());

// Writes the lines as a text file under the common error box and asks whether
// to open it. Returns false when the write was cancelled.
bool WriteTextAndOffer(Prompter& prompter, const QString& path, const std::function<QStringList()>& build,
                       const OpenFileFn& open);

} // namespace vk

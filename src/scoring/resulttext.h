#pragma once

#include "core/logstore.h"
#include "core/prompter.h"
#include "core/stationheader.h"
#include "entry/session.h"
#include "exchange/exportcommand.h"
#include "exchange/programinfo.h"
#include "scoring/tally.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vk {

// The number as decimal text right-aligned in `width` characters; a longer text
// keeps its first `width` characters.
QString ResultNumber(double value, int width);

// The distinct operator calls of the log in order of first appearance,
// separated by ", ".
QString ResultOperators(const LogStore& store);

// "Category: HIGH-POWER NEWCOMER" and its siblings; nullopt for other combinations.
std::optional<QString> ResultCategoryLine(int entryClass, int powerClass);

// The lines of the result file.
QStringList ResultTextLines(const LogStore& store, const ScoreTally& tally, const ScoreSummary& summary,
                            const ProgramInfo& program, int year);

// The target name: a name not ending in ".txt" (any case) gets ".txt".
QString ResultFileName(const QString& chosen);

// The save button of the result window: asks for the file, writes the result
// text of the shown summary and offers to open it. Returns the path written, or
// an empty text when nothing was written.
QString WriteResultText(Session& s, const ScoreSummary& shown, const OpenFileFn& open,
                        const ProgramInfo& program = ProgramInfo::Current());

} // namespace vk

#pragma once

#include "core/qsorecord.h"
#include "core/stationheader.h"
#include "exchange/programinfo.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace vk {

// The contest's Cabrillo 3.0 file: header lines, one "QSO:" line per contact
// that is not on 30 m, "END-OF-LOG:". `rows` are the log grid's rows in the
// order it shows them; `claimedScore` is the final sum of the result. Throws
// VkError when a contact's date or time cannot be read.
QStringList CabrilloLines(const StationHeader& header, const std::vector<const QsoRecord*>& rows, double claimedScore,
                          const ProgramInfo& program, QDate today);

// One QSO line of 73 characters.
QString CabrilloQsoLine(const StationHeader& header, const QsoRecord& r);

// "CATEGORY: HIGH-POWER NEWCOMER" and its siblings; nullopt where no line is written.
std::optional<QString> CabrilloCategoryLine(int entryClass, int powerClass);

// The "SOAPBOX: " lines of a multi-line text, one per line, trimmed.
QStringList SoapboxLines(const QString& text);

// The licence-exam date as "yyyy-mm-dd" (the stored text when it is no date).
QString LicenseDate(const QString& examDate);

} // namespace vk

#pragma once

#include "core/qsorecord.h"
#include "core/stationheader.h"
#include "exchange/programinfo.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace vk {

// The ADIF file: five header lines, then one record line per contact in the
// given order, dupes left out. Throws VkError when a contact's date or time
// cannot be read.
QStringList AdifLines(const StationHeader& header, const std::vector<const QsoRecord*>& rows,
                      const ProgramInfo& program);

// One record line, ended by "<EOR>".
QString AdifRecord(const StationHeader& header, const QsoRecord& r);

// "<NAME:length>value"
QString AdifField(QStringView name, QStringView value);

// The frequency in megahertz from the kilohertz text: "3650" gives "3.650";
// a text shorter than four characters stays as it is.
QString AdifFrequency(const QString& khzText);

} // namespace vk

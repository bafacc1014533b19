#pragma once

#include "core/logstore.h"
#include "core/qsorecord.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

#include <vector>

namespace vk {

// The records behind the log grid's rows, in the order the grid shows them.
// `order` holds record indices; indices out of range and records marked for
// deletion are left out.
std::vector<const QsoRecord*> RowsInOrder(const LogStore& store, const std::vector<int>& order);
// All records of the log in file order (without those marked for deletion).
std::vector<const QsoRecord*> RowsInFileOrder(const LogStore& store);
std::vector<int> FileOrder(const LogStore& store);

// The contact's stored date and time as values. Throw VkError naming the contact
// when the text is no date or time.
QDate QsoDateValue(const QsoRecord& r);
QTime QsoTimeValue(const QsoRecord& r);

// The frequency as the log grid shows it: whole kilohertz ("3512", "10120", "0").
QString FrequencyKhzText(float khz);
// "40m", "80m", "30m"
QString BandText(int band);

// Lines of a text file as its bytes: Windows-1252, every line ended by CR LF.
QByteArray TextFileBytes(const QStringList& lines);

// Appends `call` to `calls` unless it is empty or already listed.
void AddDistinctCall(QStringList& calls, const QString& call);

// Whether a chosen file name ends in `extension` (".log"), compared without
// regard to case; if not, the name with `appended` (".LOG") added.
QString WithExtension(const QString& chosen, const QString& extension, const QString& appended);

} // namespace vk

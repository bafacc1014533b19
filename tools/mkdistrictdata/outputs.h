#pragma once

// The text files the generator writes.

#include "geodata.h"
#include "mapcheck.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace mkdd {

// Windows-1252 bytes for text whose characters all lie in the Latin-1 range
// outside 0x80..0x9F (where Windows-1252 and Latin-1 agree). Anything else is
// an error rather than a silent substitute.
std::optional<QByteArray> ToWindows1252(const QString& text, QString* error);

// One line per district, CR LF, Windows-1252:
//   code;MapX;MapY;name;state;[x;y; for each further part]
std::optional<QByteArray> DistrictFileContents(const std::vector<District>& districts, const Projection& proj,
                                               QString* error);

// gkz,code,pixels with the number of pixels each district's fill reached.
QByteArray FillCountsCsv(const std::vector<District>& districts, const std::vector<DistrictCheck>& checks);

// Writes through a temporary file so an old file stays whole on failure.
bool WriteFile(const QString& path, const QByteArray& bytes, QString* error);

} // namespace mkdd

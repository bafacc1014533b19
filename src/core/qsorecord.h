#pragma once

#include <QString>

#include <cstdint>

namespace vk {

// One logged contact. The order of the fields is the order of the record; the
// comments give the field's position in a log file line.
struct QsoRecord {
  QString Call;            // 0  callsign of the other station
  std::int16_t Band = 0;   // 1  40, 80 or 30
  QString District;        // 2  exactly two characters (blank-padded)
  QString QsoDate;         // 3  dd.mm.yyyy
  QString QsoTime;         // 4  hh:mm:ss
  QString RstSent;         // 5
  QString RstRcvd;         // 6
  std::int16_t Qsl = 0;    // 7  0 or 1
  QString Mode;            // 8  "SSB" or "CW"
  QString Mode2;           // 9  equal to Mode
  std::int16_t Status = 0; // 10 0 ordinary, 1 dupe, -1 marked for deletion
  QString OpCall;          // 11 operator
  QString Note;            // 12
  QString Reserved13;      // 13 "0" for new records
  float FreqKhz = 0;       // 14
  float Reserved15 = 0;    // 15
  float SeqNo = 0;         // not in the file: the record's sequence number
  QString Extra16;         // 16
  QString Extra17;         // 17
  QString Extra18;         // 18
};

inline constexpr std::int16_t kStatusNormal = 0;
inline constexpr std::int16_t kStatusDupe = 1;
inline constexpr std::int16_t kStatusDeleted = -1;

// Fits a text to exactly two characters: blank-padded or cut.
inline QString FitDistrict(const QString& text) {
  if (text.size() == 2)
    return text;
  return text.left(2).leftJustified(2, QLatin1Char(' '));
}

} // namespace vk

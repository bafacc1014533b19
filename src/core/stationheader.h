#pragma once

#include <QString>

#include <cstdint>

namespace vk {

// The station and operator values of a log, stored as tagged header lines.
struct StationHeader {
  QString MyCall;                 // "[MYCALL:"
  QString MyLocator;              // "[MYLOCATOR:"
  QString MyBz = QStringLiteral("  "); // "[MYBZ:" own district, two characters
  std::int16_t OmYl = 0;          // "[MYOMYL:"
  QString OpCall;                 // "[MYOPCALL:"
  QString OpName;                 // "[MYOPNAME:"
  QString Address;                // "[MYADRESS:"
  QString Plz;                    // "[MYPLZ:"
  QString City;                   // "[MYCITY:"
  QString Email;                  // "[MYEMAIL:"
  std::int16_t EntryClass = 0;    // "[MYWERTUNGSST:"
  std::int16_t PowerClass = 0;    // "[MYPWR:"
  QString Station;                // "[MYSTATION:" multi-line description
  QString Comment;                // "[MYKOMMENT:" multi-line
  QString ExamDate;               // "[MYEXAMDAT:" default "00.00.2000"
  std::int16_t OpClass = 0;       // "[MYOPKLASS:"
  std::int16_t EmergencyPower = 0; // "[MYNPOWER:"
};

// Entry class index of a state radio station (the class that may work amateurs on 30 m).
inline constexpr int kEntryClassStateStation = 4;

} // namespace vk

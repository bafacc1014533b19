#pragma once

#include "core/prompter.h"

#include <QPoint>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <vector>

namespace vk {

struct DistrictEntry {
  QString Code;  // two characters
  int MapX = 0;  // a pixel inside the district on the map picture
  int MapY = 0;
  QString Name;
  int State = 0; // federal state 1..9
  std::int16_t QsoCount = 0;
  std::int16_t Count40 = 0;
  std::int16_t Count80 = 0;
  std::int16_t Count30 = 0;
  // Further points for districts in several parts; the map fill starts from
  // each of them too.
  std::vector<QPoint> ExtraPoints;
};

// The districts in file order, indexed from 1 (element 0 exists and stays
// empty), and the code text used for lookups: two blanks, then each code and ";".
class DistrictTable {
public:
  DistrictTable() { clear(); }

  std::vector<DistrictEntry> Entries;
  QString DistrictCodes;

  void clear();
  // Number of districts (the table's upper bound).
  int count() const { return int(Entries.size()) - 1; }
  DistrictEntry& operator[](int i) { return Entries[size_t(i)]; }
  const DistrictEntry& operator[](int i) const { return Entries[size_t(i)]; }

  // Appends an entry and places its code in the code text.
  int add(DistrictEntry entry);
  // Removes trailing blanks from the code text (after loading).
  void finish();

  // Index of a code, 0 when not found: the position of its first occurrence in
  // the code text divided by 3, halves rounded to even.
  int DistrictIndex(QStringView code) const;
};

// Loads the district file (Windows-1252, one district per line:
// code;x;y;name;state; and optional further x;y; pairs). A missing file or a line
// that cannot be converted shows the common error box; Retry repeats the step,
// Cancel keeps the entries read so far. Returns false when cancelled.
bool LoadDistricts(const QString& path, DistrictTable& table, Prompter& prompter);

} // namespace vk

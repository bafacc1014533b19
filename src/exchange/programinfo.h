#pragma once

#include "version.h"

#include <QString>

namespace vk {

// Name and three-part version of the running program, as the export files and
// the result file name their maker.
struct ProgramInfo {
  QString name;
  int major = 0;
  int minor = 0;
  int revision = 0;

  static ProgramInfo Current() {
    return {QString::fromLatin1(kProductName), kVersionMajor, kVersionMinor, kVersionRevision};
  }
  // "1.0.0"
  QString version() const {
    return QString::number(major) + QLatin1Char('.') + QString::number(minor) + QLatin1Char('.') +
           QString::number(revision);
  }
};

// "CREATED-BY: VelkaKDRZ v1.0.0, 2026 by QZ9VLK"
inline QString CreatedByLine(const ProgramInfo& program, int year) {
  return QStringLiteral("CREATED-BY: ") + program.name + QStringLiteral(" v") + program.version() +
         QStringLiteral(", ") + QString::number(year) + QStringLiteral(" by QZ9VLK");
}

} // namespace vk

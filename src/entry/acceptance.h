#pragma once

#include "entry/dupecheck.h"
#include "entry/entryrules.h"
#include "entry/loggrid.h"

#include <QString>

#include <functional>
#include <optional>

namespace vk {

struct Session;

// The texts of the entry line when Enter is pressed.
struct EntryValues {
  QString date;
  QString time;
  QString bandText; // "40m", "80m", "30m"
  int bandIndex = 0;
  QString modeText; // "SSB", "CW"
  QString call;
  QString rstSent;
  QString rstRcvd;
  QString district;
  int qsl = 0;
  QString note;
  QString opCall;
};

// What acceptance needs from the windows around it. Every hook may be empty.
struct AcceptHooks {
  // kHz from the frequency window for the band's list index, when it is open.
  std::function<std::optional<float>(int bandIndex)> frequencyWindowKhz;
  // District map: fill the district (when the map is open).
  std::function<void(const QString& code)> fillDistrict;
  // Multiplier table: colour its cells (district code, state, state-station prefix).
  std::function<void(const QString& code, int state, const QString& prefix)> gridCellColor;
  // Start the one-shot backup timer.
  std::function<void()> startBackupTimer;
  // The additional backup right after the write.
  std::function<void()> additionalBackup;
};

struct AcceptOutcome {
  enum Kind {
    Refused,       // a check failed: status text (may be empty) and focus
    DupeDeclined,  // the operator answered No to the dupe question
    Accepted,
    SaveCancelled, // the file could not be written and the operator cancelled
  };
  Kind kind = Refused;
  QString status;
  EntryField focus = EntryField::None;
  DupeCheckResult dupeCheck; // the duplicate check of step 12 (for the warning)
  bool dupe = false;
  int recordIndex = -1;
};

// The status-line texts of the checks.
QString InvalidCallText();
QString DupeQuestionText();

// Checks the entry line and, when it passes, logs the QSO: tallies, grid row,
// record, index, file line, durable save, refresh requests, backups. The district
// stored is the one in the entry line (the duplicate check does not replace it).
// When the save is cancelled every in-memory change of the QSO is undone, so
// memory equals the file, and the entry line stays as typed.
AcceptOutcome Uebernehmen(Session& session, const EntryValues& entry, LogGrid& grid, bool ownStateStation,
                          const AcceptHooks& hooks = {});

} // namespace vk

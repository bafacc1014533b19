#pragma once

#include "core/stationheader.h"

#include <QChar>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vk {

struct Session;
class Prompter;

// New-log mode: the operator names a new log and creates it by saving.
// Settings mode: the station data of the open log are changed.
enum class StationLogMode { NewLog, Settings };

// Entry classes in option order; shown top to bottom as SSB, CW, MIX, Newcomer, Staatsfunkstelle.
enum EntryClassOption { kClassSsb = 0, kClassMix = 1, kClassCw = 2, kClassNewcomer = 3, kClassStateStation = 4 };

// Field limits of the window.
inline constexpr int kCallMaxLength = 13;
inline constexpr int kEmailMaxLength = 250;
inline constexpr int kLocatorMaxLength = 6;
inline constexpr int kNameMaxLength = 70;
inline constexpr int kPlzMaxLength = 10;
inline constexpr int kMultiLineMaxLength = 20000;
inline constexpr int kMaxOpCalls = 10;

// Where the window puts the focus after a refused save or prompt.
enum class StationFocus { None, Call, OpCall, District, EntryClass, Email };

// The contents of the window's fields, as the widgets hold them.
struct StationForm {
  QString call;     // "Stationsrufzeichen"
  QString opCall;   // "Operatorrufzeichen" (editable combo)
  QString district; // the chosen entry of the district list ("WI - Wien"), empty when none
  int omYl = 0;
  int entryClass = kClassSsb;
  int powerClass = 0;
  int opClass = 0;
  // Exam date lists: the chosen day ("1".."31"), month name and year; empty when none.
  QString examDay;
  QString examMonth;
  QString examYear;
  QString email;
  QString locator;
  QString name;
  QString address;
  QString plz;
  QString city;
  QString station;   // description, lines separated by "\n"
  QString comment;   // lines separated by "\n"
  int emergency = 0; // option: 0 "Nein", 1 "Ja"
};

// The key filter of the callsign fields: digits, "/" and letters (in upper case)
// pass, "-" becomes "/", the control keys copy (3), backspace (8) and cut (24)
// pass; every other key gives nullopt (dropped).
std::optional<QChar> FilterCallKey(QChar key);
// The same filter over a pasted text (control characters are dropped).
QString FilterCallText(const QString& text);

// The box's displayed lines joined, each followed by CR LF (so soft wraps become
// hard breaks), trailing CR LF pairs removed and one CR LF appended.
QString RebreakText(const QStringList& displayedLines);

// The explanatory text beside the emergency-power option.
QString EmergencyPowerText();
// The contest manager's address named in that text.
inline const QString kContestManagerEmail = QStringLiteral("auswertung@kdrw-contest.example");

// The operator-call list editor: at most 10 calls.
class OpCallListEditor {
public:
  OpCallListEditor(Prompter& prompter, QStringList calls);

  const QStringList& calls() const { return m_calls; }
  bool editing() const { return m_editing; }
  // The entry being edited; nullopt for a new entry.
  std::optional<int> editedRow() const { return m_row; }
  // The text the edit box opens with.
  const QString& editText() const { return m_editText; }

  // "&Neu": opens the edit box, or refuses when the list is full. True when it opens.
  bool startNew();
  // "&Bearbeiten" or a double click: edits the first selected entry. True when it opens.
  bool startEdit(const QList<int>& selectedRows);
  // The check-mark button or Enter: true when the text was taken and the box closes.
  bool accept(const QString& text);
  // The cross button.
  void cancelEdit();
  // "&Löschen": asks for each selected entry in list order.
  void remove(const QList<int>& selectedRows);

private:
  Prompter& m_p;
  QStringList m_calls;
  bool m_editing = false;
  std::optional<int> m_row;
  QString m_editText;
};

// The rules of the window `StationLog`. The window shows a StationForm and asks
// this class what to do; every message goes through the session's Prompter.
class StationLogLogic {
public:
  StationLogLogic(Session& session, StationLogMode mode);

  StationLogMode mode() const { return m_mode; }

  // The lists of the window: districts ("code - name", sorted), month names,
  // years (the current year and the three before it, newest first), and the
  // operator-call list from the settings.
  QStringList districtEntries() const;
  QStringList monthNames() const;
  QStringList yearEntries() const;
  const QStringList& opCalls() const { return m_opCalls; }
  void setOpCalls(const QStringList& calls) { m_opCalls = calls; }

  // The fields when the window opens: empty in new-log mode (only the
  // emergency-power option follows the header), the header's values in settings mode.
  StationForm initialForm() const;
  static bool ExamFrameVisible(int entryClass) { return entryClass == kClassNewcomer; }

  // The header this window edits: the open log's in settings mode, the new
  // log's in new-log mode.
  const StationHeader& header() const;

  // "Ja"/"Nein" of the emergency power: takes effect at once.
  void setEmergencyPower(int option);

  // The log file name with ".VKDRZ": the open log's in settings mode, the name
  // chosen by the prompt in new-log mode (empty until chosen).
  const QString& fileName() const { return m_fileName; }

  // The name prompt (new-log mode). Returns where the focus goes.
  StationFocus namePrompt(const QString& call);

  // "Daten aus letztem Log importieren": fills the form from the last log.
  // Returns false when nothing was read or the file was faulty.
  bool importLastLog(StationForm& form);

  struct SaveResult {
    bool saved = false;
    StationFocus focus = StationFocus::None;
  };
  // Save: checks in order, stores the form into the header, writes the log file
  // and the operator-call list. The displayed lines of the description and the
  // comment box make the re-broken texts, which are put back into the form
  // (as the trimmed texts are).
  SaveResult save(StationForm& form, const QStringList& stationLines, const QStringList& commentLines);

  // Exam date as stored: day, separator, month, separator, four-digit year.
  QString examDateText(const StationForm& form) const;

private:
  StationHeader& editedHeader();
  QDate today() const;

  Session& m_s;
  StationLogMode m_mode;
  StationHeader m_newHeader;
  QStringList m_opCalls;
  QString m_fileName;
};

} // namespace vk

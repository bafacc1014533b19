#include "entry/acceptance.h"

#include "core/contest.h"
#include "core/errorbox.h"
#include "core/logfile.h"
#include "core/numbers.h"
#include "entry/session.h"
#include "scoring/tally.h"

namespace vk {

QString InvalidCallText() { return QStringLiteral("Ungültiges Rufzeichen"); }
QString DupeQuestionText() { return QStringLiteral("Soll das QSO als DUPE geloggt werden?"); }

namespace {

AcceptOutcome Refuse(const QString& status, EntryField focus) {
  AcceptOutcome o;
  o.kind = AcceptOutcome::Refused;
  o.status = status;
  o.focus = focus;
  return o;
}

} // namespace

AcceptOutcome Uebernehmen(Session& s, const EntryValues& e, LogGrid& grid, bool ownStateStation,
                          const AcceptHooks& hooks) {
  const QString call = e.call.trimmed();
  const QString district = e.district.trimmed();

  // Checks, in this order; the first that fails ends the procedure.
  if (call.size() < 3 || call.startsWith(QLatin1String("OEOE")))
    return Refuse(InvalidCallText(), EntryField::Call);
  if (e.bandText.trimmed().size() < 2)
    return Refuse(QStringLiteral("BAND ungültig"), EntryField::Band);
  if (e.modeText.trimmed().size() < 2)
    return Refuse(QStringLiteral("MODE ungültig"), EntryField::Mode);
  if (e.rstSent.trimmed().size() < 2)
    return Refuse(QStringLiteral("RSTs ungültig"), EntryField::RstSent);
  if (e.rstRcvd.trimmed().size() < 2)
    return Refuse(QStringLiteral("RSTe ungültig"), EntryField::RstRcvd);
  // The code must be one of the table's codes, not just any two characters of
  // the code text (such as "A;").
  const int districtIndex = district.size() == 2 ? s.districts.DistrictIndex(district) : 0;
  if (districtIndex == 0 || s.districts[districtIndex].Code != district)
    return Refuse(QStringLiteral("BEZIRK ungültig"), EntryField::District);
  const int band = int(LeadingNumber(e.bandText));
  if (auto violation = BandRuleViolation(call, band, ownStateStation ? kEntryClassStateStation : 0)) {
    s.prompter->message(*violation, Icon::Information, Buttons::Ok);
    return Refuse(QString(), EntryField::Band);
  }
  const auto time = ParseTimeOfDay(e.time.trimmed());
  if (!time)
    return Refuse(QStringLiteral("Zeit Ungültige"), EntryField::Time);
  const auto date = ParseDate(e.date.trimmed());
  if (!date)
    return Refuse(QStringLiteral("Datum Ungültige"), EntryField::Date);

  AcceptOutcome out;
  if (s.store.FindCall(call) != 0) {
    DupeCheckResult check;
    if (!RunStep(*s.prompter, [&] { check = CallExistTest(s.store, call, e.bandText, e.modeText, e.time, s.seps); }))
      return Refuse(QString(), EntryField::Call);
    out.dupeCheck = check;
    if (check.dupe) {
      if (s.prompter->message(DupeQuestionText(), Icon::Question, Buttons::YesNo, DefaultButton::Second) !=
          Answer::Yes) {
        out.kind = AcceptOutcome::DupeDeclined;
        out.focus = EntryField::Call;
        return out;
      }
      out.dupe = true;
    }
  }

  // The record, as it goes into the log.
  QsoRecord r;
  r.Call = call.toUpper().left(13);
  r.Band = std::int16_t(band);
  r.District = FitDistrict(e.district.left(2));
  r.QsoDate = s.seps.FormatDate(*date);
  r.QsoTime = s.seps.FormatTime(*time);
  r.RstSent = e.rstSent.toUpper().left(4);
  r.RstRcvd = e.rstRcvd.toUpper().left(4);
  r.Qsl = std::int16_t(e.qsl);
  r.Mode = e.modeText.trimmed().left(5);
  r.Mode2 = r.Mode;
  r.Status = out.dupe ? kStatusDupe : kStatusNormal;
  r.OpCall = e.opCall.trimmed().left(13);
  r.Note = e.note;
  r.Reserved13 = QStringLiteral("0");

  // Everything below is undone when the save is cancelled.
  const ScoreTally tallyBefore = s.tally;
  const std::vector<DistrictEntry> districtsBefore = s.districts.Entries;
  const qsizetype indexBefore = s.store.CallIndex.size();
  const qsizetype textBefore = s.store.LogBytes().size();

  // Tallies.
  if (!RunStep(*s.prompter, [&] {
        s.tally = tallyBefore;
        s.districts.Entries = districtsBefore;
        CountAcceptedQso(r, out.dupe, s.tally, s.districts);
      })) {
    s.tally = tallyBefore;
    s.districts.Entries = districtsBefore;
    out.kind = AcceptOutcome::SaveCancelled;
    out.focus = EntryField::Call;
    return out;
  }
  if (!out.dupe) {
    if (const int i = s.districts.DistrictIndex(r.District); i != 0) {
      const DistrictEntry& d = s.districts[i];
      if (hooks.fillDistrict)
        hooks.fillDistrict(d.Code);
      if (hooks.gridCellColor) {
        if (IsStateStation(call))
          hooks.gridCellColor(d.Code, 0, StationPrefix(call));
        else
          hooks.gridCellColor(d.Code, d.State, QString());
      }
    }
  }

  // Frequency: the frequency window's, or the band's default.
  std::optional<float> freq;
  if (hooks.frequencyWindowKhz)
    freq = hooks.frequencyWindowKhz(e.bandIndex);
  r.FreqKhz = freq ? *freq : DefaultFrequencyKhz(BandFromIndex(e.bandIndex));
  if (!freq && (e.bandIndex < 0 || e.bandIndex > 2))
    r.FreqKhz = 0;
  r.SeqNo = grid.rowCount() > 0 ? s.store.NextSeqNo() : 0.0f;

  // Grid row, as typed.
  GridRow row;
  row.cells = {e.date.trimmed(), e.time.trimmed(), e.bandText.trimmed(), e.modeText.trimmed(), call,
               e.rstSent.trimmed(), e.rstRcvd.trimmed(), e.district, QString::number(e.qsl), e.note,
               e.opCall.trimmed(), QString(), e.modeText.trimmed(), QStringLiteral("0"), FormatSingle(r.FreqKhz),
               QStringLiteral("0"), FormatSingle(r.SeqNo)};
  if (out.dupe) {
    row.dupeRed = true;
    row.cells[kDupeColumn] = QStringLiteral("Dupe");
  }
  grid.addRow(row);

  // Record, index entry, file line, durable save.
  out.recordIndex = s.store.Append(r, r.Call);
  if (!SaveLog(s.store, *s.prompter)) {
    s.store.UndoAppend(out.recordIndex, indexBefore, textBefore);
    grid.removeLastRow();
    s.tally = tallyBefore;
    s.districts.Entries = districtsBefore;
    out.kind = AcceptOutcome::SaveCancelled;
    out.recordIndex = -1;
    out.focus = EntryField::Call;
    return out;
  }

  s.windows.requestRefresh(WindowId::StatistikForm);
  if (hooks.startBackupTimer)
    hooks.startBackupTimer();
  if (hooks.additionalBackup)
    hooks.additionalBackup();
  s.SubmittedPeriod1 = false;
  s.SubmittedPeriod2 = false;
  s.windows.requestRefresh(WindowId::LogTracker);
  out.kind = AcceptOutcome::Accepted;
  out.focus = EntryField::Call;
  return out;
}

} // namespace vk

#include "exchange/exportcommand.h"

#include "core/errorbox.h"
#include "core/logfile.h"
#include "exchange/adif.h"
#include "exchange/cabrillo.h"
#include "exchange/exportrows.h"
#include "scoring/tally.h"

namespace vk {

QString NoEntriesText() { return QStringLiteral("Keine Logeinträge vorhanden zu exportieren!"); }

QString SavedFileQuestion(const QString& path) {
  return QStringLiteral("Datei gespeichert unter\n") + path +
         QStringLiteral("\n\nSoll die Datei im Editor geöffnet werden?");
}

QString CabrilloFileName(const QString& chosen) {
  return WithExtension(chosen, QStringLiteral(".log"), QStringLiteral(".LOG"));
}

QString AdifFileName(const QString& chosen) {
  return WithExtension(chosen, QStringLiteral(".adi"), QStringLiteral(".ADI"));
}

double ClaimedScore(const Session& s) { return ComputeSummary(s.tally, s.districts, s.store.Header).final; }

QStringList SessionCabrilloLines(const Session& s, const std::vector<int>& displayOrder, const ProgramInfo& program) {
  return CabrilloLines(s.store.Header, RowsInOrder(s.store, displayOrder), ClaimedScore(s), program,
                       s.clock->now().date());
}

bool WriteTextAndOffer(Prompter& prompter, const QString& path, const std::function<QStringList()>& build,
                       const OpenFileFn& open) {
  {
    BusyPointer busy(prompter);
    QByteArray bytes;
    if (!RunStep(prompter, [&] { bytes = TextFileBytes(build()); }))
      return false;
    if (!RunStep(prompter, [&] { SaveFileAtomically(path, bytes); }))
      return false;
  }
  if (prompter.message(SavedFileQuestion(path), Icon::Question, Buttons::YesNo) == Answer::Yes && open)
    open(path);
  return true;
}

namespace {

QString RunExport(Session& s, const std::vector<int>& displayOrder, const QString& filter, const QString& folder,
                  QString (*fileName)(const QString&), const std::function<QStringList()>& build,
                  const OpenFileFn& open) {
  Prompter& p = *s.prompter;
  const QString chosen = p.saveFile(filter, folder, QStringLiteral("Speichern unter..."), {});
  if (chosen.isEmpty())
    return {};
  const QString path = fileName(chosen);
  if (RowsInOrder(s.store, displayOrder).empty()) {
    p.message(NoEntriesText(), Icon::Information, Buttons::Ok);
    return {};
  }
  return WriteTextAndOffer(p, path, build, open) ? path : QString();
}

} // namespace

QString ExportCabrilloFile(Session& s, const std::vector<int>& displayOrder, const OpenFileFn& open,
                           const ProgramInfo& program) {
  return RunExport(
      s, displayOrder, QStringLiteral("*.log|*.log"), QString(), &CabrilloFileName,
      [&] { return SessionCabrilloLines(s, displayOrder, program); }, open);
}

QString ExportAdifFile(Session& s, const std::vector<int>& displayOrder, const OpenFileFn& open,
                       const ProgramInfo& program) {
  return RunExport(
      s, displayOrder, QStringLiteral("*.adi|*.adi"), s.folders.programFolder, &AdifFileName,
      [&] { return AdifLines(s.store.Header, RowsInOrder(s.store, displayOrder), program); }, open);
}

} // namespace vk

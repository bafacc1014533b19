#include "core/codepage.h"
#include "core/datafolder.h"
#include "core/districts.h"
#include "core/logfile.h"
#include "core/separators.h"
#include "core/vkerror.h"
#include "exchange/adif.h"
#include "exchange/cabrillo.h"
#include "exchange/exportrows.h"
#include "scoring/resulttext.h"
#include "scoring/tally.h"
#include "tool/consoleprompter.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <optional>

using namespace vk;

namespace {

constexpr int kUsageError = 2;

void PrintErr(const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }

int Usage() {
  PrintErr(QStringLiteral("Aufruf: vkdrz score LOG [--districts DATEI] | check LOG | rebuild LOG [-o AUSGABE] | "
                          "cabrillo LOG [--districts DATEI] [-o AUSGABE] | adif LOG [-o AUSGABE] | "
                          "result LOG [--districts DATEI] [-o AUSGABE]"));
  return kUsageError;
}

struct Args {
  QString command;
  QString log;
  QString districts;
  QString output;
};

std::optional<Args> ParseArgs(const QStringList& argv) {
  Args a;
  if (argv.size() < 3)
    return std::nullopt;
  a.command = argv[1];
  for (qsizetype i = 2; i < argv.size(); ++i) {
    const QString& s = argv[i];
    if (s == QLatin1String("--districts") || s == QLatin1String("-o")) {
      if (i + 1 >= argv.size())
        return std::nullopt;
      (s == QLatin1String("-o") ? a.output : a.districts) = argv[++i];
    } else if (s.startsWith(QLatin1Char('-')) || !a.log.isEmpty()) {
      return std::nullopt;
    } else {
      a.log = s;
    }
  }
  if (a.log.isEmpty())
    return std::nullopt;
  return a;
}

// The district file: --districts, else the data folder's, else the shipped one.
QString DistrictFile(const QString& given) {
  if (!given.isEmpty())
    return given;
  const DataFolder folders = DataFolder::Resolve(QCoreApplication::applicationFilePath());
  if (QFileInfo::exists(folders.districtFile()))
    return folders.districtFile();
  return QStringLiteral(VK_SOURCE_DATA_DIR "/bez_koord.txt");
}

bool WriteOut(const QString& output, const QByteArray& bytes) {
  if (output.isEmpty()) {
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
           std::fflush(stdout) == 0;
  }
  try {
    SaveFileAtomically(output, bytes);
    return true;
  } catch (const VkError& e) {
    PrintErr(e.description());
    return false;
  }
}

// Loads the log; prints the refusal or error and returns false when it fails.
bool Load(const QString& path, LogStore& store, ConsolePrompter& prompter, const DateTimeSeparators& seps) {
  if (!QFileInfo(path).isFile()) {
    PrintErr(QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(path));
    return false;
  }
  return ReadLogFile(store, path, prompter, seps) == ReadResult::Loaded;
}

// Loads the log and the districts and counts the log. Prints why not and
// returns false when any of it fails.
bool LoadAndCount(const Args& a, LogStore& store, DistrictTable& districts, ScoreTally& tally,
                  ConsolePrompter& prompter, const DateTimeSeparators& seps) {
  if (!Load(a.log, store, prompter, seps))
    return false;
  const QString districtPath = DistrictFile(a.districts);
  if (!QFileInfo(districtPath).isFile()) {
    PrintErr(QStringLiteral("Die Bezirksdatei %1 wurde nicht gefunden.").arg(districtPath));
    return false;
  }
  return LoadDistricts(districtPath, districts, prompter) && Recount(store, tally, districts, prompter);
}

int Score(const Args& a, ConsolePrompter& prompter, const DateTimeSeparators& seps) {
  LogStore store;
  DistrictTable districts;
  ScoreTally tally;
  if (!LoadAndCount(a, store, districts, tally, prompter, seps))
    return kUsageError;
  const ScoreSummary s = ComputeSummary(tally, districts, store.Header);
  auto n = [](double v) { return QString::number(v, 'f', 0); };
  const QList<std::pair<const char*, QString>> lines = {
      {"prefixes80", QString::number(s.prefixes80)},   {"prefixes30", QString::number(s.prefixes30)},
      {"districts40", QString::number(s.districts40)}, {"districts80", QString::number(s.districts80)},
      {"districts30", QString::number(s.districts30)}, {"districtsScored", QString::number(s.districtsScored)},
      {"states40", QString::number(s.states40)},       {"states80", QString::number(s.states80)},
      {"states30", QString::number(s.states30)},       {"statesScored", QString::number(s.statesScored)},
      {"qsos40", QString::number(s.qsos40)},           {"qsos80", QString::number(s.qsos80)},
      {"qsos30", QString::number(s.qsos30)},           {"ratio", s.ratio},
      {"valid", n(s.valid)},                           {"multiplier", n(s.multiplier)},
      {"bonus", QString::number(s.bonus)},             {"final", n(s.final)},
      {"dupes", QString::number(s.dupes)},
  };
  QByteArray out;
  for (const auto& [key, value] : lines)
    out += QByteArray(key) + '=' + value.toUtf8() + '\n';
  return WriteOut({}, out) ? 0 : kUsageError;
}

int Check(const Args& a, ConsolePrompter& prompter, const DateTimeSeparators& seps) {
  if (!QFileInfo(a.log).isFile()) {
    PrintErr(QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(a.log));
    return kUsageError;
  }
  LogStore store;
  if (ReadLogFile(store, a.log, prompter, seps) != ReadResult::Loaded)
    return 1;
  std::printf("%zu\n", store.Records.size());
  return 0;
}

int Rebuild(const Args& a, ConsolePrompter& prompter, const DateTimeSeparators& seps) {
  LogStore store;
  if (!Load(a.log, store, prompter, seps))
    return kUsageError;
  BuildLogText(store, true);
  return WriteOut(a.output, store.LogBytes()) ? 0 : kUsageError;
}

// The export texts of the log in file order.
int Export(const Args& a, ConsolePrompter& prompter, const DateTimeSeparators& seps) {
  LogStore store;
  DistrictTable districts;
  ScoreTally tally;
  const bool adif = a.command == QLatin1String("adif");
  if (adif ? !Load(a.log, store, prompter, seps) : !LoadAndCount(a, store, districts, tally, prompter, seps))
    return kUsageError;
  const ProgramInfo program = ProgramInfo::Current();
  const QDate today = QDate::currentDate();
  QStringList lines;
  try {
    if (adif) {
      lines = AdifLines(store.Header, RowsInFileOrder(store), program);
    } else {
      const ScoreSummary s = ComputeSummary(tally, districts, store.Header);
      lines = a.command == QLatin1String("cabrillo")
                  ? CabrilloLines(store.Header, RowsInFileOrder(store), s.final, program, today)
                  : ResultTextLines(store, tally, s, program, today.year());
    }
  } catch (const VkError& e) {
    PrintErr(e.description());
    return kUsageError;
  }
  return WriteOut(a.output, TextFileBytes(lines)) ? 0 : kUsageError;
}

} // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const auto args = ParseArgs(QCoreApplication::arguments());
  if (!args)
    return Usage();
  ConsolePrompter prompter;
  const DateTimeSeparators seps = DateTimeSeparators::FromSystem();
  if (args->command == QLatin1String("score"))
    return Score(*args, prompter, seps);
  if (args->command == QLatin1String("check"))
    return Check(*args, prompter, seps);
  if (args->command == QLatin1String("rebuild"))
    return Rebuild(*args, prompter, seps);
  if (args->command == QLatin1String("cabrillo") || args->command == QLatin1String("adif") ||
      args->command == QLatin1String("result"))
    return Export(*args, prompter, seps);
  return Usage();
}

// Benchmarks of the log core. Every measured operation is paired with a
// baseline measured in the same run, and the program ends with the ratios:
//   load and recount      vs  reading the file and splitting it into lines
//   CallExistTest          vs  one substring scan of the same call index
//   appending one QSO      vs  an atomic write of the same bytes
// Run with --make-log=N --out=FILE to write a generated log instead.
#include "core/codepage.h"
#include "core/districts.h"
#include "core/logfile.h"
#include "core/logstore.h"
#include "entry/dupecheck.h"
#include "scoring/tally.h"
#include "benchsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

using namespace vk;

namespace {

bench::NullPrompter gPrompter;
const DateTimeSeparators kSeps;
QTemporaryDir* gDir = nullptr;

DistrictTable& Districts() {
  static DistrictTable t = [] {
    DistrictTable d;
    LoadDistricts(QStringLiteral(VK_SOURCE_DIR "/data/bez_koord.txt"), d, gPrompter);
    return d;
  }();
  return t;
}

QString CallFor(int i) {
  // About a third of the calls repeat, as on a busy contest day.
  const int n = i % (i % 3 == 0 ? 500 : 40000);
  const QChar a = QLatin1Char(char('A' + n % 26));
  const QChar b = QLatin1Char(char('A' + (n / 26) % 26));
  const QChar c = QLatin1Char(char('A' + (n / 676) % 26));
  return QStringLiteral("OE%1%2%3%4").arg(1 + n % 9).arg(a).arg(b).arg(c);
}

LogStore MakeLog(int qsos) {
  LogStore s;
  s.ResetHeader(kSeps);
  s.Header.MyCall = s.Header.OpCall = QStringLiteral("OE3ABC");
  const DistrictTable& d = Districts();
  s.Records.reserve(size_t(qsos));
  for (int i = 0; i < qsos; ++i) {
    QsoRecord r;
    r.Call = CallFor(i);
    r.Band = std::int16_t(i % 2 ? 80 : 40);
    r.District = d[1 + i % d.count()].Code;
    r.QsoDate = QStringLiteral("01.05.2026");
    const int sec = (5 * 3600 + i * 3) % 86400;
    r.QsoTime = kSeps.FormatTime(QTime(sec / 3600, (sec / 60) % 60, sec % 60));
    r.Mode = r.Mode2 = i % 4 ? QStringLiteral("SSB") : QStringLiteral("CW");
    r.RstSent = r.RstRcvd = i % 4 ? QStringLiteral("59") : QStringLiteral("599");
    r.OpCall = QStringLiteral("OE3ABC");
    r.Reserved13 = QStringLiteral("0");
    r.FreqKhz = r.Band == 80 ? 3500 : 7000;
    r.SeqNo = float(i);
    s.Records.push_back(r);
  }
  BuildLogText(s, true, 2026);
  return s;
}

QString LogPath(int qsos) {
  static std::map<int, QString> paths;
  auto it = paths.find(qsos);
  if (it != paths.end())
    return it->second;
  const QString path = gDir->filePath(QStringLiteral("log%1.VKDRZ").arg(qsos));
  LogStore s = MakeLog(qsos);
  SaveFileAtomically(path, s.LogBytes());
  paths[qsos] = path;
  return path;
}

void BM_LoadAndRecount(benchmark::State& state) {
  const QString path = LogPath(int(state.range(0)));
  DistrictTable districts = Districts();
  for (auto _ : state) {
    LogStore s;
    ScoreTally t;
    ReadLogFile(s, path, gPrompter, kSeps);
    Recount(s, t, districts, gPrompter);
    benchmark::DoNotOptimize(t.ValidQsoCount);
  }
}

void BM_Baseline_ReadAndSplitLines(benchmark::State& state) {
  const QString path = LogPath(int(state.range(0)));
  for (auto _ : state) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QString text = FromCp1252(f.readAll());
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    benchmark::DoNotOptimize(lines.size());
  }
}

void BM_CallExistTest(benchmark::State& state) {
  LogStore s = MakeLog(int(state.range(0)));
  const QString call = CallFor(int(state.range(0)) / 2);
  for (auto _ : state) {
    auto r = CallExistTest(s, call, u"80m", u"SSB", u"09:30:00", kSeps);
    benchmark::DoNotOptimize(r.dupe);
  }
}

void BM_Baseline_IndexScan(benchmark::State& state) {
  LogStore s = MakeLog(int(state.range(0)));
  // One scan over the whole index: what the dupe test needs at least, since it
  // must look past the last QSO of the call.
  const QString key = QChar(0xB6) + QStringLiteral("OE0NONE") + QChar(0xD7);
  for (auto _ : state)
    benchmark::DoNotOptimize(s.CallIndex.indexOf(key));
}

void BM_AppendAndSave(benchmark::State& state) {
  LogStore s = MakeLog(int(state.range(0)));
  s.FilePath = gDir->filePath(QStringLiteral("append.VKDRZ"));
  QsoRecord r = s.Records.back();
  const int n = int(s.Records.size());
  const qsizetype indexSize = s.CallIndex.size();
  const qsizetype textSize = s.LogBytes().size();
  for (auto _ : state) {
    r.SeqNo = s.NextSeqNo();
    s.Append(r, r.Call);
    SaveLog(s, gPrompter);
    // Keep the log at its size for the next round (two truncations, nothing
    // that would distort the measurement the way pausing the timer does).
    s.UndoAppend(n, indexSize, textSize);
  }
}

void BM_Baseline_AtomicWrite(benchmark::State& state) {
  LogStore s = MakeLog(int(state.range(0)));
  const QString path = gDir->filePath(QStringLiteral("plain.VKDRZ"));
  const QByteArray bytes = s.LogBytes();
  for (auto _ : state)
    SaveFileAtomically(path, bytes);
}

BENCHMARK(BM_LoadAndRecount)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_ReadAndSplitLines)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CallExistTest)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Baseline_IndexScan)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AppendAndSave)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_AtomicWrite)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  gDir = &dir;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--make-log=", 11) == 0 && i + 1 < argc && std::strncmp(argv[i + 1], "--out=", 6) == 0) {
      LogStore s = MakeLog(std::atoi(argv[i] + 11));
      SaveFileAtomically(QString::fromLocal8Bit(argv[i + 1] + 6), s.LogBytes());
      return 0;
    }
  }
  benchmark::Initialize(&argc, argv);
  bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nRatios to the baselines of this run:\n");
  const auto sizes = {"1000", "10000", "100000"};
  reporter.printRatio("load + recount", "BM_LoadAndRecount", "BM_Baseline_ReadAndSplitLines", 4.0, sizes);
  reporter.printRatio("CallExistTest", "BM_CallExistTest", "BM_Baseline_IndexScan", 2.0, sizes);
  reporter.printRatio("append + durable save", "BM_AppendAndSave", "BM_Baseline_AtomicWrite", 1.5, sizes);
  benchmark::Shutdown();
  return 0;
}

// The cost of accepting one QSO from the entry line (checks, dupe test,
// tallies, grid row, record, index, durable save) against the bare atomic write
// of the same file. The program ends with the ratios.
#include "core/codepage.h"
#include "core/logfile.h"
#include "entry/acceptance.h"
#include "entry/session.h"
#include "benchsupport.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

using namespace vk;

namespace {

bench::NullPrompter gPrompter(Answer::Yes);
SystemClock gClock;
QTemporaryDir* gDir = nullptr;

QString Call(int i) { return QStringLiteral("OE%1%2%3").arg(1 + i % 9).arg(QChar(u'A' + i % 26)).arg(i / 9); }

// A session with a log of n QSOs, its grid and tallies, ready for the next QSO.
struct Fixture {
  Session s{gPrompter, gClock};
  LogGrid grid;
  explicit Fixture(int n) {
    s.setProgramPath(QStringLiteral("/x/VelkaKDRZ/VelkaKDRZ"), gDir->path());
    LoadDistricts(QStringLiteral(VK_SOURCE_DIR "/data/bez_koord.txt"), s.districts, gPrompter);
    s.store.ResetHeader(s.seps);
    s.store.Header.MyCall = s.store.Header.OpCall = QStringLiteral("OE3ABC");
    s.store.FilePath = gDir->filePath(QStringLiteral("log%1.VKDRZ").arg(n));
    BuildLogText(s.store, true, 2026);
    for (int i = 0; i < n; ++i) {
      EntryValues e = entry(i);
      Uebernehmen(s, e, grid, false);
    }
  }
  EntryValues entry(int i) const {
    EntryValues e;
    e.date = QStringLiteral("01.05.2026");
    const int sec = 5 * 3600 + (i * 7) % 10800;
    e.time = QStringLiteral("%1:%2").arg(sec / 3600, 2, 10, QLatin1Char('0')).arg((sec / 60) % 60, 2, 10, QLatin1Char('0'));
    e.bandIndex = i % 2;
    e.bandText = i % 2 ? QStringLiteral("80m") : QStringLiteral("40m");
    e.modeText = QStringLiteral("SSB");
    e.call = Call(i);
    e.rstSent = e.rstRcvd = QStringLiteral("59");
    e.district = s.districts[1 + i % s.districts.count()].Code;
    e.opCall = QStringLiteral("OE3ABC");
    return e;
  }
};

void BM_Uebernehmen(benchmark::State& state) {
  Fixture f(int(state.range(0)));
  const int n = int(f.s.store.Records.size());
  const qsizetype indexSize = f.s.store.CallIndex.size();
  const qsizetype textSize = f.s.store.LogBytes().size();
  const ScoreTally tally = f.s.tally;
  const auto districts = f.s.districts.Entries;
  const EntryValues e = f.entry(n);
  for (auto _ : state) {
    Uebernehmen(f.s, e, f.grid, false);
    // Back to n QSOs for the next round.
    f.s.store.UndoAppend(n, indexSize, textSize);
    f.grid.removeLastRow();
    f.s.tally = tally;
    f.s.districts.Entries = districts;
  }
}

void BM_Baseline_AtomicWrite(benchmark::State& state) {
  Fixture f(int(state.range(0)));
  const QByteArray bytes = f.s.store.LogBytes();
  const QString path = gDir->filePath(QStringLiteral("plain.VKDRZ"));
  for (auto _ : state)
    SaveFileAtomically(path, bytes);
}

BENCHMARK(BM_Uebernehmen)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_AtomicWrite)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  gDir = &dir;
  benchmark::Initialize(&argc, argv);
  bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nRatios to the baselines of this run:\n");
  reporter.printRatio("accepting a QSO", "BM_Uebernehmen", "BM_Baseline_AtomicWrite", 1.5, {"1000", "10000"});
  benchmark::Shutdown();
  return 0;
}

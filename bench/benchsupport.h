#pragma once
// Shared pieces of the benchmark programs.

#include "core/prompter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace vk::bench {

// Answers every box with `answer` and never shows anything.
class NullPrompter final : public Prompter {
public:
  explicit NullPrompter(Answer answer = Answer::Cancel) : m_answer(answer) {}
  Answer message(const QString&, Icon, Buttons, DefaultButton, const QString&) override { return m_answer; }
  std::optional<QString> input(const QString&, const QString&, const QString&) override { return std::nullopt; }
  int chooseColour(int, bool) override { return -1; }
  QString browseFolder(const QString&, const QString&) override { return {}; }
  QString openFile(const QString&, const QString&, const QString&) override { return {}; }
  QString saveFile(const QString&, const QString&, const QString&, const QString&) override { return {}; }
  void beep() override {}

private:
  Answer m_answer;
};

// Collects the times of the run so the ratios can be printed after it.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  std::map<std::string, double> times;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration)
        times[r.benchmark_name()] = r.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }

  // Prints measured/baseline for each size that ran.
  void printRatio(const char* what, const char* measured, const char* baseline, double goal,
                  std::initializer_list<const char*> sizes) const {
    for (const char* n : sizes) {
      const auto m = times.find(std::string(measured) + "/" + n);
      const auto b = times.find(std::string(baseline) + "/" + n);
      if (m == times.end() || b == times.end() || b->second <= 0)
        continue;
      const double ratio = m->second / b->second;
      std::printf("%-26s %7s QSOs: %6.2fx (goal %.1fx)%s\n", what, n, ratio, goal, ratio <= goal ? "" : "  MISSED");
    }
  }
};

} // namespace vk::bench

#include "core/logfile.h"
#include "logmgmt/logcommands.h"
#include "logmgmt/lognewopen_logic.h"
#include "scoring/tally.h"
#include "support/logsession.h"

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

struct LogCommandTest : ::testing::Test {
  LogSession t;

  void SetUp() override {
    t.writeLog("open.VKDRZ", Header("OE0AAA"),
               {Qso("OE3ABC", 80, "WI", "06:00:00"), Qso("OE3DEF", 40, "WI", "06:01:00")});
    t.writeLog("other.VKDRZ", Header("OE0BBB"), {Qso("OE5XYZ", 80, "WI", "06:00:00")});
    t.dir.write("home/VelkaKDRZ/Logs/bad.VKDRZ", "no log at all");
    ASSERT_TRUE(ReloadLog(t.session, "open.VKDRZ"));
    t.session.tally.ValidQsoCount = 2; // stands for the counted tallies
    WriteLastLogName(t.session, "open.VKDRZ");
  }
  void expectOpenLogUntouched() {
    EXPECT_EQ(t.session.CurrentLogName, QStringLiteral("open.VKDRZ"));
    EXPECT_EQ(t.session.store.Header.MyCall, QStringLiteral("OE0AAA"));
    EXPECT_EQ(t.session.store.Records.size(), 2u);
    EXPECT_EQ(t.session.tally.ValidQsoCount, 2);
  }
  static LogCommandWindows Choose(std::vector<std::optional<QString>> answers) {
    auto queue = std::make_shared<std::vector<std::optional<QString>>>(std::move(answers));
    LogCommandWindows w;
    w.chooseLog = [queue]() -> std::optional<QString> {
      EXPECT_FALSE(queue->empty()) << "log dialog shown once too often";
      if (queue->empty())
        return std::nullopt;
      auto a = queue->front();
      queue->erase(queue->begin());
      return a;
    };
    return w;
  }
};

} // namespace

TEST_F(LogCommandTest, OpenWithNothingChosenOrTheOpenLogChangesNothing) {
  WriteLastLogName(t.session, "marker");
  EXPECT_EQ(MnOpenLog(t.session, Choose({std::nullopt})), LogCommandResult::Unchanged);
  EXPECT_EQ(MnOpenLog(t.session, Choose({QStringLiteral("open.VKDRZ")})), LogCommandResult::Unchanged);
  expectOpenLogUntouched();
  EXPECT_EQ(t.setting("Pathe", "LastLogFile"), QStringLiteral("marker"));
}

TEST_F(LogCommandTest, OpenAnotherLogReplacesStoreAndTallies) {
  EXPECT_EQ(MnOpenLog(t.session, Choose({QStringLiteral("other.VKDRZ")})), LogCommandResult::Reloaded);
  EXPECT_EQ(t.session.CurrentLogName, QStringLiteral("other.VKDRZ"));
  EXPECT_EQ(t.session.store.Header.MyCall, QStringLiteral("OE0BBB"));
  EXPECT_EQ(t.session.store.Records.size(), 1u);
  EXPECT_EQ(t.session.store.FilePath, t.logPath("other.VKDRZ"));
  EXPECT_EQ(t.session.tally.ValidQsoCount, 0); // reset; the grid refill recounts
  EXPECT_EQ(t.setting("Pathe", "LastLogFile"), QStringLiteral("other.VKDRZ"));
  EXPECT_EQ(MainCaptionAfterReload(t.session), "VelkaKDRW (" + t.logPath("other.VKDRZ") + ")");
}

TEST_F(LogCommandTest, ARefusedFileThenCancelEndsTheProgramWithTheOpenLogIntact) {
  const QString refused = RefusedLogText(t.logPath("bad.VKDRZ"));
  t.prompter.expect(refused, Answer::Ok, Icon::Critical, Buttons::Ok); // the reader's own message
  t.prompter.expect(refused, Answer::Cancel, Icon::Critical, Buttons::RetryCancel);
  t.prompter.expect("VelkaKDRW muss beendet werden.", Answer::Ok, Icon::Critical);
  EXPECT_EQ(MnOpenLog(t.session, Choose({QStringLiteral("bad.VKDRZ")})), LogCommandResult::EndProgram);
  expectOpenLogUntouched();
}

TEST_F(LogCommandTest, RetryAfterARefusedFileShowsTheDialogAgain) {
  const QString refused = RefusedLogText(t.logPath("bad.VKDRZ"));
  t.prompter.expect(refused, Answer::Ok);
  t.prompter.expect(refused, Answer::Retry);
  // The dialog is closed the second time: the open log stays open and whole.
  EXPECT_EQ(MnOpenLog(t.session, Choose({QStringLiteral("bad.VKDRZ"), std::nullopt})), LogCommandResult::Unchanged);
  expectOpenLogUntouched();

  t.prompter.expect(refused, Answer::Ok);
  t.prompter.expect(refused, Answer::Retry);
  EXPECT_EQ(MnOpenLog(t.session, Choose({QStringLiteral("bad.VKDRZ"), QStringLiteral("other.VKDRZ")})),
            LogCommandResult::Reloaded);
  EXPECT_EQ(t.session.CurrentLogName, QStringLiteral("other.VKDRZ"));
}

TEST_F(LogCommandTest, NewLogCancelledInTheSettingsWindowChangesNothing) {
  t.clock.set(QDateTime(QDate(2026, 5, 2), QTime(6, 0))); // no same-day question
  LogCommandWindows w;
  w.createLog = [] { return std::optional<QString>(); };
  EXPECT_EQ(MnNeuesLog(t.session, w), LogCommandResult::Unchanged);
  expectOpenLogUntouched();
}

TEST_F(LogCommandTest, NewLogSavedIsOpened) {
  t.clock.set(QDateTime(QDate(2026, 5, 2), QTime(6, 0)));
  LogCommandWindows w;
  w.createLog = [&] {
    t.writeLog("neu.VKDRZ", Header("OE0NEU"));
    return std::optional<QString>("neu.VKDRZ");
  };
  EXPECT_EQ(MnNeuesLog(t.session, w), LogCommandResult::Reloaded);
  EXPECT_EQ(t.session.CurrentLogName, QStringLiteral("neu.VKDRZ"));
  EXPECT_TRUE(t.session.store.Records.empty());
  EXPECT_EQ(t.setting("Pathe", "LastLogFile"), QStringLiteral("neu.VKDRZ"));
}

TEST_F(LogCommandTest, NewLogOnFirstMayAnsweredYesReloadsTheLastLog) {
  // open.VKDRZ holds QSOs of 01.05.2026, the fake clock's date.
  LogCommandWindows w;
  w.createLog = []() -> std::optional<QString> {
    ADD_FAILURE() << "no settings window expected";
    return std::nullopt;
  };
  t.session.tally.ValidQsoCount = 7;
  t.prompter.expect(SameDayQuestionText("open.VKDRZ"), Answer::Yes);
  EXPECT_EQ(MnNeuesLog(t.session, w), LogCommandResult::Reloaded);
  EXPECT_EQ(t.session.CurrentLogName, QStringLiteral("open.VKDRZ"));
  EXPECT_EQ(t.session.tally.ValidQsoCount, 0);

  t.prompter.expect(SameDayQuestionText("open.VKDRZ"), Answer::Cancel);
  EXPECT_EQ(MnNeuesLog(t.session, w), LogCommandResult::Unchanged);
}

TEST_F(LogCommandTest, NewLogRefusedThenCancelEndsTheProgramWithoutFurtherMessage) {
  LogCommandWindows w;
  w.createLog = [] { return std::optional<QString>("bad.VKDRZ"); };
  t.clock.set(QDateTime(QDate(2026, 5, 2), QTime(6, 0)));
  const QString refused = RefusedLogText(t.logPath("bad.VKDRZ"));
  t.prompter.expect(refused, Answer::Ok);
  t.prompter.expect(refused, Answer::Cancel, Icon::Critical, Buttons::RetryCancel);
  EXPECT_EQ(MnNeuesLog(t.session, w), LogCommandResult::EndProgram);
  expectOpenLogUntouched();
}

TEST_F(LogCommandTest, RefreshAfterReloadReachesOnlyOpenWindowsInOrder) {
  std::vector<WindowId> refreshed;
  for (WindowId id : {WindowId::DBLog, WindowId::BZKarte, WindowId::StatistikForm, WindowId::FrequenzForm})
    t.session.windows.setOpen(id, true, [&refreshed, id] { refreshed.push_back(id); });
  RefreshWindowsAfterReload(t.session);
  EXPECT_EQ(refreshed, (std::vector<WindowId>{WindowId::StatistikForm, WindowId::BZKarte, WindowId::DBLog}));
}

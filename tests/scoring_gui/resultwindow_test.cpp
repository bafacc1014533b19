#include "core/settingsfile.h"
#include "exchange/exportrows.h"
#include "scoring/resulttext.h"
#include "scoring/ui/resultwindow.h"
#include "support/fakeclock.h"
#include "support/fixtures.h"
#include "support/goldencase.h"
#include "support/scriptedprompter.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace vk;
using namespace vk::test;

namespace {

struct ResultWindowTest : ::testing::Test {
  ScriptedPrompter prompter;
  FakeClock clock;
  Session s{prompter, clock};
  TempFolder dir;

  void SetUp() override {
    s.settings = SettingsFile(dir.path(QStringLiteral("VelkaKDRZ.INI")), prompter);
    const QString golden = GoldenCaseFolders().value(0);
    LoadCounted(golden + QStringLiteral("log.VKDRZ"), golden + QStringLiteral("districts.txt"), s.store, s.districts,
                s.tally, prompter);
  }

  // Opens the window and lets its first refresh run.
  QPointer<Statistik> open() {
    auto* w = new Statistik(s);
    w->show();
    settle(w);
    return w;
  }
  static void settle(Statistik* w) {
    for (int i = 0; i < 50 && w->refreshPending(); ++i)
      QTest::qWait(2);
    EXPECT_FALSE(w->refreshPending());
  }
  static QString label(Statistik* w, const char* name) {
    auto* l = w->findChild<QLabel*>(QLatin1String(name));
    EXPECT_NE(l, nullptr) << name;
    return l ? l->text() : QString();
  }
  static QString tooltip(Statistik* w, const char* name) {
    auto* l = w->findChild<QLabel*>(QLatin1String(name));
    return l ? l->toolTip() : QString();
  }
  static QTableWidget* grid(Statistik* w, const char* name) {
    auto* g = w->findChild<QTableWidget*>(QLatin1String(name));
    EXPECT_NE(g, nullptr) << name;
    return g;
  }
  static QStringList row(QTableWidget* g, int r) {
    QStringList cells;
    for (int c = 0; c < g->columnCount(); ++c)
      cells << (g->item(r, c) ? g->item(r, c)->text() : QStringLiteral("-"));
    return cells;
  }
  static QStringList headers(QTableWidget* g) {
    QStringList h;
    for (int c = 0; c < g->columnCount(); ++c)
      h << g->horizontalHeaderItem(c)->text();
    return h;
  }
};

std::string Joined(const QStringList& l) { return l.join(QLatin1Char('|')).toStdString(); }

} // namespace

TEST_F(ResultWindowTest, ShowsTheFiguresOfTheScore) {
  QPointer<Statistik> w = open();
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Ergebnis"));
  const ScoreSummary sum = ComputeSummary(s.tally, s.districts, s.store.Header);
  // The figures of the log as counted by hand (and printed by "vkdrz score").
  const std::tuple<const char*, QString, const char*, const char*> figures[] = {
      {"prefixes80", QString::number(sum.prefixes80), "1", "Staatsfunkstellen-Prefix auf 80m"},
      {"prefixes80Scored", QString::number(sum.prefixes80), "1", "Gewertete Staatsfunkstellen-Prefix auf 80m"},
      {"prefixes30", QString::number(sum.prefixes30), "1", "Staatsfunkstellen-Prefix auf 30m"},
      {"districts40", QString::number(sum.districts40), "3", "Bezirke auf 40m"},
      {"districts80", QString::number(sum.districts80), "4", "Bezirke auf 80m"},
      {"districts30", QString::number(sum.districts30), "1", "Bezirke auf 30m"},
      {"districtsScored", QString::number(sum.districtsScored), "7", "Gewertete Bezirke auf 40m und 80m"},
      {"states40", QString::number(sum.states40), "3", "Bundesländer auf 40m"},
      {"states80", QString::number(sum.states80), "3", "Bundesländer auf 80m"},
      {"states30", QString::number(sum.states30), "1", "Bundesländer auf 30m"},
      {"statesScored", QString::number(sum.statesScored), "6", "Gewertete Bundesländer auf 40m und 80m"},
      {"qsos40", QString::number(sum.qsos40), "3", "QSOs auf 40m"},
      {"qsos80", QString::number(sum.qsos80), "4", "QSOs auf 80m"},
      {"qsos30", QString::number(sum.qsos30), "1", "QSOs auf 30m"},
      {"ratio", sum.ratio, "57/43", "Verhältnis SSB/CW in %"},
      {"valid", QString::number(sum.valid), "7", "Gültige QSOs"},
      {"multiplier", QString::number(sum.multiplier), "21", "Bezirke + Bundesländer mal 2"},
      {"bonus", QString::number(sum.bonus), "2", "Multiplikator für netzunabhängigen Betrieb"},
      {"final", QString::number(sum.final), "161", "Punkte gesamt"},
  };
  for (const auto& [name, computed, byHand, tip] : figures) {
    EXPECT_EQ(label(w, name), computed) << name;
    EXPECT_EQ(label(w, name).toStdString(), byHand) << name;
    EXPECT_EQ(tooltip(w, name).toStdString(), tip) << name;
  }
  EXPECT_EQ(w->finalSumText(), QStringLiteral("161"));
  w->close();
}

TEST_F(ResultWindowTest, GridsListTheTallies) {
  QPointer<Statistik> w = open();
  QTableWidget* prefixes = grid(w, "prefixGrid");
  EXPECT_EQ(Joined(headers(prefixes)), "SFSt|80m|30m");
  ASSERT_EQ(prefixes->rowCount(), 2);
  EXPECT_EQ(Joined(row(prefixes, 0)), "OEX|2|0");
  EXPECT_EQ(Joined(row(prefixes, 1)), "OEY|0|1");

  QTableWidget* districts = grid(w, "districtGrid");
  EXPECT_EQ(Joined(headers(districts)), "Bezirk|40m|80m|30m");
  ASSERT_EQ(districts->rowCount(), 6); // the district file's order
  EXPECT_EQ(Joined(row(districts, 0)), "ES|1|1|0");
  EXPECT_EQ(Joined(row(districts, 5)), "WI|0|1|1");

  QTableWidget* states = grid(w, "stateGrid");
  EXPECT_EQ(Joined(headers(states)), "Bundl.|40m|80m|30m");
  ASSERT_EQ(states->rowCount(), 9);
  EXPECT_EQ(Joined(row(states, 0)), "OE1|1|2|0");
  EXPECT_EQ(Joined(row(states, 1)), "OE2|0|0|0");
  EXPECT_EQ(Joined(row(states, 8)), "OE9|0|1|1");

  QTableWidget* modes = grid(w, "modeGrid");
  EXPECT_EQ(Joined(headers(modes)), "Mode|40m|80m|30m|Ges");
  ASSERT_EQ(modes->rowCount(), 2);
  EXPECT_EQ(Joined(row(modes, 0)), "SSB|2|2|1|5");
  EXPECT_EQ(Joined(row(modes, 1)), "CW|1|2|0|3");

  QTableWidget* periods = grid(w, "periodGrid");
  EXPECT_EQ(Joined(headers(periods)), "Mode|40m|80m|30m|Ges");
  ASSERT_EQ(periods->rowCount(), 4);
  const char* const expected[] = {"SSB-Vm|1|1|1|3", "SSB-Nm|1|1|0|2", "CW-Vm|1|1|0|2", "CW-Nm|0|1|0|1"};
  const char* const tips[] = {"Vormittag QSOs in SSB", "Nachmittag QSOs in SSB", "Vormittag QSOs in CW",
                              "Nachmittag QSOs in CW"};
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ(Joined(row(periods, r)), expected[r]);
    for (int c = 0; c < 5; ++c)
      EXPECT_EQ(periods->item(r, c)->toolTip().toStdString(), tips[r]);
  }
  EXPECT_TRUE(periods->horizontalHeaderItem(0)->toolTip().isEmpty());
  w->close();
}

TEST_F(ResultWindowTest, BandCellsTakeTheColoursFromTheSettings) {
  // Stored blue-green-red: 255 is red, 0xFF0000 blue; 30 m is missing and stays white.
  s.settings.WriteText(QStringLiteral("Farben"), QStringLiteral("40mFarbe"), QStringLiteral("255"));
  s.settings.WriteText(QStringLiteral("Farben"), QStringLiteral("80mFarbe"), QString::number(0xFF0000));
  QPointer<Statistik> w = open();
  for (const char* name : {"districtGrid", "stateGrid", "modeGrid", "periodGrid"}) {
    QTableWidget* g = grid(w, name);
    EXPECT_EQ(g->item(0, 0)->background().color(), QColor(Qt::white)) << name;
    EXPECT_EQ(g->item(0, 1)->background().color(), QColor(255, 0, 0)) << name;
    EXPECT_EQ(g->item(0, 2)->background().color(), QColor(0, 0, 255)) << name;
    EXPECT_EQ(g->item(0, 3)->background().color(), QColor(Qt::white)) << name;
  }
  QTableWidget* prefixes = grid(w, "prefixGrid");
  EXPECT_EQ(prefixes->item(0, 1)->background().color(), QColor(0, 0, 255));
  EXPECT_EQ(prefixes->item(0, 2)->background().color(), QColor(Qt::white));

  // A colour changed elsewhere is taken on reload.
  s.settings.WriteText(QStringLiteral("Farben"), QStringLiteral("30mFarbe"), QString::number(0x00FF00));
  w->reloadColours();
  settle(w);
  EXPECT_EQ(grid(w, "districtGrid")->item(0, 3)->background().color(), QColor(0, 255, 0));
  w->close();
}

TEST_F(ResultWindowTest, RegistersWhileOpenAndRefreshesOnRequest) {
  QPointer<Statistik> w = open();
  QSignalSpy closed(w.data(), &Statistik::closed);
  EXPECT_TRUE(s.windows.isOpen(WindowId::StatistikForm));

  // Another QSO counted elsewhere shows after one requested refresh.
  QsoRecord r =
      Qso(QStringLiteral("OE3ZZZ"), 40, QStringLiteral("KR"), QStringLiteral("15:00:00"), QStringLiteral("SSB"));
  CountAcceptedQso(r, false, s.tally, s.districts);
  EXPECT_EQ(label(w, "valid"), QStringLiteral("7"));
  s.windows.requestRefresh(WindowId::StatistikForm);
  EXPECT_TRUE(w->refreshPending());
  settle(w);
  EXPECT_EQ(label(w, "valid"), QStringLiteral("8"));
  EXPECT_EQ(label(w, "districts40"), QStringLiteral("4")); // KR is new on 40 m
  EXPECT_EQ(label(w, "final"), QStringLiteral("192"));     // 8 x (8 + 2 x 6 + 2 x 1 + 2)

  w->close();
  QApplication::processEvents();
  EXPECT_EQ(closed.count(), 1);
  EXPECT_FALSE(s.windows.isOpen(WindowId::StatistikForm));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(w.isNull()); // closing deletes the window
}

TEST_F(ResultWindowTest, PositionInTwips) {
  s.settings.WriteText(QStringLiteral("FensterPos"), QStringLiteral("StatistikTop"), QStringLiteral("1500"));
  s.settings.WriteText(QStringLiteral("FensterPos"), QStringLiteral("StatistikLeft"), QStringLiteral("3000"));
  QPointer<Statistik> w = open();
  EXPECT_EQ(w->pos(), QPoint(200, 100));
  w->move(40, 60);
  w->close();
  EXPECT_EQ(s.settings.ReadNumber(QStringLiteral("FensterPos"), QStringLiteral("StatistikTop")), 900);
  EXPECT_EQ(s.settings.ReadNumber(QStringLiteral("FensterPos"), QStringLiteral("StatistikLeft")), 600);

  // A position beyond the screen is not taken.
  s.settings.WriteText(QStringLiteral("FensterPos"), QStringLiteral("StatistikLeft"), QStringLiteral("9999999"));
  QPointer<Statistik> again = open();
  EXPECT_EQ(again->pos().y(), 60);
  EXPECT_LT(again->pos().x(), 1000);
  again->close();
}

TEST_F(ResultWindowTest, SaveButtonWritesTheResultFile) {
  QPointer<Statistik> w = open();
  QStringList opened;
  w->setOpenFile([&](const QString& path) { opened << path; });
  auto* button = w->findChild<QPushButton*>(QStringLiteral("saveButton"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->toolTip(), QStringLiteral("Ergebnis als Text in Datei speichern"));

  const QString target = dir.path(QStringLiteral("ergebnis.txt"));
  prompter.expectSaveFile(dir.path(QStringLiteral("ergebnis")));
  prompter.expect(QStringLiteral("Datei gespeichert unter\n") + target +
                      QStringLiteral("\n\nSoll die Datei im Editor geöffnet werden?"),
                  Answer::Yes, Icon::Question, Buttons::YesNo);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(Joined(opened), target.toStdString());
  EXPECT_EQ(ReadBytes(target),
            TextFileBytes(ResultTextLines(s.store, s.tally, w->shownSummary(), ProgramInfo::Current(), 2026)));
  w->close();
}

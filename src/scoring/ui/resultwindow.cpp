#include "scoring/ui/resultwindow.h"

#include "core/errorbox.h"
#include "exchange/ui/exportcommands.h"
#include "scoring/resulttext.h"
#include "scoring/resultview.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vk {

namespace {

constexpr int kNameWidth = 58;
constexpr int kBandWidth = 44;
constexpr int kRowHeight = 19;

enum class Scroll { None, Always };

// A read-only grid with a header row, fixed column widths and no row headers.
QTableWidget* MakeGrid(const QStringList& headers, int visibleRows, Scroll scroll, const char* name) {
  auto* g = new QTableWidget(0, int(headers.size()));
  g->setObjectName(QLatin1String(name));
  g->setHorizontalHeaderLabels(headers);
  g->verticalHeader()->hide();
  g->verticalHeader()->setDefaultSectionSize(kRowHeight);
  g->verticalHeader()->setMinimumSectionSize(kRowHeight);
  g->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  g->horizontalHeader()->setHighlightSections(false);
  g->horizontalHeader()->setFixedHeight(kRowHeight + 2);
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->setSelectionMode(QAbstractItemView::NoSelection);
  g->setFocusPolicy(Qt::NoFocus);
  g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  g->setVerticalScrollBarPolicy(scroll == Scroll::Always ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  int width = 0;
  for (int c = 0; c < headers.size(); ++c) {
    const int w = c == 0 ? kNameWidth : kBandWidth;
    g->setColumnWidth(c, w);
    width += w;
  }
  width += 2 * g->frameWidth();
  if (scroll == Scroll::Always)
    width += g->verticalScrollBar()->sizeHint().width();
  g->setFixedWidth(width);
  g->setFixedHeight(kRowHeight + 2 + visibleRows * kRowHeight + 2 * g->frameWidth());
  return g;
}

QColor ToQColor(int value) {
  const Rgb c = ColourValueToRgb(value);
  return QColor(c.r, c.g, c.b);
}

// Writes the rows into the grid; cells of the band columns (1 to 3) get the
// band's colour.
void FillGrid(QTableWidget* g, const std::vector<QStringList>& rows, const BandColours& colours,
              const std::vector<int>& bandOfColumn) {
  g->setRowCount(int(rows.size()));
  for (int r = 0; r < int(rows.size()); ++r) {
    for (int c = 0; c < int(rows[size_t(r)].size()); ++c) {
      auto* item = new QTableWidgetItem(rows[size_t(r)][c]);
      item->setTextAlignment(Qt::AlignCenter);
      item->setForeground(Qt::black);
      const int band = c < int(bandOfColumn.size()) ? bandOfColumn[size_t(c)] : -1;
      item->setBackground(band >= 0 ? QBrush(ToQColor(colours.column(band))) : QBrush(Qt::white));
      g->setItem(r, c, item);
    }
  }
}

QLabel* Caption(const QString& text, int width) {
  auto* l = new QLabel(text);
  l->setFixedWidth(width);
  return l;
}

} // namespace

QLabel* Statistik::counter(const char* name, const QString& tooltip) {
  auto* l = new QLabel(QStringLiteral("0"), this);
  l->setObjectName(QLatin1String(name));
  l->setToolTip(tooltip);
  l->setAlignment(Qt::AlignCenter);
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  l->setFixedWidth(kBandWidth);
  m_labels.insert(QLatin1String(name), l);
  return l;
}

Statistik::Statistik(Session& session, QWidget* parent) : QWidget(parent), m_s(session), m_open(&OpenWithDesktop) {
  setWindowFlag(Qt::Window);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Ergebnis"));

  // A row of counter labels below a grid, each under its column.
  auto sumRow = [](QTableWidget* grid, const QString& caption, std::initializer_list<QLabel*> labels) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(grid->frameWidth(), 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(Caption(caption, kNameWidth));
    for (QLabel* l : labels)
      row->addWidget(l);
    row->addStretch();
    return row;
  };
  auto frame = [](const QString& title, QTableWidget* grid, std::initializer_list<QLayout*> rows) {
    auto* box = new QGroupBox(title);
    auto* v = new QVBoxLayout(box);
    v->setSpacing(3);
    v->addWidget(grid);
    for (QLayout* r : rows)
      v->addLayout(r);
    v->addStretch();
    return box;
  };
  // State radio stations
  m_prefixGrid = MakeGrid({QStringLiteral("SFSt"), QStringLiteral("80m"), QStringLiteral("30m")}, 12, Scroll::Always,
                          "prefixGrid");
  QGroupBox* prefixBox =
      frame(QStringLiteral("Staatsfunkst."), m_prefixGrid,
            {sumRow(m_prefixGrid, QStringLiteral("Summe"),
                    {counter("prefixes80", QStringLiteral("Staatsfunkstellen-Prefix auf 80m")),
                     counter("prefixes30", QStringLiteral("Staatsfunkstellen-Prefix auf 30m"))}),
             sumRow(m_prefixGrid, QStringLiteral("Gewertet"),
                    {counter("prefixes80Scored", QStringLiteral("Gewertete Staatsfunkstellen-Prefix auf 80m"))})});

  // Districts
  m_districtGrid =
      MakeGrid({QStringLiteral("Bezirk"), QStringLiteral("40m"), QStringLiteral("80m"), QStringLiteral("30m")}, 12,
               Scroll::Always, "districtGrid");
  QGroupBox* districtBox =
      frame(QStringLiteral("Bezirke"), m_districtGrid,
            {sumRow(m_districtGrid, QStringLiteral("Summe"),
                    {counter("districts40", QStringLiteral("Bezirke auf 40m")),
                     counter("districts80", QStringLiteral("Bezirke auf 80m")),
                     counter("districts30", QStringLiteral("Bezirke auf 30m"))}),
             sumRow(m_districtGrid, QStringLiteral("Gewertet"),
                    {counter("districtsScored", QStringLiteral("Gewertete Bezirke auf 40m und 80m"))})});

  // Federal states
  m_stateGrid =
      MakeGrid({QStringLiteral("Bundl."), QStringLiteral("40m"), QStringLiteral("80m"), QStringLiteral("30m")}, 9,
               Scroll::None, "stateGrid");
  QGroupBox* stateBox =
      frame(QStringLiteral("Bundesländer"), m_stateGrid,
            {sumRow(m_stateGrid, QStringLiteral("Summe"),
                    {counter("states40", QStringLiteral("Bundesländer auf 40m")),
                     counter("states80", QStringLiteral("Bundesländer auf 80m")),
                     counter("states30", QStringLiteral("Bundesländer auf 30m"))}),
             sumRow(m_stateGrid, QStringLiteral("Gewertet"),
                    {counter("statesScored", QStringLiteral("Gewertete Bundesländer auf 40m und 80m"))})});

  // Modes
  m_modeGrid = MakeGrid({QStringLiteral("Mode"), QStringLiteral("40m"), QStringLiteral("80m"), QStringLiteral("30m"),
                         QStringLiteral("Ges")},
                        2, Scroll::None, "modeGrid");
  QGroupBox* modeBox = frame(
      QStringLiteral("Betriebsarten"), m_modeGrid,
      {sumRow(m_modeGrid, QStringLiteral("QSOs"),
              {counter("qsos40", QStringLiteral("QSOs auf 40m")), counter("qsos80", QStringLiteral("QSOs auf 80m")),
               counter("qsos30", QStringLiteral("QSOs auf 30m"))})});

  // Morning and afternoon: a fixed grid of four rows.
  m_periodGrid = MakeGrid({QStringLiteral("Mode"), QStringLiteral("40m"), QStringLiteral("80m"), QStringLiteral("30m"),
                           QStringLiteral("Ges")},
                          4, Scroll::None, "periodGrid");
  m_periodGrid->setMouseTracking(true);
  QGroupBox* periodBox = frame(QStringLiteral("Vormittag/Nachmittag QSOs"), m_periodGrid, {});

  // The score
  auto* scoreBox = new QGroupBox(QStringLiteral("Wertung"));
  auto* form = new QGridLayout(scoreBox);
  form->setVerticalSpacing(3);
  struct Line {
    const char* caption;
    const char* name;
    const char* tooltip;
  };
  const Line lines[] = {
      {"SSB/CW %", "ratio", "Verhältnis SSB/CW in %"},
      {"Gültige QSOs", "valid", "Gültige QSOs"},
      {"Multiplikator", "multiplier", "Bezirke + Bundesländer mal 2"},
      {"Netzunabhängig", "bonus", "Multiplikator für netzunabhängigen Betrieb"},
      {"Punkte", "final", "Punkte gesamt"},
  };
  int row = 0;
  for (const Line& line : lines) {
    QLabel* value = counter(line.name, QString::fromUtf8(line.tooltip));
    value->setFixedWidth(72);
    form->addWidget(new QLabel(QString::fromUtf8(line.caption)), row, 0);
    form->addWidget(value, row, 1);
    ++row;
  }
  QLabel* finalLabel = m_labels.value(QStringLiteral("final"));
  QFont big = finalLabel->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.3);
  finalLabel->setFont(big);

  m_saveButton = new QPushButton(QStringLiteral("Als Text speichern..."));
  m_saveButton->setObjectName(QStringLiteral("saveButton"));
  m_saveButton->setToolTip(QStringLiteral("Ergebnis als Text in Datei speichern"));
  connect(m_saveButton, &QPushButton::clicked, this, &Statistik::saveResultText);
  form->addWidget(m_saveButton, row, 0, 1, 2);

  auto* right = new QVBoxLayout;
  right->addWidget(modeBox);
  right->addWidget(periodBox);
  right->addWidget(scoreBox);
  right->addStretch();

  auto* top = new QHBoxLayout(this);
  top->addWidget(prefixBox);
  top->addWidget(districtBox);
  top->addWidget(stateBox);
  top->addLayout(right);
  top->setSizeConstraint(QLayout::SetFixedSize);

  // Place the window where it was, when that lies on the screen.
  const QSize screen = QWidget::screen() ? QWidget::screen()->geometry().size() : QSize(1024, 768);
  const auto y = StoredPositionPixels(
      m_s.settings.ReadNumber(QStringLiteral("FensterPos"), QStringLiteral("StatistikTop")), screen.height());
  const auto x = StoredPositionPixels(
      m_s.settings.ReadNumber(QStringLiteral("FensterPos"), QStringLiteral("StatistikLeft")), screen.width());
  move(x.value_or(pos().x()), y.value_or(pos().y()));

  m_colours = FarbenLaden(m_s.settings);

  m_timer.setSingleShot(true);
  m_timer.setInterval(1);
  connect(&m_timer, &QTimer::timeout, this, &Statistik::RefreshResult);
  m_timer.start();
}

Statistik::~Statistik() { unload(); }

void Statistik::requestRefresh() { m_timer.start(); }

void Statistik::reloadColours() {
  m_colours = FarbenLaden(m_s.settings);
  requestRefresh();
}

QString Statistik::finalSumText() const { return m_labels.value(QStringLiteral("final"))->text(); }

void Statistik::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!m_registered) {
    m_registered = true;
    m_s.windows.setOpen(WindowId::StatistikForm, true, [this] { requestRefresh(); });
    requestRefresh();
  }
}

void Statistik::closeEvent(QCloseEvent* event) {
  unload();
  QWidget::closeEvent(event);
  emit closed();
}

void Statistik::unload() {
  if (m_unloaded)
    return;
  m_unloaded = true;
  m_timer.stop();
  if (m_registered) {
    m_s.windows.setOpen(WindowId::StatistikForm, false);
    m_registered = false;
    m_s.settings.WriteText(QStringLiteral("FensterPos"), QStringLiteral("StatistikTop"),
                           QString::number(pos().y() * kTwipsPerPixel));
    m_s.settings.WriteText(QStringLiteral("FensterPos"), QStringLiteral("StatistikLeft"),
                           QString::number(pos().x() * kTwipsPerPixel));
  }
}

void Statistik::RefreshResult() {
  RunStep(*m_s.prompter, [this] { fill(); });
  m_timer.stop();
}

void Statistik::fill() {
  const ResultView v = BuildResultView(m_s.tally, m_s.districts, m_s.store.Header);
  const ScoreSummary& s = v.summary;
  FillGrid(m_prefixGrid, v.prefixRows, m_colours, {-1, 1, 2});
  FillGrid(m_districtGrid, v.districtRows, m_colours, {-1, 0, 1, 2});
  FillGrid(m_stateGrid, v.stateRows, m_colours, {-1, 0, 1, 2});
  FillGrid(m_modeGrid, v.modeRows, m_colours, {-1, 0, 1, 2, -1});
  FillGrid(m_periodGrid, v.periodRows, m_colours, {-1, 0, 1, 2, -1});
  for (int r = 0; r < m_periodGrid->rowCount(); ++r)
    for (int c = 0; c < m_periodGrid->columnCount(); ++c)
      m_periodGrid->item(r, c)->setToolTip(PeriodRowTooltip(r + 1));

  auto set = [this](const char* name, const QString& text) { m_labels.value(QLatin1String(name))->setText(text); };
  set("bonus", QString::number(s.bonus));
  set("prefixes80", QString::number(s.prefixes80));
  set("prefixes80Scored", QString::number(s.prefixes80));
  set("prefixes30", QString::number(s.prefixes30));
  set("districts40", QString::number(s.districts40));
  set("districts80", QString::number(s.districts80));
  set("districts30", QString::number(s.districts30));
  set("districtsScored", QString::number(s.districtsScored));
  set("states40", QString::number(s.states40));
  set("states80", QString::number(s.states80));
  set("states30", QString::number(s.states30));
  set("statesScored", QString::number(s.statesScored));
  set("qsos40", QString::number(s.qsos40));
  set("qsos80", QString::number(s.qsos80));
  set("qsos30", QString::number(s.qsos30));
  set("ratio", s.ratio);
  set("valid", FigureText(s.valid));
  set("multiplier", FigureText(s.multiplier));
  set("final", FigureText(s.final));
  m_shown = s;
}

void Statistik::saveResultText() { WriteResultText(m_s, m_shown, m_open); }

} // namespace vk

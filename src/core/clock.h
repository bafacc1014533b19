#pragma once

#include <QDateTime>

namespace vk {

// The system's local time. Tests replace it with a fake.
class Clock {
public:
  virtual ~Clock() = default;
  virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
  QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// Number of entries of the clock-offset menu: -12 h to +12 h.
inline constexpr int kClockOffsetEntries = 25;

// The program clock: system time plus a whole-hour offset chosen in the menu.
// The offset is stored as the menu index 0..24 ("ZeitPM"), index 12 meaning 0 h.
class ContestClock {
public:
  explicit ContestClock(const Clock& clock) : m_clock(&clock) {}

  void setOffsetIndex(int index) { m_offsetIndex = (index >= 0 && index < kClockOffsetEntries) ? index : 0; }
  int offsetIndex() const { return m_offsetIndex; }
  // The offset in hours, -12..12.
  int ClockOffset() const { return m_offsetIndex - 12; }

  QDateTime now() const { return m_clock->now().addSecs(qint64(ClockOffset()) * 3600); }

private:
  const Clock* m_clock;
  int m_offsetIndex = 0;
};

} // namespace vk

#pragma once

#include "core/clock.h"

namespace vk::test {

class FakeClock final : public Clock {
public:
  explicit FakeClock(QDateTime t = QDateTime(QDate(2026, 5, 1), QTime(6, 0))) : m_now(std::move(t)) {}
  QDateTime now() const override { return m_now; }
  void set(const QDateTime& t) { m_now = t; }
  void advance(qint64 ms) { m_now = m_now.addMSecs(ms); }

private:
  QDateTime m_now;
};

} // namespace vk::test

#include "core/windowregistry.h"

namespace vk {

QString WindowSettingsKey(WindowId id) {
  switch (id) {
  case WindowId::BZKarte: return QStringLiteral("BZKarte");
  case WindowId::GridKarte: return QStringLiteral("GridKarte");
  case WindowId::FrequenzForm: return QStringLiteral("FrequenzForm");
  case WindowId::StatistikForm: return QStringLiteral("StatistikForm");
  case WindowId::TransceiverForm: return QStringLiteral("TransceiverForm");
  case WindowId::LogTracker: return QStringLiteral("LogTracker");
  case WindowId::DBLog: return QStringLiteral("DBLog");
  }
  return {};
}

void WindowRegistry::setOpen(WindowId id, bool open, std::function<void()> refresh) {
  Slot& s = m_slots[size_t(id)];
  s.open = open;
  s.refresh = open ? std::move(refresh) : std::function<void()>();
}

void WindowRegistry::requestRefresh(WindowId id) const {
  const Slot& s = m_slots[size_t(id)];
  if (s.open && s.refresh)
    s.refresh();
}

} // namespace vk

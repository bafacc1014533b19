#pragma once

#include <QString>

#include <array>
#include <functional>

namespace vk {

// The secondary windows that the main window toggles, reopens and refreshes.
enum class WindowId {
  BZKarte,        // district map
  GridKarte,      // multiplier table
  FrequenzForm,   // band and frequency window
  StatistikForm,  // result window
  TransceiverForm,// rig control
  LogTracker,     // call check
  DBLog,          // partial-callsign lookup
};
inline constexpr int kWindowCount = 7;

// The "Einstellungen" key that records whether the window was open at exit
// ("BZKarte", "GridKarte", ...).
QString WindowSettingsKey(WindowId id);

// Open flags and one-shot refresh requests of the secondary windows. A window
// registers a refresh function when it opens (it starts the window's one-shot
// timer) and clears it when it closes. Logic asks for refreshes here; it never
// holds window pointers.
class WindowRegistry {
public:
  void setOpen(WindowId id, bool open, std::function<void()> refresh = {});
  bool isOpen(WindowId id) const { return m_slots[size_t(id)].open; }
  // Requests one refresh of an open window; closed windows are left alone.
  void requestRefresh(WindowId id) const;

private:
  struct Slot {
    bool open = false;
    std::function<void()> refresh;
  };
  std::array<Slot, kWindowCount> m_slots;
};

} // namespace vk

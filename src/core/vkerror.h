#pragma once

#include <QString>

#include <stdexcept>

namespace vk {

// A failed step. The command boundary catches it and shows the common error box
// ("FEHLER", Retry/Cancel) with the description.
class VkError : public std::runtime_error {
public:
  explicit VkError(const QString& description)
      : std::runtime_error(description.toStdString()), m_description(description) {}
  const QString& description() const noexcept { return m_description; }

private:
  QString m_description;
};

// The descriptions the common error box shows for the run-time errors the
// program raises itself.
inline QString OverflowText() { return QStringLiteral("Überlauf"); }
inline QString TypeMismatchText() { return QStringLiteral("Typen unverträglich"); }

} // namespace vk

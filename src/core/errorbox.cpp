#include "core/errorbox.h"

namespace vk {

QString ErrorBoxText(const QString& description, const QString& afterFehler) {
  return QStringLiteral("FEHLER") + afterFehler + QStringLiteral("\n\n\t") + description;
}

bool ShowErrorBox(Prompter& prompter, const QString& description, const QString& afterFehler) {
  return prompter.message(ErrorBoxText(description, afterFehler), Icon::Critical,
                          Buttons::RetryCancel) == Answer::Retry;
}

} // namespace vk

#pragma once

#include "core/prompter.h"
#include "core/vkerror.h"

#include <QString>

#include <exception>
#include <functional>

namespace vk {

// The text of the common error box: "FEHLER", an optional number directly after
// it, two line breaks, a TAB and the description.
QString ErrorBoxText(const QString& description, const QString& afterFehler = {});

// Shows the common error box (error icon, Retry/Cancel, the program's title).
// Returns true for Retry.
bool ShowErrorBox(Prompter& prompter, const QString& description, const QString& afterFehler = {});

// Runs one step under the common error handler: a VkError (or any std::exception)
// shows the error box; Retry runs the step again, Cancel returns false.
// Returns true when the step completed.
template <typename Step>
bool RunStep(Prompter& prompter, Step&& step, const QString& afterFehler = {}) {
  for (;;) {
    QString description;
    try {
      step();
      return true;
    } catch (const VkError& e) {
      description = e.description();
    } catch (const std::exception& e) {
      description = QString::fromLocal8Bit(e.what());
    }
    if (!ShowErrorBox(prompter, description, afterFehler))
      return false;
  }
}

} // namespace vk

#include "tool/consoleprompter.h"

#include <cstdio>

namespace vk {

Answer ConsolePrompter::message(const QString& text, Icon, Buttons buttons, DefaultButton, const QString&) {
  lastMessage = text;
  QString oneLine = text;
  oneLine.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
  oneLine.replace(QLatin1Char('\t'), QString());
  std::fprintf(stderr, "%s\n", oneLine.simplified().toUtf8().constData());
  switch (buttons) {
  case Buttons::Ok:
    return Answer::Ok;
  case Buttons::YesNo:
    return Answer::No;
  default:
    return Answer::Cancel;
  }
}

} // namespace vk

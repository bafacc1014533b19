#pragma once

#include "core/prompter.h"

namespace vk {

// A Prompter for the command-line tool: messages go to standard error, every
// question is answered with its negative (Cancel, No), nothing waits for input.
class ConsolePrompter final : public Prompter {
public:
  Answer message(const QString& text, Icon icon, Buttons buttons, DefaultButton defaultButton,
                 const QString& title) override;
  std::optional<QString> input(const QString&, const QString&, const QString&) override { return std::nullopt; }
  int chooseColour(int, bool) override { return -1; }
  QString browseFolder(const QString&, const QString&) override { return {}; }
  QString openFile(const QString&, const QString&, const QString&) override { return {}; }
  QString saveFile(const QString&, const QString&, const QString&, const QString&) override { return {}; }
  void beep() override {}

  // The last message shown.
  QString lastMessage;
};

} // namespace vk

#pragma once

#include "core/prompter.h"

#include <QString>

#include <deque>
#include <optional>
#include <vector>

namespace vk::test {

// A Prompter that answers from a script and fails the test on any box it was
// not told to expect, or on expected boxes that never came.
class ScriptedPrompter : public Prompter {
public:
  struct Shown {
    QString text;
    Icon icon;
    Buttons buttons;
    DefaultButton defaultButton;
    QString title;
  };

  ~ScriptedPrompter() override;

  // Expects a box whose text equals `text` (or contains it, with `contains`).
  ScriptedPrompter& expect(const QString& text, Answer answer, std::optional<Icon> icon = std::nullopt,
                           std::optional<Buttons> buttons = std::nullopt, bool contains = false);
  ScriptedPrompter& expectContaining(const QString& fragment, Answer answer) {
    return expect(fragment, answer, std::nullopt, std::nullopt, true);
  }
  // Expects the common error box ("FEHLER", Retry/Cancel).
  ScriptedPrompter& expectErrorBox(Answer answer, const QString& descriptionFragment = {});
  ScriptedPrompter& expectInput(std::optional<QString> answer, const QString& promptFragment = {});
  ScriptedPrompter& expectFolder(const QString& folder);
  ScriptedPrompter& expectOpenFile(const QString& path);
  ScriptedPrompter& expectSaveFile(const QString& path);
  ScriptedPrompter& expectColour(int colour);

  // Verifies that every expected box came; called by the destructor too.
  void verify();
  bool allShown() const;

  Answer message(const QString& text, Icon icon, Buttons buttons, DefaultButton defaultButton,
                 const QString& title) override;
  std::optional<QString> input(const QString& prompt, const QString& title, const QString& defaultText) override;
  int chooseColour(int initial, bool fullDialog) override;
  QString browseFolder(const QString& title, const QString& startFolder) override;
  QString openFile(const QString& filter, const QString& initialFolder, const QString& title) override;
  QString saveFile(const QString& filter, const QString& initialFolder, const QString& title,
                   const QString& defaultName) override;
  void beep() override { ++beeps; }
  void setBusy(bool on) override { busyDepth += on ? 1 : -1; }

  std::vector<Shown> shown;
  // Filter, initial folder and title of every save-file dialog asked for.
  struct FileDialog {
    QString filter;
    QString folder;
    QString title;
  };
  std::vector<FileDialog> saveDialogs;
  std::vector<QString> inputPrompts;
  std::vector<QString> inputDefaults;
  int beeps = 0;
  int busyDepth = 0;

private:
  enum class Kind { Message, Input, Folder, OpenFile, SaveFile, Colour };
  struct Step {
    Kind kind;
    QString text;
    bool contains = false;
    std::optional<Icon> icon;
    std::optional<Buttons> buttons;
    Answer answer = Answer::Ok;
    std::optional<QString> value;
    int colour = -1;
  };
  std::optional<Step> next(Kind kind, const QString& what);
  std::deque<Step> m_steps;
  bool m_verified = false;
};

const char* ToString(Icon icon);
const char* ToString(Buttons buttons);

} // namespace vk::test

#pragma once

#include <QString>

#include <optional>

namespace vk {

enum class Icon { None, Information, Question, Warning, Critical };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };
// Which button has the focus when the box opens: the first, second or third of
// the set (Yes/No with Second makes No the default).
enum class DefaultButton { First, Second, Third };

// Everything the program asks or tells a person goes through this interface:
// message boxes, input boxes and the common dialogs. The application uses a Qt
// implementation; tests use a scripted one.
class Prompter {
public:
  virtual ~Prompter() = default;

  // A message box. An empty title means the program's title.
  virtual Answer message(const QString& text, Icon icon, Buttons buttons,
                         DefaultButton defaultButton = DefaultButton::First,
                         const QString& title = {}) = 0;
  // An input box; nullopt when cancelled.
  virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                       const QString& defaultText) = 0;
  // Colour dialog: the chosen colour as 24-bit RGB (0xRRGGBB), or -1 when cancelled.
  virtual int chooseColour(int initial, bool fullDialog) = 0;
  // Folder browser; empty when cancelled.
  virtual QString browseFolder(const QString& title, const QString& startFolder) = 0;
  // File dialogs; the filter is written as "description|pattern|description|pattern".
  virtual QString openFile(const QString& filter, const QString& initialFolder,
                           const QString& title) = 0;
  virtual QString saveFile(const QString& filter, const QString& initialFolder,
                           const QString& title, const QString& defaultName) = 0;
  // A short beep.
  virtual void beep() = 0;
  // Busy (hourglass) pointer on or off.
  virtual void setBusy(bool) {}
};

// Shows the busy pointer for the lifetime of the object.
class BusyPointer {
public:
  explicit BusyPointer(Prompter& p) : m_p(&p) { m_p->setBusy(true); }
  explicit BusyPointer(Prompter* p) : m_p(p) {
    if (m_p)
      m_p->setBusy(true);
  }
  ~BusyPointer() {
    if (m_p)
      m_p->setBusy(false);
  }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

private:
  Prompter* m_p;
};

} // namespace vk

#pragma once

#include "core/prompter.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace vk {

// The Prompter of the running program: Qt message boxes, input boxes and the
// common dialogs, with German buttons. Boxes open over the active window.
class QtPrompter final : public Prompter {
public:
  explicit QtPrompter(QString programTitle = QStringLiteral("VelkaKDRZ")) : m_title(std::move(programTitle)) {}

  void setProgramTitle(const QString& title) { m_title = title; }

  Answer message(const QString& text, Icon icon, Buttons buttons, DefaultButton defaultButton,
                 const QString& title) override;
  std::optional<QString> input(const QString& prompt, const QString& title, const QString& defaultText) override;
  int chooseColour(int initial, bool fullDialog) override;
  QString browseFolder(const QString& title, const QString& startFolder) override;
  QString openFile(const QString& filter, const QString& initialFolder, const QString& title) override;
  QString saveFile(const QString& filter, const QString& initialFolder, const QString& title,
                   const QString& defaultName) override;
  void beep() override;
  void setBusy(bool on) override;

private:
  QWidget* parent() const;
  QString m_title;
  int m_busyDepth = 0;
};

// Turns a "description|pattern|description|pattern" filter into Qt's form.
QString QtFileFilter(const QString& pipeFilter);

// Loads Qt's German translation so that standard dialogs speak German.
void InstallGermanTranslation();

} // namespace vk

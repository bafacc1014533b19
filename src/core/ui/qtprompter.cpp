#include "core/ui/qtprompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace vk {

namespace {

QMessageBox::Icon ToQt(Icon icon) {
  switch (icon) {
  case Icon::Information: return QMessageBox::Information;
  case Icon::Question: return QMessageBox::Question;
  case Icon::Warning: return QMessageBox::Warning;
  case Icon::Critical: return QMessageBox::Critical;
  case Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

} // namespace

QWidget* QtPrompter::parent() const { return QApplication::activeWindow(); }

Answer QtPrompter::message(const QString& text, Icon icon, Buttons buttons, DefaultButton defaultButton,
                           const QString& title) {
  QMessageBox box(ToQt(icon), title.isEmpty() ? m_title : title, text, QMessageBox::NoButton, parent());
  struct B {
    QString caption;
    Answer answer;
    QMessageBox::ButtonRole role;
  };
  QList<B> set;
  switch (buttons) {
  case Buttons::Ok: set = {{QStringLiteral("OK"), Answer::Ok, QMessageBox::AcceptRole}}; break;
  case Buttons::OkCancel:
    set = {{QStringLiteral("OK"), Answer::Ok, QMessageBox::AcceptRole},
           {QStringLiteral("Abbrechen"), Answer::Cancel, QMessageBox::RejectRole}};
    break;
  case Buttons::YesNo:
    set = {{QStringLiteral("&Ja"), Answer::Yes, QMessageBox::YesRole},
           {QStringLiteral("&Nein"), Answer::No, QMessageBox::NoRole}};
    break;
  case Buttons::YesNoCancel:
    set = {{QStringLiteral("&Ja"), Answer::Yes, QMessageBox::YesRole},
           {QStringLiteral("&Nein"), Answer::No, QMessageBox::NoRole},
           {QStringLiteral("Abbrechen"), Answer::Cancel, QMessageBox::RejectRole}};
    break;
  case Buttons::RetryCancel:
    set = {{QStringLiteral("&Wiederholen"), Answer::Retry, QMessageBox::AcceptRole},
           {QStringLiteral("Abbrechen"), Answer::Cancel, QMessageBox::RejectRole}};
    break;
  }
  QList<QPushButton*> pushButtons;
  for (const B& b : set)
    pushButtons << box.addButton(b.caption, b.role);
  const int def = defaultButton == DefaultButton::First ? 0 : defaultButton == DefaultButton::Second ? 1 : 2;
  if (def < pushButtons.size())
    box.setDefaultButton(pushButtons[def]);
  // Escape answers with the last button (Cancel or No), or OK alone.
  box.setEscapeButton(pushButtons.back());
  const bool wasBusy = m_busyDepth > 0;
  if (wasBusy)
    QApplication::restoreOverrideCursor();
  box.exec();
  if (wasBusy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  for (qsizetype i = 0; i < pushButtons.size(); ++i)
    if (box.clickedButton() == pushButtons[i])
      return set[i].answer;
  return set.back().answer;
}

std::optional<QString> QtPrompter::input(const QString& prompt, const QString& title, const QString& defaultText) {
  QInputDialog dlg(parent());
  dlg.setWindowTitle(title.isEmpty() ? m_title : title);
  dlg.setLabelText(prompt);
  dlg.setTextValue(defaultText);
  dlg.setOkButtonText(QStringLiteral("OK"));
  dlg.setCancelButtonText(QStringLiteral("Abbrechen"));
  if (dlg.exec() != QDialog::Accepted)
    return std::nullopt;
  return dlg.textValue();
}

int QtPrompter::chooseColour(int initial, bool) {
  // Qt's colour dialog always shows its custom-colour part.
  const QColor c = QColorDialog::getColor(initial >= 0 ? QColor::fromRgb(QRgb(initial)) : QColor(Qt::white), parent());
  if (!c.isValid())
    return -1;
  return int(c.rgb() & 0xFFFFFF);
}

QString QtPrompter::browseFolder(const QString& title, const QString& startFolder) {
  return QFileDialog::getExistingDirectory(parent(), title, startFolder);
}

QString QtFileFilter(const QString& pipeFilter) {
  const QStringList parts = pipeFilter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString pattern = parts[i + 1];
    pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << parts[i] + QStringLiteral(" (") + pattern + QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}

QString QtPrompter::openFile(const QString& filter, const QString& initialFolder, const QString& title) {
  return QFileDialog::getOpenFileName(parent(), title, initialFolder, QtFileFilter(filter));
}

QString QtPrompter::saveFile(const QString& filter, const QString& initialFolder, const QString& title,
                             const QString& defaultName) {
  const QString start = defaultName.isEmpty() ? initialFolder : initialFolder + QLatin1Char('/') + defaultName;
  return QFileDialog::getSaveFileName(parent(), title, start, QtFileFilter(filter));
}

void QtPrompter::beep() { QApplication::beep(); }

void QtPrompter::setBusy(bool on) {
  if (on) {
    if (m_busyDepth++ == 0)
      QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (m_busyDepth > 0) {
    if (--m_busyDepth == 0)
      QApplication::restoreOverrideCursor();
  }
}

void InstallGermanTranslation() {
  static QTranslator translator;
  if (translator.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&translator);
}

} // namespace vk

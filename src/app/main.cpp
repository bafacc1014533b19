// VelkaKDRZ: the logging program.
#include "core/clock.h"
#include "core/ui/qtprompter.h"
#include "entry/session.h"
#include "entry/ui/hauptform.h"
#include "exchange/ui/exportcommands.h"
#include "logmgmt/backup.h"
#include "logmgmt/logcommands.h"
#include "logmgmt/ui/logcommands_ui.h"
#include "logmgmt/ui/lognewopen.h"
#include "logmgmt/ui/sicherneinstellungen.h"
#include "station/ui/stationlog.h"

#include <QApplication>
#include <QFont>

using namespace vk;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VelkaKDRZ"));
  QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
  InstallGermanTranslation();

  QtPrompter prompter;
  SystemClock clock;
  Session session(prompter, clock);
  session.seps = DateTimeSeparators::FromSystem();
  session.setProgramPath(QCoreApplication::applicationFilePath());

  // A log command that ends in a refused file and Cancel ends the program.
  auto reloaded = [](HauptForm& form, LogCommandResult r) {
    if (r == LogCommandResult::EndProgram) {
      form.close();
      QApplication::quit();
      return false;
    }
    if (r == LogCommandResult::Reloaded) {
      form.setWindowTitle(MainCaptionAfterReload(form.session()));
      RefreshWindowsAfterReload(form.session());
      return true;
    }
    return false;
  };

  HauptForm::Services services;
  services.chooseLog = [](HauptForm& form) -> std::optional<QString> {
    if (!ChooseStartLog(form.session(), &form))
      return std::nullopt;
    return form.session().CurrentLogName;
  };
  services.newLog = [&](HauptForm& form) { return reloaded(form, MnNeuesLog(form.session(), &form)); };
  services.openLog = [&](HauptForm& form) { return reloaded(form, MnOpenLog(form.session(), &form)); };
  services.stationSettings = [](HauptForm& form) { return RunStationLogSettings(form.session(), &form); };
  services.backupSettings = [](HauptForm& form) { RunSichernEinstellungen(form.session(), &form); };
  services.openBackupFolder = [](HauptForm& form) { OpenBackupFolder(form.session()); };
  services.automaticBackup = [](Session& s) { AutomaticBackup(s); };
  services.additionalBackup = [](Session& s) { AdditionalBackup(s); };
  services.openUrl = [](const QString& path) { OpenWithDesktop(path); };

  HauptForm form(session, services);
  if (!form.startUp())
    return 0;
  return app.exec();
}

#include "support/logsession.h"

#include "core/logfile.h"

#include <QDir>

namespace vk::test {

LogSession::LogSession() {
  session.setProgramPath(dir.path(QStringLiteral("VelkaKDRZ/VelkaKDRZ")), dir.path(QStringLiteral("home")));
  for (const QString& f : {session.folders.logsFolder, session.folders.backupFolder, session.folders.tmpFolder})
    QDir().mkpath(f);
  session.seps = DateTimeSeparators{};
  session.store.Clear(session.seps);
}

QString LogSession::writeLog(const QString& name, const StationHeader& header,
                             const std::vector<QsoRecord>& records) const {
  LogStore store;
  store.Clear(session.seps);
  store.Header = header;
  store.Records = records;
  BuildLogText(store, true, 2026);
  const QString path = logPath(name);
  SaveFileAtomically(path, store.LogBytes());
  return path;
}

QString LogSession::setting(const QString& section, const QString& key) const {
  if (!session.settings.exists())
    return {};
  return session.settings.ReadText(section, key);
}

void LogSession::setSetting(const QString& section, const QString& key, const QString& value) const {
  session.settings.WriteText(section, key, value);
}

} // namespace vk::test

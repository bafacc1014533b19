#pragma once

#include "core/codepage.h"
#include "core/qsorecord.h"
#include "core/stationheader.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vk::test {

// A temporary folder that exists for the test's lifetime.
class TempFolder {
public:
  TempFolder() { EXPECT_TRUE(m_dir.isValid()); }
  QString path(const QString& name = {}) const { return name.isEmpty() ? m_dir.path() + '/' : m_dir.filePath(name); }
  QString write(const QString& name, const QByteArray& bytes) const;
  QString writeText(const QString& name, const QString& text) const { return write(name, ToCp1252(text)); }

private:
  QTemporaryDir m_dir;
};

QByteArray ReadBytes(const QString& path);

// A QSO with the usual defaults: 80 m CW, 599 both ways, 01.05.2026.
QsoRecord Qso(const QString& call, int band, const QString& district, const QString& time,
              const QString& mode = QStringLiteral("CW"), int status = 0);

// A station header with the required values filled in.
StationHeader Header(const QString& call = QStringLiteral("OE0AAA"));

// The path of a file under tests/data.
QString TestData(const QString& name);

} // namespace vk::test

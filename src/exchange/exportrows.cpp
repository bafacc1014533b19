#include "exchange/exportrows.h"

#include "core/codepage.h"
#include "core/numbers.h"
#include "core/separators.h"
#include "core/vkerror.h"

namespace vk {

std::vector<const QsoRecord*> RowsInOrder(const LogStore& store, const std::vector<int>& order) {
  std::vector<const QsoRecord*> rows;
  rows.reserve(order.size());
  for (int i : order) {
    if (i < 0 || size_t(i) >= store.Records.size())
      continue;
    const QsoRecord& r = store.Records[size_t(i)];
    if (r.Status != kStatusDeleted)
      rows.push_back(&r);
  }
  return rows;
}

std::vector<int> FileOrder(const LogStore& store) {
  std::vector<int> order;
  order.reserve(store.Records.size());
  for (size_t i = 0; i < store.Records.size(); ++i)
    if (store.Records[i].Status != kStatusDeleted)
      order.push_back(int(i));
  return order;
}

std::vector<const QsoRecord*> RowsInFileOrder(const LogStore& store) { return RowsInOrder(store, FileOrder(store)); }

QDate QsoDateValue(const QsoRecord& r) {
  const auto d = ParseDate(r.QsoDate);
  if (!d)
    throw VkError(QStringLiteral("Das QSO mit %1 hat kein gültiges Datum (\"%2\").").arg(r.Call, r.QsoDate));
  return *d;
}

QTime QsoTimeValue(const QsoRecord& r) {
  const auto t = ParseTimeOfDay(r.QsoTime);
  if (!t)
    throw VkError(QStringLiteral("Das QSO mit %1 hat keine gültige Zeit (\"%2\").").arg(r.Call, r.QsoTime));
  return *t;
}

QString FrequencyKhzText(float khz) { return QString::number(RoundHalfEven(double(khz)), 'f', 0); }

QString BandText(int band) { return QString::number(band) + QLatin1Char('m'); }

QByteArray TextFileBytes(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) {
    text += line;
    text += QStringLiteral("\r\n");
  }
  return ToCp1252(text);
}

void AddDistinctCall(QStringList& calls, const QString& call) {
  if (!call.isEmpty() && !calls.contains(call))
    calls << call;
}

QString WithExtension(const QString& chosen, const QString& extension, const QString& appended) {
  if (chosen.endsWith(extension, Qt::CaseInsensitive))
    return chosen;
  return chosen + appended;
}

} // namespace vk

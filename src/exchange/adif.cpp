#include "exchange/adif.h"

#include "exchange/exportrows.h"

namespace vk {

QString AdifField(QStringView name, QStringView value) {
  return QLatin1Char('<') + name.toString() + QLatin1Char(':') + QString::number(value.size()) + QLatin1Char('>') +
         value.toString();
}

QString AdifFrequency(const QString& khzText) {
  if (khzText.size() < 4)
    return khzText;
  return khzText.left(khzText.size() - 3) + QLatin1Char('.') + khzText.right(3);
}

QString AdifRecord(const StationHeader& h, const QsoRecord& r) {
  const QDate date = QsoDateValue(r);
  const QTime time = QsoTimeValue(r);
  QString line;
  line += AdifField(u"QSO_DATE", date.toString(QStringLiteral("yyyyMMdd")));
  line += AdifField(u"TIME_ON", time.toString(QStringLiteral("HHmm")));
  line += AdifField(u"CALL", r.Call);
  line += AdifField(u"RST_SENT", r.RstSent);
  line += AdifField(u"RST_RCVD", r.RstRcvd);
  line += AdifField(u"MY_STATE", FitDistrict(h.MyBz));
  line += AdifField(u"STATE", FitDistrict(r.District));
  line += AdifField(u"FREQ", AdifFrequency(FrequencyKhzText(r.FreqKhz)));
  line += AdifField(u"MODE", r.Mode);
  line += AdifField(u"QSL_SENT", r.Qsl == 1 ? u"Y" : u"N");
  line += AdifField(u"BAND", BandText(r.Band));
  if (r.OpCall != h.MyCall)
    line += AdifField(u"STATION_CALLSIGN", h.MyCall);
  line += AdifField(u"OPERATOR", r.OpCall);
  if (!r.Note.isEmpty())
    line += AdifField(u"NOTES", r.Note);
  line += QStringLiteral("<EOR>");
  return line;
}

QStringList AdifLines(const StationHeader& h, const std::vector<const QsoRecord*>& rows, const ProgramInfo& program) {
  QStringList out;
  out << QStringLiteral("; This file was created by VelkaKDRW  Contest log of the KDRW 80/40m, made by QZ9VLK");
  out << QStringLiteral("<PROGRAMID:9>VelkaKDRW");
  out << AdifField(u"PROGRAMVERSION", program.version());
  out << QStringLiteral("<ADIF_VER:5>2.2.7");
  out << QStringLiteral("<EOH>");
  for (const QsoRecord* r : rows)
    if (r->Status != kStatusDupe)
      out << AdifRecord(h, *r);
  return out;
}

} // namespace vk

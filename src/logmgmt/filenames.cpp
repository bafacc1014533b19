#include "logmgmt/filenames.h"

#include "core/codepage.h"

namespace vk {

namespace {

bool IsForbidden(QChar c) {
  const char16_t u = c.unicode();
  // NUL cannot stand in a file name either; it would cut the name short.
  if (u < 32)
    return true;
  switch (u) {
  case u'"':
  case u'*':
  case u'/':
  case u':':
  case u'<':
  case u'>':
  case u'?':
  case u'\\':
  case u'|':
    return true;
  default:
    break;
  }
  return !IsCp1252Representable(c);
}

} // namespace

FileNameCheck CheckTypedFileName(QStringView name) {
  for (QChar c : name)
    if (IsForbidden(c))
      return FileNameCheck::Invalid;
  if (name.size() > kMaxTypedFileName)
    return FileNameCheck::TooLong;
  return FileNameCheck::Ok;
}

bool HasLogExtension(QStringView name) { return name.endsWith(kLogExtension, Qt::CaseInsensitive); }

QString WithLogExtension(const QString& name) { return HasLogExtension(name) ? name : name + kLogExtension; }

} // namespace vk

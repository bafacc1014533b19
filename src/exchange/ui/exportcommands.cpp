#include "exchange/ui/exportcommands.h"

#include "exchange/exportcommand.h"

#include <QDesktopServices>
#include <QUrl>

namespace vk {

void OpenWithDesktop(const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

// The prompter places its boxes and dialogs over the active window, which is
// the parent when the command comes from its menu.
void ExportCabrillo(Session& s, const std::vector<int>& displayOrder, QWidget* /*parent*/) {
  ExportCabrilloFile(s, displayOrder, &OpenWithDesktop);
}

void ExportAdif(Session& s, const std::vector<int>& displayOrder, QWidget* /*parent*/) {
  ExportAdifFile(s, displayOrder, &OpenWithDesktop);
}

} // namespace vk

#pragma once

#include "entry/session.h"

#include <QString>
#include <QWidget>

#include <vector>

namespace vk {

// The menu commands "&Cabrillo-Datei erzeugen" and "&ADIF-Datei erzeugen".
// `displayOrder` holds the record indices (into Session::store.Records) of the
// log grid's rows in the order the grid shows them. Every box goes through the
// session's prompter; a written file is opened with the desktop's program when
// the user says yes.
void ExportCabrillo(Session& s, const std::vector<int>& displayOrder, QWidget* parent = nullptr);
void ExportAdif(Session& s, const std::vector<int>& displayOrder, QWidget* parent = nullptr);

// Opens a file with the desktop's program for it.
void OpenWithDesktop(const QString& path);

} // namespace vk

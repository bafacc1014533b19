#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vk {

// Windows-1252, the 8-bit code page of every file the program reads or writes.
// A character the code page cannot represent is written as "?", as the Windows
// conversion does. The five bytes without a character (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) read as U+0081 etc. and are written back unchanged.
QByteArray ToCp1252(QStringView text);
QString FromCp1252(QByteArrayView bytes);
bool IsCp1252Representable(QChar ch);
QChar Cp1252ToChar(unsigned char byte);

} // namespace vk

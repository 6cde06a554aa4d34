#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kiv5 {

// The single-byte text of every record field and text file. A character
// outside Windows-1252 is stored as "?".
QByteArray ToCp1252(QStringView text);
QString FromCp1252(QByteArrayView bytes);

// The byte a character takes in Windows-1252, '?' for any other character.
unsigned char Cp1252Byte(QChar c);

} // namespace kiv5

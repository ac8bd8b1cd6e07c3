#pragma once
// File names as text without losing a byte. Linux names are bytes; most are UTF-8,
// but a card may hold any byte. Valid UTF-8 becomes its characters; each byte that is
// not part of valid UTF-8 becomes the lone surrogate U+DC00 + byte (U+DC80..U+DCFF),
// the convention Python calls "surrogateescape". FileNameBytes turns such text back
// into exactly the bytes it came from.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <string_view>

namespace motrevix::catalog {

QString FileNameText(std::string_view bytes);
QByteArray FileNameBytes(QStringView text);

// The escaped byte U+DC80..U+DCFF stands for, or -1 for any other character.
int EscapedByte(QChar character);

}  // namespace motrevix::catalog

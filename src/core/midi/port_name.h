#pragma once

#include <QString>

#include <string>

namespace Core {

// A MIDI server names its ports with bytes, not with text: most names are
// UTF-8, but a driver or a program may give any bytes. The program keeps a
// name as a QString that maps back to exactly those bytes: valid UTF-8 is
// decoded as usual, and each byte that is not part of valid UTF-8 becomes a
// lone surrogate U+DC80..U+DCFF, which UTF-8 itself can never hold. Such a
// name is shown with a replacement character in place of each stray byte,
// and is stored and matched as it is, so the port opens like any other.
QString PortNameFromBytes(const std::string &bytes);
// The bytes the server knows the port by.
std::string PortNameToBytes(const QString &name);
// Whether the character at `at` is half of no surrogate pair: a stray byte
// of a name that is not UTF-8, shown as a replacement character.
bool IsStrayByteAt(const QString &name, int at);

} // namespace Core

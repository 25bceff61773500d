#include "port_name.h"

namespace Core {

namespace {

constexpr char16_t kStrayBase = 0xDC00;

// The length of the valid UTF-8 sequence at `at` and its code point; 0 when
// the byte there starts none (overlong forms, surrogates and code points
// past U+10FFFF are not valid).
int ValidSequence(const std::string &bytes, std::size_t at, char32_t &code)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, lowest = 0x10000;
    } else {
        return 0;
    }
    if (at + static_cast<std::size_t>(length) > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(at + static_cast<std::size_t>(i));
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

void AppendUtf8(std::string &out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

QString PortNameFromBytes(const std::string &bytes)
{
    QString name;
    name.reserve(static_cast<int>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t code = 0;
        const int length = ValidSequence(bytes, at, code);
        if (length == 0) {
            name += QChar(static_cast<char16_t>(kStrayBase + static_cast<unsigned char>(bytes[at])));
            ++at;
            continue;
        }
        const uint ucs4 = static_cast<uint>(code);
        if (QChar::requiresSurrogates(ucs4)) {
            name += QChar(QChar::highSurrogate(ucs4));
            name += QChar(QChar::lowSurrogate(ucs4));
        } else {
            name += QChar(static_cast<char16_t>(code));
        }
        at += static_cast<std::size_t>(length);
    }
    return name;
}

bool IsStrayByteAt(const QString &name, int at)
{
    const QChar c = name.at(at);
    if (c.isHighSurrogate())
        return at + 1 >= name.size() || !name.at(at + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return at == 0 || !name.at(at - 1).isHighSurrogate();
    return false;
}

std::string PortNameToBytes(const QString &name)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(name.size()));
    for (int at = 0; at < name.size(); ++at) {
        const QChar c = name.at(at);
        if (!IsStrayByteAt(name, at) && c.isHighSurrogate()) {
            AppendUtf8(bytes, QChar::surrogateToUcs4(c, name.at(at + 1)));
            ++at;
        } else if (IsStrayByteAt(name, at)) {
            // A stray byte goes back as it came; a lone surrogate that no
            // byte made cannot name a port, and becomes U+FFFD.
            const char16_t unit = c.unicode();
            if (unit >= kStrayBase + 0x80 && unit <= kStrayBase + 0xFF)
                bytes += static_cast<char>(unit - kStrayBase);
            else
                AppendUtf8(bytes, 0xFFFD);
        } else {
            AppendUtf8(bytes, c.unicode());
        }
    }
    return bytes;
}

} // namespace Core

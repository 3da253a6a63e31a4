#include "LineProtocol.h"

#include <limits>

namespace LineProtocol {

void NUMBER4(char *field, int value)
{
    field[0] = char('0' + value / 10 % 10);
    field[1] = char('0' + value % 10);
    field[2] = char('0' + value / 1000 % 10);
    field[3] = char('0' + value / 100 % 10);
}

void DEC2(char *field, int value)
{
    field[0] = char('0' + value / 10 % 10);
    field[1] = char('0' + value % 10);
}

QStringView field(QStringView text, int position, int length)
{
    if (position < 0 || position >= text.size())
        return {};
    const int available = int(text.size()) - position;
    return text.mid(position, length < 0 || length > available ? available : length);
}

int toNumber(QStringView text, int base)
{
    const QStringView trimmed = text.trimmed();
    int position = 0;
    bool negative = false;
    if (position < trimmed.size() && (trimmed[position] == QLatin1Char('+') || trimmed[position] == QLatin1Char('-'))) {
        negative = trimmed[position] == QLatin1Char('-');
        ++position;
    }
    if (base == 16 && trimmed.mid(position).startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
        && position + 2 < trimmed.size())
        position += 2;
    if (position == trimmed.size())
        return 0;
    qint64 value = 0;
    for (; position < trimmed.size(); ++position) {
        const char16_t c = trimmed[position].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else
            return 0;
        if (digit >= base)
            return 0;
        value = value * base + digit;
        if (value > qint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0))
            return 0; // out of range reads as 0, as the standard conversion does
    }
    return int(negative ? -value : value);
}

int readNUMBER4(QStringView number)
{
    return toNumber(field(number, 0, 2)) + 100 * toNumber(field(number, 2, 2));
}

QByteArray cutUtf8(const QByteArray &utf8, int cap)
{
    if (utf8.size() <= cap)
        return utf8;
    int end = cap + 1;
    // Drop bytes from the end until a character's lead byte has gone too.
    while (end > 0) {
        const unsigned char removed = static_cast<unsigned char>(utf8.at(--end));
        if (removed < 0x80 || removed > 0xBF)
            break;
    }
    return utf8.left(end);
}

bool isLineSafe(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.unicode() == 0)
            return false;
    }
    return true;
}

std::optional<QByteArray> encodeTextField(const QString &text, int cap)
{
    if (!isLineSafe(text))
        return std::nullopt;
    const QByteArray utf8 = text.toUtf8();
    return cap < 0 ? utf8 : cutUtf8(utf8, cap);
}

} // namespace LineProtocol

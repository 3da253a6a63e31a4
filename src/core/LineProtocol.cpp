#include "LineProtocol.h"

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

int readNUMBER4(QStringView number)
{
    return field(number, 0, 2).toInt() + 100 * field(number, 2, 2).toInt();
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

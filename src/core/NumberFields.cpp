#include "NumberFields.h"

#include <cstdio>

namespace {

// The decimal text of `value`, at least `width` characters, zeros after the sign.
int format(char (&text)[16], int value, int width)
{
    return std::snprintf(text, sizeof text, "%0*d", width, value);
}

} // namespace

void putNumberField(char *place, int value)
{
    char text[16];
    format(text, value, 4);
    place[0] = text[2];
    place[1] = text[3];
    place[2] = text[0];
    place[3] = text[1];
}

void putTwoDigits(char *place, int value)
{
    char text[16];
    format(text, value, 2);
    place[0] = text[0];
    place[1] = text[1];
}

int readTwoDigits(QStringView reply, int offset)
{
    if (offset < 0 || offset >= reply.size())
        return 0;
    int value = 0;
    for (int i = offset; i < offset + 2 && i < reply.size(); ++i) {
        const char16_t c = reply[i].unicode();
        if (c < u'0' || c > u'9')
            return 0;
        value = value * 10 + (c - u'0');
    }
    return value;
}

int readNumberField(QStringView reply, int offset)
{
    return readTwoDigits(reply, offset) + 100 * readTwoDigits(reply, offset + 2);
}

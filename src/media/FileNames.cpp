#include "FileNames.h"

#include "LineProtocol.h"

#include <QRegularExpression>

namespace FileNames {

QString sanitizeFileName(const QString &name)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    QString cleaned;
    cleaned.reserve(name.size());
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || forbidden.contains(c))
            continue;
        cleaned.append(c);
    }
    return cleaned;
}

bool isDotsAndSpaces(const QByteArray &name)
{
    for (const char c : name) {
        if (c != '.' && c != ' ')
            return false;
    }
    return true;
}

std::optional<QByteArray> encodeName(const QString &name, int cap)
{
    // Judged after the cut: the bytes that go out are the name.
    const QByteArray bytes = LineProtocol::cutUtf8(sanitizeFileName(name).toUtf8(), cap);
    if (isDotsAndSpaces(bytes))
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> encodePath(const QString &path)
{
    QString kept = path;
    kept.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).remove(QChar(0));
    if (kept.isEmpty())
        return std::nullopt;
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    for (const QStringRef &segment : kept.splitRef(separators)) {
        if (segment == QLatin1String(".."))
            return std::nullopt;
    }
    return kept.toUtf8();
}

} // namespace FileNames

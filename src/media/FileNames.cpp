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

std::optional<QByteArray> encodeName(const QString &name, int cap)
{
    const QString cleaned = sanitizeFileName(name);
    bool onlyDotsAndSpaces = true;
    for (const QChar c : cleaned) {
        if (c != QLatin1Char('.') && c != QLatin1Char(' '))
            onlyDotsAndSpaces = false;
    }
    if (onlyDotsAndSpaces)
        return std::nullopt;
    return LineProtocol::cutUtf8(cleaned.toUtf8(), cap);
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

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// What the recorder accepts as a folder, file or playlist name, and as a path.
namespace FileNames {

// Bytes a folder or playlist name may take, and a file name before its extension.
constexpr int folderNameCap = 117;
constexpr int fileNameCap = 113;

// The name without the characters no file system on the media takes
// (/ \ : * ? " < > |), control characters and DEL.
QString sanitizeFileName(const QString &name);

// True when the name is made only of dots and spaces (or is empty): the
// media take such a name for the folder itself or for its parent.
bool isDotsAndSpaces(const QByteArray &name);

// The cleaned name in UTF-8, cut to `cap` bytes on a character boundary;
// nothing when that is empty or made only of dots and spaces.
std::optional<QByteArray> encodeName(const QString &name, int cap);

// The path in UTF-8 without CR, LF and NUL; nothing when it is empty or
// climbs out of a folder with "..".
std::optional<QByteArray> encodePath(const QString &path);

} // namespace FileNames

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Field encodings of the recorder's command and reply lines.
namespace LineProtocol {

// Writes `value` (0-9999) into the four characters at `field` as a pair-encoded
// number: tens and units first, then thousands and hundreds ("0100" is 1).
void NUMBER4(char *field, int value);

// Writes `value` (0-99) into the two characters at `field`, tens first.
void DEC2(char *field, int value);

// The characters of `text` from `position` on, at most `length` of them (all
// when `length` is negative): the part that exists, possibly empty.
QStringView field(QStringView text, int position, int length = -1);

// The text as a number in `base` (10 or 16), as the standard conversion reads
// it: surrounding blanks and a sign allowed, anything else (an empty text
// included) reads as 0. Unlike the standard conversion it never allocates.
int toNumber(QStringView text, int base = 10);

// Reads a pair-encoded number from four characters; a field that is not a
// number reads as 0.
int readNUMBER4(QStringView number);

// The longest prefix of `utf8` made of whole characters that fits in `cap` bytes.
QByteArray cutUtf8(const QByteArray &utf8, int cap);

// True when `text` can travel inside one command line: no CR, LF or NUL,
// which would end the line early or inject another command.
bool isLineSafe(const QString &text);

// The UTF-8 form of a text field, cut to `cap` bytes (a negative cap means no
// cap); nothing when the text is not line-safe.
std::optional<QByteArray> encodeTextField(const QString &text, int cap = -1);

} // namespace LineProtocol

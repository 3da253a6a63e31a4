#pragma once

#include <QStringView>

// The digit fields of command templates ("07F6B11xxyyyy\r\n") and their
// reading from replies. The writers touch exactly the field's characters.

// Writes `value` as four characters at `place`, low pair first: 1 gives
// "0100", 1234 "3412". A value beyond four digits keeps its first four
// (12345 gives "3412"); a negative one its sign first (-5 gives "05-0").
void putNumberField(char *place, int value);

// Writes `value` as two characters at `place`: 7 gives "07"; a value beyond
// two digits keeps its first two (123 gives "12"); -5 gives "-5".
void putTwoDigits(char *place, int value);

// A four-character field of `reply` at `offset`: its first pair plus 100
// times its second. A pair that is not made of decimal digits counts 0; a
// pair cut short by the end of the reply counts as far as it goes.
int readNumberField(QStringView reply, int offset);

// A two-character field of `reply` at `offset`, read as readNumberField reads a pair.
int readTwoDigits(QStringView reply, int offset);

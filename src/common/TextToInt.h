#pragma once

#include <QStringView>

// Converts a number as the user typed it into a signed 32-bit integer.
// Accepted: leading blanks, an optional "+" or "-", then decimal digits, or
// hexadecimal digits after "$", "x", "X", "0x" or "0X". Nothing may follow the
// digits. Anything else (empty text, letters, a decimal point, a trailing blank,
// a value outside the 32-bit range) gives defaultValue.
int textToInt(QStringView text, int defaultValue);

// The same conversion, telling whether the text was a number at all.
bool tryTextToInt(QStringView text, int *value);

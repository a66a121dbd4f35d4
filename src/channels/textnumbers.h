// Numbers read from the front of a text as the C library's atof, atoi and the
// "%d" conversion read them: leading white space, an optional sign, digits, the
// rest ignored. Never locale-dependent, never overflowing: values saturate.
#pragma once

#include <QString>

// "146.525abc" is 146.525; a text without a number is 0.
double LeadingNumber(const QString &text);
// "-5x" is -5; a text without digits is 0; held within the range of int.
int LeadingInteger(const QString &text);
// One "%d" conversion starting at *pos: false (and *pos unchanged) when there are
// no digits; otherwise *value is set and *pos moves past the digits.
bool ReadInteger(const QString &text, int *pos, int *value);

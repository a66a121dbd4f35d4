// Numbers read from the front of a text as the C library's atof, atoi and the
// "%d" conversion read them: leading white space, an optional sign, digits, the
// rest ignored. Never locale-dependent, never overflowing: values saturate. Text
// read from outside is first checked to be wholly a number (IsPlainDecimal).
#pragma once

#include <QString>

// "146.525abc" is 146.525; a text without a number is 0.
double LeadingNumber(const QString &text);
// "-5x" is -5; a text without digits is 0; held within the range of int.
int LeadingInteger(const QString &text);
// One "%d" conversion starting at *pos: false (and *pos unchanged) when there are
// no digits; otherwise *value is set and *pos moves past the digits.
bool ReadInteger(const QString &text, int *pos, int *value);
// True when text, white space at either end aside, is wholly a decimal number as
// people write one: digits with at most one decimal point and a digit on at least
// one side of it ("146.525", "146", "146.", ".5"). No sign, exponent, decimal
// comma, unit or other text: "145,5", "146.5 MHz", "1e2", "nan" and "" are not.
bool IsPlainDecimal(const QString &text);

// Text from outside (a file, the clipboard, a command line) as a message shows it.
#pragma once

#include <QString>

// text with its control characters written out ("\n", "\x00", "\x1B"), so that a
// value from a file shown in a message can neither cut it short nor drive a terminal.
QString VisibleText(const QString &text);

// The most characters of a value from outside that a message repeats.
constexpr int kLongestQuotedInput = 40;

// text as a message repeats it: its first kLongestQuotedInput characters and "…"
// when it is longer, control characters written out, no quotes added.
QString ShortInput(const QString &text);

// text in double quotes for a message: its first kLongestQuotedInput characters
// and "…" when it is longer, control characters written out. Every message that
// repeats what a user typed or a file holds quotes it so; a value of a megabyte
// gives a line, not a megabyte of output.
QString QuotedInput(const QString &text);

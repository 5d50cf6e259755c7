#pragma once
// Numbers written as text for files that other programs read: always with a
// full stop, whatever the locale, and composed straight into a buffer, since
// a table of a volume holds over a hundred thousand of them.

#include <QByteArray>

// Writes value (0 to 999) right-aligned in three characters; returns the end.
char *putThreeDigits(char *at, int value);

// Writes value (0 or more) without leading zeros; returns the end.
char *putWholeNumber(char *at, int value);

// Writes thousandths (0 or more) as a number with three decimals: 3125 gives
// "3.125", 500 gives "0.500"; returns the end.
char *putThousandths(char *at, int thousandths);

// A real number as C writes it in its shortest exact form: 1.25, 3.125, 1.
QByteArray realNumberText(double value);

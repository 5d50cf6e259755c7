#pragma once
// Numbers as text, the same in every locale. Written for files that other
// programs read: always with a full stop, and composed straight into a
// buffer, since a table of a volume holds over a hundred thousand of them.
// Read as a person types them: a full stop or a comma marks the decimals.

#include <QByteArray>
#include <QStringView>

#include <optional>

// Writes value (0 to 999) right-aligned in three characters; returns the end.
char *putThreeDigits(char *at, int value);

// Writes value (0 or more) without leading zeros; returns the end.
char *putWholeNumber(char *at, int value);

// Writes thousandths (0 or more) as a number with three decimals: 3125 gives
// "3.125", 500 gives "0.500"; returns the end.
char *putThousandths(char *at, int thousandths);

// A real number as C writes it in its shortest exact form: 1.25, 3.125, 1.
QByteArray realNumberText(double value);

// A number typed or stored as text: digits, at most one decimal mark (a full
// stop or a comma) and an optional leading minus, with blanks around it
// ignored. "1,500" is one and a half, never fifteen hundred; anything else
// (a second mark, an exponent, "inf", "nan", other characters) is nullopt.
std::optional<double> parseDecimal(QStringView text);

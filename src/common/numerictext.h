// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The numeric value of a text as the settings, the options and the encoder's figures
// are read: leading blanks are skipped, the decimal number at the start is taken and
// reading stops at the first character that cannot continue it; a text that does not
// begin with a number counts as 0 ("4abc" -> 4, "abc" -> 0, " -1" -> -1, "29.97fps" ->
// 29.97).
class NumericText
{
public:
    static double value(const QString &text);

    // Decimal text without exponent, with no decimal point when the value is whole:
    // 64000, 1500000, 2.5.
    static QString text(double value);
};

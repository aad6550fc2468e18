// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Wherever a real number becomes an integer (percentages, slider values, drawn sizes)
// it goes to the nearest integer, halves to the even neighbour: 2.5 -> 2, 3.5 -> 4.
qint64 roundHalfEven(double value);

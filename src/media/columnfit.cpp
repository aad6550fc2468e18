// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/columnfit.h"

#include <algorithm>
#include <numeric>

QList<int> ColumnFit::widths(int available, const QList<int> &needs)
{
    if (needs.isEmpty())
        return {};
    const QList<int> others = needs.mid(1);
    const int most = others.isEmpty() ? 0 : *std::max_element(others.begin(), others.end());
    const int sum = std::accumulate(others.begin(), others.end(), 0);
    available = std::max(available, 0);
    QList<int> fitted;
    if (available - sum > most) {
        fitted << available - sum << others;
        return fitted;
    }
    // The first column f stays wider than the widest other after the others are scaled by
    // (available - f) / sum: f * (sum + most) > available * most.
    const int first = sum + most > 0 ? int(qint64(available) * most / (sum + most)) + 1 : available;
    fitted << first;
    const int rest = std::max(available - first, 0);
    for (const int need : others)
        fitted << (sum > 0 ? int(qint64(need) * rest / sum) : 0);
    return fitted;
}

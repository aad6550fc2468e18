// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/argumentreader.h"

#include <QTextStream>

ArgumentReader::ArgumentReader(const QStringList &arguments, const QStringList &valueOptions)
{
    bool options = true;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (!options || !a.startsWith(QLatin1Char('-'))) {
            m_plain << a;
        } else if (a == QLatin1String("--")) {
            options = false;
        } else if (!valueOptions.contains(a)) {
            m_error = QStringLiteral("unknown option %1 (a name that begins with \"-\" "
                                     "follows \"--\")")
                          .arg(a);
            return;
        } else if (i + 1 >= arguments.size()) {
            m_error = a + QStringLiteral(" needs a value");
            return;
        } else {
            m_values.insert(a, arguments[++i]);
        }
    }
}

int ArgumentReader::refuse(QTextStream &err, const QString &why)
{
    err << "klevar: " << why << '\n';
    err.flush();
    return UsageError;
}

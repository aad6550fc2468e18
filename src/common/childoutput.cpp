// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/childoutput.h"

#include "common/childprogram.h"

#include <QTimer>

#include <memory>

void ChildOutput::collect(const QString &program, const QStringList &arguments, QObject *context,
                          int limitMs, const std::function<void(const QString &, bool)> &done)
{
    auto *child = new ChildProgram(context);
    auto output = std::make_shared<QString>();
    QObject::connect(child, &ChildProgram::outputReceived, child,
                     [output](const QString &text) { *output += text; });
    QObject::connect(child, &ChildProgram::finished, context,
                     [child, output, done](int, ChildProgram::End end) {
                         child->deleteLater();
                         done(*output, end != ChildProgram::End::FailedToStart);
                     });
    QTimer::singleShot(limitMs, child, [child] { child->kill(); });
    child->start(program, arguments);
}

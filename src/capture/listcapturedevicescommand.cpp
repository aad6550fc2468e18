// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/listcapturedevicescommand.h"

#include "capture/encodercapturecontrol.h"
#include "common/tabtext.h"

#include <QTextStream>

int ListCaptureDevicesCommand::run(QTextStream &out)
{
    const EncoderCaptureControl control;
    for (int i = 0; i < control.deviceCount(); ++i)
        out << TabText::line({QString::number(i), control.deviceName(i)}) << '\n';
    out.flush();
    return 0;
}

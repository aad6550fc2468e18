#include "capture/listcapturedevicescommand.h"

#include "capture/encodercapturecontrol.h"

#include <QTextStream>

int ListCaptureDevicesCommand::run(QTextStream &out)
{
    const EncoderCaptureControl control;
    for (int i = 0; i < control.deviceCount(); ++i)
        out << i << '\t' << control.deviceName(i) << '\n';
    out.flush();
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/runarguments.h"

#include "convert/encodercapabilities.h"
#include "convert/encodercommand.h"
#include "convert/picturechain.h"
#include "media/mediafacts.h"

QStringList RunArguments(const EncoderCommand &command, const EncoderCapabilities &capabilities,
                         const MediaFacts &source, const QString &part)
{
    QStringList arguments = capabilities.adapt(command);
    if (command.toFileEnd) {
        // Paths are full paths, so the only argument that is exactly "-t" is the option.
        const qsizetype at = arguments.indexOf(QStringLiteral("-t"));
        if (at > 0 && at + 1 < arguments.size() - 1)
            arguments.remove(at, 2);
    }
    arguments = PictureChain::plan(arguments, source).applyTo(arguments);
    if (!arguments.isEmpty())
        arguments.last() = part;
    if (!arguments.contains(QLatin1String("-y")))
        arguments.insert(arguments.size() - 1, QStringLiteral("-y"));
    return arguments;
}

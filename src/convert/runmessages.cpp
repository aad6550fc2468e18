// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/runmessages.h"

#include "convert/encoderfragments.h"
#include "media/failurereasonbox.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

std::optional<RunMessages::Message> RunMessages::startRefusal(const QString &profileCaption,
                                                              const QString &outputFolder)
{
    // Without a chosen type the output would have no extension, and the encoder cannot
    // tell which format to write.
    if (EncoderFragments::outputExtension(profileCaption).isEmpty()) {
        return Message{QStringLiteral("No output type is chosen. Choose one in \"To:\", then "
                                      "convert again."),
                       Desktop::Icon::Warning};
    }
    const QString shown = QDir::toNativeSeparators(outputFolder);
    if (!QFileInfo(outputFolder).isDir() && !QDir().mkpath(outputFolder)) {
        return Message{QStringLiteral("The output folder %1 does not exist and cannot be "
                                      "created. Choose another one in Options.")
                           .arg(shown),
                       Desktop::Icon::Critical};
    }
    if (!isWritableFolder(outputFolder)) {
        return Message{QStringLiteral("The output folder %1 cannot be written to. Choose "
                                      "another one in Options.")
                           .arg(shown),
                       Desktop::Icon::Critical};
    }
    return std::nullopt;
}

bool RunMessages::isWritableFolder(const QString &folder)
{
    // Permission bits do not tell (a read-only mount, an administrator's rights): a file
    // actually made there does.
    QTemporaryFile probe(folder + QStringLiteral("/.klevar-write-XXXXXX"));
    return probe.open();
}

RunMessages::Message RunMessages::completion(int failed, int tried, const QString &failureHint)
{
    const QString done = QStringLiteral("Conversion completed!");
    if (failed <= 0)
        return {done, Desktop::Icon::Information};
    const QString count = (tried == 1 ? QStringLiteral("%1 of %2 file failed.")
                                      : QStringLiteral("%1 of %2 files failed."))
                              .arg(failed)
                              .arg(tried);
    return {done + QStringLiteral("\n\n") + count + QLatin1Char(' ') + failureHint,
            Desktop::Icon::Warning};
}

QString RunMessages::windowFailureHint()
{
    return QStringLiteral("To see why, right-click a failed row and choose \"%1\", or rest "
                          "the pointer on the row.")
        .arg(FailureReasonBox::menuCaption());
}

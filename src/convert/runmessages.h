// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/desktop.h"

#include <QString>

#include <optional>

// What a conversion run tells the user before it starts and when it ends, apart from the
// run itself: a run that cannot succeed is refused in one message before anything starts,
// and the end box does not call a run with failed rows a plain success.
class RunMessages
{
public:
    struct Message
    {
        QString text;
        Desktop::Icon icon;
    };

    // Why a run with this chooser caption and output folder would fail on every row, or
    // nothing when it can start. A missing output folder is created here, as the run
    // would need it; it is refused only when it cannot be created or written.
    static std::optional<Message> startRefusal(const QString &profileCaption,
                                               const QString &outputFolder);
    // The end box of a run that tried `tried` rows of which `failed` failed; the hint
    // says where to read why.
    static Message completion(int failed, int tried, const QString &failureHint);

    // Where the window shows why a row failed.
    static QString windowFailureHint();

private:
    static bool isWritableFolder(const QString &folder);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/argumentreader.h"

#include <QTextStream>
#include <gtest/gtest.h>

TEST(ArgumentReader, OptionsValuesPlainArgumentsAndMistakes)
{
    struct Case
    {
        QStringList arguments;
        QString error; // the start of the reason; empty when the arguments can be used
        QStringList plain;
        QString output; // the value of --output
    };
    const QList<Case> cases = {
        {{"a.avi", "--output", "/o", "b c.avi"}, "", {"a.avi", "b c.avi"}, "/o"},
        {{"--output", "/one", "--output", "/two"}, "", {}, "/two"},
        // A value may begin with "-"; after "--" everything is plain, "--" too.
        {{"--output", "-dir", "--", "-x.avi", "--output", "--"},
         "",
         {"-x.avi", "--output", "--"},
         "-dir"},
        {{"a.avi", "-x.avi"}, "unknown option -x.avi", {}, ""},
        {{"--fast"}, "unknown option --fast", {}, ""},
        {{"a.avi", "--output"}, "--output needs a value", {}, ""},
    };
    for (const Case &c : cases) {
        const ArgumentReader reader(c.arguments, {"--output"});
        const std::string context = c.arguments.join(' ').toStdString();
        if (c.error.isEmpty()) {
            EXPECT_EQ(reader.error(), QString()) << context;
            EXPECT_EQ(reader.plain(), c.plain) << context;
            EXPECT_EQ(reader.value("--output"), c.output) << context;
            EXPECT_EQ(reader.has("--output"), !c.output.isEmpty()) << context;
        } else {
            EXPECT_TRUE(reader.error().startsWith(c.error)) << reader.error().toStdString();
        }
    }

    QString said;
    QTextStream err(&said);
    EXPECT_EQ(ArgumentReader::refuse(err, "--probe needs at least one file"), 2);
    EXPECT_EQ(said, "klevar: --probe needs at least one file\n");
}

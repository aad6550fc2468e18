#include "common/fakedesktop.h"
#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "convert/conversionrun.h"
#include "media/conversionlist.h"
#include "profiles/optionnames.h"
#include "profiles/optionset.h"
#include "profiles/profileoptions.h"
#include "profiles/profileselection.h"
#include "settings/settings.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A fixed part of the shipped catalogue: every eleventh type and the first of each
// extension, so each container and codec family is met. bench/catalogue-sweep runs all.
TEST(CatalogueConversion, TypesConvertAClipWithTheirDefaults)
{
    ProgramFolder program;
    QTemporaryDir media, out;
    FakeDesktop::current().reset();
    Settings::write(Settings::OutputFolderKey, out.path());
    const QString clip = media.filePath("clip.avi");
    MediaFixtures::Clip c;
    c.seconds = 2;
    ASSERT_TRUE(MediaFixtures::make(clip, c));

    OptionSet options;
    ProfileOptions::prolist(options);
    ProfileSelection selection(&options);
    ASSERT_TRUE(selection.open());
    QList<int> chosen;
    QSet<QString> extensions;
    int types = 0;
    for (int i = 0; i < selection.count(); ++i) {
        const ProfileEntry &entry = selection.entries()[i];
        if (!entry.isType())
            continue;
        const QString extension = entry.text.section('(', -1);
        if (types++ % 11 == 0 || !extensions.contains(extension))
            chosen << i + 1;
        extensions << extension;
    }
    ASSERT_GT(chosen.size(), 10);

    for (int position : chosen) {
        selection.choose(position);
        const QString caption = selection.selectedCaption();
        ConversionList list;
        const int row = list.addItem(clip);
        list.setText(row, ConversionList::Start, "0:00:00");
        list.setText(row, ConversionList::End, "0:00:02");
        ConversionRun run(&list, &options, [caption] { return caption; });
        QString output;
        QObject::connect(&run, &ConversionRun::rowFinished,
                         [&](int, const QString &, const QString &path) { output = path; });
        QSignalSpy ended(&run, &ConversionRun::finished);
        run.start();
        ASSERT_TRUE(ended.wait(60000)) << caption.toStdString();
        EXPECT_EQ(list.text(row, ConversionList::Status), "OK")
            << caption.toStdString() << ": " << list.toolTip(row).toStdString();
        // Reading back means finding the streams; some containers (SWF) keep no length,
        // and a picture format (GIF) no sound.
        const bool video = MediaFixtures::hasStream(output, "video");
        const bool audio = MediaFixtures::hasStream(output, "audio");
        const bool audioOnly = options.value(OptionNames::VideoOptions, OptionNames::VideoCodec)
                               == OptionNames::NotAvailable;
        EXPECT_EQ(video, !audioOnly) << caption.toStdString();
        EXPECT_TRUE(audio || !audioOnly) << caption.toStdString();
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/desktopnotifier.h"

#include "common/childprogram.h"
#include "common/realdesktop.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QVariantMap>
#include <gtest/gtest.h>

namespace {
// A notification service of the test's own: it records every call it is given.
class RecordingService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Call
    {
        QString app, icon, summary, body;
        QStringList actions;
        QVariantMap hints;
        int timeout = 0;
    };

    QStringList capabilities = {"body", "actions"};
    bool answer = true; // false: never answers, as a hung service
    QList<Call> calls;

public Q_SLOTS:
    QStringList GetCapabilities() { return capabilities; }
    uint Notify(const QString &app, uint, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints,
                int timeout)
    {
        calls.append({app, icon, summary, body, actions, hints, timeout});
        if (!answer)
            setDelayedReply(true);
        return uint(calls.size());
    }
};

// A session bus of the test's own, with no service on it until one is added.
class NotifierTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        ASSERT_FALSE(daemon.isEmpty()) << "dbus-daemon is not installed";
        ASSERT_TRUE(m_dir.isValid());
        const QString socket = m_dir.filePath("bus");
        QFile config(m_dir.filePath("session.conf"));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
                     "1.0//EN\" \"http://www.freedesktop.org/standards/dbus/1.0/"
                     "busconfig.dtd\">\n<busconfig><type>session</type><listen>unix:path=" +
                     socket.toUtf8() +
                     "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                     "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                     "<allow own=\"*\"/></policy></busconfig>\n");
        config.close();
        m_daemon.setQuitKey({});
        m_daemon.setOutput(ChildProgram::Output::Discarded);
        ASSERT_TRUE(m_daemon.start(
            daemon, {"--config-file=" + config.fileName(), "--nofork", "--nopidfile"}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(socket); }, 10000));
        m_address = "unix:path=" + socket;
        m_client = connect("notifier");
        ASSERT_TRUE(m_client.isConnected()) << m_client.lastError().message().toStdString();
    }
    void TearDown() override
    {
        for (const QString &name : m_names)
            QDBusConnection::disconnectFromBus(name);
        m_daemon.stopNow(0);
    }
    QDBusConnection connect(const QString &name)
    {
        m_names << name;
        return QDBusConnection::connectToBus(m_address, name);
    }
    void addService(RecordingService &service)
    {
        QDBusConnection bus = connect("service");
        ASSERT_TRUE(bus.registerObject("/org/freedesktop/Notifications", &service,
                                       QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(bus.registerService("org.freedesktop.Notifications"));
    }
    // Sends and waits for the notifier's word; how long it took.
    qint64 notify(DesktopNotifier &notifier, const QString &body, bool expectShown)
    {
        QSignalSpy done(&notifier, &DesktopNotifier::done);
        QElapsedTimer clock;
        clock.start();
        notifier.notify("Conversion completed!", body);
        EXPECT_TRUE(done.count() == 1 || done.wait(10000));
        EXPECT_EQ(done.count(), 1);
        if (!done.isEmpty()) {
            EXPECT_EQ(done.first().first().toBool(), expectShown);
        }
        return clock.elapsed();
    }

    QTemporaryDir m_dir;
    ChildProgram m_daemon;
    QString m_address;
    QStringList m_names;
    QDBusConnection m_client{QString()};
};

TEST_F(NotifierTest, TheServiceGetsTheSummaryTheBodyAndTheProgramsIcon)
{
    RecordingService service;
    addService(service);
    DesktopNotifier notifier(m_client);
    const QString body = "2 files converted, 1 failed.\n/home/me/Videos/Tom & <Jerry>";
    notify(notifier, body, true);

    ASSERT_EQ(service.calls.size(), 1);
    const RecordingService::Call &call = service.calls.first();
    EXPECT_EQ(call.app, "Klevar");
    EXPECT_EQ(call.icon, "klevar");
    EXPECT_EQ(call.summary, "Conversion completed!");
    // A service that shows bodies as plain text gets the text unchanged.
    EXPECT_EQ(call.body, body);
    EXPECT_TRUE(call.actions.isEmpty());
    EXPECT_EQ(call.timeout, -1);
    EXPECT_EQ(call.hints.value("desktop-entry").toString(), "klevar");
    // The icon's pixels travel along: 48 x 48 RGBA, not all transparent.
    const QDBusArgument image = call.hints.value("image-data").value<QDBusArgument>();
    int width = 0, height = 0, stride = 0, bits = 0, channels = 0;
    bool alpha = false;
    QByteArray pixels;
    image.beginStructure();
    image >> width >> height >> stride >> alpha >> bits >> channels >> pixels;
    image.endStructure();
    EXPECT_EQ(QList<int>({width, height, stride, alpha, bits, channels, int(pixels.size())}),
              QList<int>({48, 48, 48 * 4, 1, 8, 4, 48 * 48 * 4}));
    EXPECT_LT(pixels.count('\0'), pixels.size());

    // A service that reads markup in bodies gets the text escaped, to show as it is.
    service.capabilities << "body-markup";
    notify(notifier, "1 file converted, 0 failed.\n/srv/a & b/<c>", true);
    ASSERT_EQ(service.calls.size(), 2);
    EXPECT_EQ(service.calls[1].body, "1 file converted, 0 failed.\n/srv/a &amp; b/&lt;c&gt;");
}

TEST_F(NotifierTest, TheProgramsDesktopUsesTheSessionBusItIsGiven)
{
    RecordingService service;
    addService(service);
    // The only use of the session bus in this program: it is made from this address.
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toUtf8());
    RealDesktop desktop;
    desktop.notify("Conversion completed!", "1 file converted, 0 failed.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.calls.isEmpty(); }, 10000));
    EXPECT_EQ(service.calls.first().summary, "Conversion completed!");
    EXPECT_EQ(service.calls.first().body, "1 file converted, 0 failed.");
}

TEST_F(NotifierTest, NothingAndNoWaitWithoutAServiceOrWithoutABus)
{
    // The bus runs but nobody serves notifications.
    DesktopNotifier onBus(m_client);
    EXPECT_LT(notify(onBus, "body", false), 2000);

    // No bus at all: the address leads nowhere.
    const QDBusConnection none =
        QDBusConnection::connectToBus("unix:path=" + m_dir.filePath("nothing"), "none");
    m_names << "none";
    ASSERT_FALSE(none.isConnected());
    DesktopNotifier offBus(none);
    EXPECT_LT(notify(offBus, "body", false), 500);
}

TEST_F(NotifierTest, AServiceThatNeverAnswersIsGivenUpOnAfterTheTimeout)
{
    RecordingService service;
    service.answer = false;
    addService(service);
    DesktopNotifier notifier(m_client);
    notifier.setTimeout(300);
    const qint64 took = notify(notifier, "body", false);
    EXPECT_EQ(service.calls.size(), 1);
    EXPECT_GE(took, 250);
    EXPECT_LT(took, 3000);
}
} // namespace

#include "desktopnotifier_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/desktopnotifier.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QImage>
#include <QStringList>
#include <QVariantMap>

namespace {
const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
constexpr int IconSize = 48;

// The notification's picture as raw pixels (the "image-data" hint): the program's own
// icon shows even where no icon theme holds it, as when run from the build folder.
struct ImageData
{
    int width = 0;
    int height = 0;
    int rowStride = 0;
    bool hasAlpha = true;
    int bitsPerSample = 8;
    int channels = 4;
    QByteArray pixels;
};

QDBusArgument &operator<<(QDBusArgument &argument, const ImageData &image)
{
    argument.beginStructure();
    argument << image.width << image.height << image.rowStride << image.hasAlpha
             << image.bitsPerSample << image.channels << image.pixels;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ImageData &image)
{
    argument.beginStructure();
    argument >> image.width >> image.height >> image.rowStride >> image.hasAlpha >>
        image.bitsPerSample >> image.channels >> image.pixels;
    argument.endStructure();
    return argument;
}
} // namespace

Q_DECLARE_METATYPE(ImageData)

namespace {
QVariant iconPixels()
{
    const QImage icon =
        QImage(QStringLiteral(":/pictures/klevar.png"))
            .scaled(IconSize, IconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGBA8888);
    if (icon.isNull())
        return {};
    ImageData image;
    image.width = icon.width();
    image.height = icon.height();
    image.rowStride = int(icon.bytesPerLine());
    image.pixels =
        QByteArray(reinterpret_cast<const char *>(icon.constBits()), qsizetype(icon.sizeInBytes()));
    return QVariant::fromValue(image);
}
} // namespace

DesktopNotifier::DesktopNotifier(QObject *parent)
    : DesktopNotifier(QDBusConnection::sessionBus(), parent)
{
}

DesktopNotifier::DesktopNotifier(const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_bus(bus)
{
    qDBusRegisterMetaType<ImageData>();
}

QString DesktopNotifier::iconName()
{
    return QStringLiteral("klevar");
}

void DesktopNotifier::notify(const QString &summary, const QString &body)
{
    if (!m_bus.isConnected()) {
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT done(false); }, Qt::QueuedConnection);
        return;
    }
    // Whether the service reads markup decides how the body is written.
    watch(
        QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("GetCapabilities")),
        [this, summary, body](QDBusPendingCallWatcher *watcher) {
            capabilitiesAnswered(watcher, summary, body);
        });
}

void DesktopNotifier::capabilitiesAnswered(QDBusPendingCallWatcher *watcher, const QString &summary,
                                           const QString &body)
{
    const QDBusPendingReply<QStringList> capabilities = *watcher;
    if (capabilities.isError()) {
        Q_EMIT done(false);
        return;
    }
    const bool markup = capabilities.value().contains(QStringLiteral("body-markup"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), iconName());
    if (const QVariant pixels = iconPixels(); pixels.isValid())
        hints.insert(QStringLiteral("image-data"), pixels);
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
    call << QStringLiteral("Klevar") << 0u << iconName() << summary
         << (markup ? body.toHtmlEscaped() : body) << QStringList() << hints << -1;
    watch(call, [this](QDBusPendingCallWatcher *answer) {
        Q_EMIT done(!QDBusPendingReply<uint>(*answer).isError());
    });
}

void DesktopNotifier::watch(const QDBusMessage &call,
                            std::function<void(QDBusPendingCallWatcher *)> answered)
{
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, m_timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [watcher, answered = std::move(answered)] {
                answered(watcher);
                watcher->deleteLater();
            });
}

#pragma once

#include <QString>

#include <stdexcept>

// The error the picture loader raises for a file it cannot load: number 999 from
// "GDI+ Module", the description naming the file. The caller decides what to do.
class PictureLoadError : public std::runtime_error
{
public:
    explicit PictureLoadError(const QString &fileName)
        : std::runtime_error(("Error loading picture " + fileName).toStdString()),
          m_description(QStringLiteral("Error loading picture ") + fileName)
    {
    }

    int number() const { return 999; }
    QString source() const { return QStringLiteral("GDI+ Module"); }
    QString description() const { return m_description; }

private:
    QString m_description;
};

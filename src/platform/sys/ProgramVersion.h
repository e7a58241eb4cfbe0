#pragma once

#include "Version.h"

#include <QString>

namespace sys {

// The executable's file version, fixed when the program is built.
struct FileVersion
{
    int major = 0;
    int minor = 0;
    int release = 0;
    int build = 0;

    // "8.2.0.5"
    QString text() const
    {
        return QStringLiteral("%1.%2.%3.%4").arg(major).arg(minor).arg(release).arg(build);
    }
};

constexpr FileVersion programVersion()
{
    return FileVersion{version::major, version::minor, version::release, version::build};
}

} // namespace sys

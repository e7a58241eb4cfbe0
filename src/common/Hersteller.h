#pragma once

#include <QString>

// The maker's addresses, shown in the about box and used for error reports.
namespace hersteller {

inline const QString Name = QStringLiteral("Kandrel Software GmbH");
inline const QString Internet = QStringLiteral("https://www.kandrel-razazu.de");
inline const QString EMail = QStringLiteral("hotline@kandrel-razazu.de");

} // namespace hersteller

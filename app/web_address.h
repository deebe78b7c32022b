// The maker's home page: the target of "Visit Brennhall Online", the end of its hint, and the download
// address that the help text gives.
#pragma once

#include <QString>

inline const QString BrennhallWebAddress = QStringLiteral("https://www.brennhall.com/");
inline const QString WebLinkHint = QStringLiteral("Click here to visit ") + BrennhallWebAddress;

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How to reach the people behind Lumenary. All of it is made up for the
// program: the domain is reserved for examples and the number is fictional.
namespace lumenary::ProjectContact {

inline const QString Address = QStringLiteral("The Lumenary Project, P.O. Box 0142, Exampleton, OH  45999");
inline const QString Phone = QStringLiteral("(555) 555-0142");
inline const QString Email = QStringLiteral("developers@lumenary.example.org");
inline const QString AdvertisingEmail = QStringLiteral("advertising@lumenary.example.org");
inline const QString CorrectionsEmail = QStringLiteral("corrections@lumenary.example.org");
inline const QString WebSite = QStringLiteral("www.lumenary.example.org");

} // namespace lumenary::ProjectContact

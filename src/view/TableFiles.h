// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

namespace lumenary {

class Prompter;

// Asks where to save, in a file dialog of the window's own (named, so that
// it can be found and answered like any control), then saves there. `save`
// returns an empty text on success, else what went wrong, which the user is
// told.
void AskWhereToSave(QWidget& window, Prompter& prompter, const QString& dialogName, const QString& title,
                    const QString& nameFilter, const QString& suffix, std::function<QString(const QString&)> save);

// Writes a table as CSV: UTF-8, a header line, cells quoted as RFC 4180 has
// it. The file appears whole or not at all; returns what went wrong, or an
// empty text.
QString WriteCsvFile(const QString& path, const QStringList& header, const std::vector<QStringList>& rows);

} // namespace lumenary

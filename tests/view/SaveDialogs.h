// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The View windows' save dialogs answered as a user would, and the CSV
// files they write read back.

#include "AppFixture.h"
#include "CsvReader.h"

#include <QFileDialog>

#include <fstream>

namespace lumenary::test {

// Presses the button, then names the file in the dialog it opens.
inline void SaveThrough(const QString& window, const QString& button, const QString& dialogName,
                        const QString& file)
{
    AppFixture::Click(window, button);
    auto* dialog = AppFixture::Window(window)->findChild<QFileDialog*>(dialogName);
    QVERIFY2(dialog && dialog->isVisible(), qPrintable(dialogName));
    dialog->selectFile(file);
    QMetaObject::invokeMethod(dialog, "accept"); // as the Save button does
}

// Every line of a CSV file, the header first, an empty cell as empty text.
inline std::vector<QStringList> CsvLines(const QString& file)
{
    std::ifstream in(file.toStdString(), std::ios::binary);
    std::vector<QStringList> lines;
    for (const auto& record : ReadCsv(in, file.toStdString())) {
        QStringList cells;
        for (const auto& cell : record.cells)
            cells << QString::fromStdString(cell.value_or(""));
        lines.push_back(cells);
    }
    return lines;
}

} // namespace lumenary::test

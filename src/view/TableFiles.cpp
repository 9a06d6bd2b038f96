// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableFiles.h"

#include "CsvReader.h"
#include "Prompter.h"

#include <QFileDialog>
#include <QSaveFile>

namespace lumenary {

namespace {

QByteArray CsvLine(const QStringList& cells)
{
    QByteArray line;
    for (const QString& cell : cells) {
        if (!line.isEmpty())
            line += ',';
        line += QByteArray::fromStdString(CsvCell(cell.toStdString()));
    }
    return line + "\r\n";
}

} // namespace

void AskWhereToSave(QWidget& window, Prompter& prompter, const QString& dialogName, const QString& title,
                    const QString& nameFilter, const QString& suffix, std::function<QString(const QString&)> save)
{
    auto* dialog = new QFileDialog(&window, title, QString(), nameFilter);
    dialog->setObjectName(dialogName);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(suffix);
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(dialog, &QFileDialog::fileSelected, &window, [&prompter, title, save = std::move(save)](const QString& path) {
        const QString failure = save(path);
        if (!failure.isEmpty())
            prompter.Information(failure.toStdString(), title.toStdString());
    });
    dialog->open();
}

QString WriteCsvFile(const QString& path, const QStringList& header, const std::vector<QStringList>& rows)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(CsvLine(header));
        for (const QStringList& row : rows)
            file.write(CsvLine(row));
        if (file.commit())
            return {};
    }
    return QStringLiteral("\"%1\" could not be saved: %2. Nothing was written.").arg(path, file.errorString());
}

} // namespace lumenary

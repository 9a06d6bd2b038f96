// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxPrompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace lumenary {

namespace {

// Messages sit over the window the user is working in; none when that window
// is already on its way out.
QWidget* MessageParent()
{
    QWidget* active = QApplication::activeWindow();
    return active && active->isVisible() ? active : nullptr;
}

} // namespace

void MessageBoxPrompter::Information(const std::string& text, const std::string& title)
{
    QMessageBox box(QMessageBox::Information, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, MessageParent());
    box.exec();
}

bool MessageBoxPrompter::Question(const std::string& text, const std::string& title)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, MessageParent());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> MessageBoxPrompter::TypedLine(const std::string& text, const std::string& title,
                                                         const std::string& line)
{
    QInputDialog dialog(MessageParent());
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QString::fromStdString(text));
    dialog.setTextValue(QString::fromStdString(line));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

} // namespace lumenary

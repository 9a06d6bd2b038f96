// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferWindow.h"

#include "Session.h"
#include "WindowRegistry.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lumenary {

TransferWindow::TransferWindow(const QString& objectName, const QString& title, Session& session,
                               Prompter& prompter, WindowRegistry& windows)
    : LumenaryWindow(objectName, title), session_(session), prompter_(prompter), windows_(windows)
{
    setCentralWidget(new QWidget(this));
}

QuestionDatabase& TransferWindow::Database() const
{
    return *session_.QuestionDatabase;
}

QHBoxLayout* TransferWindow::MakeFileRow()
{
    auto* label = new QLabel(QStringLiteral("&File:"), centralWidget());
    label->setObjectName(QStringLiteral("LblFile"));
    fileEdit_ = new QLineEdit(centralWidget());
    fileEdit_->setObjectName(QStringLiteral("TxtFile"));
    label->setBuddy(fileEdit_);
    auto* browse = new QPushButton(QStringLiteral("&Browse\u2026"), centralWidget());
    browse->setObjectName(QStringLiteral("CmdBrowse"));
    connect(browse, &QPushButton::clicked, this, [this] { Browse(); });
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(fileEdit_, 1);
    row->addWidget(browse);
    return row;
}

QString TransferWindow::ChosenFileText() const
{
    QString typed = fileEdit_->text().trimmed();
    if (typed.startsWith(QStringLiteral("~/")))
        typed.remove(0, 2);
    return typed.isEmpty() ? typed : QDir::cleanPath(QDir::home().absoluteFilePath(typed));
}

std::filesystem::path TransferWindow::ChosenFile() const
{
    return QFile::encodeName(ChosenFileText()).toStdString();
}

QLabel& TransferWindow::MakeStatus()
{
    status_ = new QLabel(centralWidget());
    status_->setObjectName(QStringLiteral("LblStatus"));
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for two lines, so a message does not move the buttons below it.
    status_->setMinimumHeight(2 * status_->fontMetrics().lineSpacing());
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return *status_;
}

void TransferWindow::ShowStatus(const QString& text, bool failed)
{
    ShowAsRefusal(*status_, failed);
    status_->setText(text);
}

void TransferWindow::ShowAsRefusal(QLabel& label, bool refusal) const
{
    QPalette colours = label.palette();
    colours.setColor(QPalette::WindowText, refusal ? QColor(0xb0, 0x00, 0x20) : palette().color(QPalette::WindowText));
    label.setPalette(colours);
}

QHBoxLayout* TransferWindow::MakeButtonRow(QPushButton* action)
{
    auto* close = new QPushButton(QStringLiteral("&Close"), centralWidget());
    close->setObjectName(QStringLiteral("CmdClose"));
    connect(close, &QPushButton::clicked, this, [this] { Unload(); });
    SetDefaultButton(action);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(action);
    row->addWidget(close);
    return row;
}

void TransferWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    Unload();
}

void TransferWindow::EscapePressed()
{
    Unload();
}

void TransferWindow::Unload()
{
    windows_.Unload(this);
}

} // namespace lumenary

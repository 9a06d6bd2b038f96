// SPDX-License-Identifier: GPL-3.0-or-later
#include "GreekWordList.h"

#include "FontResolver.h"
#include "FontRoles.h"
#include "GreekKeystrokes.h"
#include "WindowRegistry.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>

namespace lumenary {

namespace {

constexpr int VerbsPerColumn = 11;

} // namespace

GreekWordList::GreekWordList(const QString& objectName, const QString& title,
                             std::span<const catalogue::ListedVerb> verbs, WindowRegistry& windows)
    : LumenaryWindow(objectName, title), windows_(windows)
{
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(20, 16, 20, 16);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    const QFont numberFont = ResolveFont(EnglishFontRole, 10, true);
    const QFont greekFont = ResolveFont(GreekFontRole, 14);
    for (std::size_t place = 0; place < verbs.size(); ++place) {
        const auto& verb = verbs[place];
        const int row = static_cast<int>(place) % VerbsPerColumn;
        const int column = static_cast<int>(place) / VerbsPerColumn * 3; // number, word, gap

        auto* number = new QLabel(QString::number(verb.number), central);
        number->setObjectName(QStringLiteral("Lbl1(%1)").arg(verb.number));
        number->setFont(numberFont);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(number, row, column);

        auto* word = new QLabel(GreekFromKeystrokes(verb.keystrokes), central);
        word->setObjectName(QStringLiteral("LblGrk(%1)").arg(verb.number));
        word->setFont(greekFont);
        grid->addWidget(word, row, column + 1);

        if (row == 0 && place > 0)
            grid->setColumnMinimumWidth(column - 1, 24);
    }
    grid->setRowStretch(VerbsPerColumn, 1);
    setCentralWidget(central);
}

void GreekWordList::closeEvent(QCloseEvent* event)
{
    event->accept();
    windows_.Unload(this);
}

FrmGrkEPP::FrmGrkEPP(WindowRegistry& windows)
    : GreekWordList(QStringLiteral("FrmGrkEPP"), QStringLiteral("Carrow Greek Elem. Principal Parts"),
                    catalogue::ElementaryVerbs(), windows)
{
}

FrmGrkIPP::FrmGrkIPP(WindowRegistry& windows)
    : GreekWordList(QStringLiteral("FrmGrkIPP"), QStringLiteral("Carrow Greek Irregular Principal Parts"),
                    catalogue::IrregularVerbs(), windows)
{
}

} // namespace lumenary

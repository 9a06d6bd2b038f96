// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModuleOptionWindow.h"

#include "QuizContext.h"
#include "QuizHost.h"
#include "SubjectCatalogue.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace lumenary {

namespace {

const catalogue::OptionWindow& ListFor(const QString& windowName)
{
    const auto* list = catalogue::FindOptionWindow(windowName.toStdString());
    if (!list)
        throw std::logic_error("no module options for " + windowName.toStdString());
    return *list;
}

} // namespace

ModuleOptionWindow::ModuleOptionWindow(const Design& design, QuizContext& context)
    : SelectionWindow({design.objectName, design.title, QStringLiteral("LblInstructions"),
                       QStringLiteral("Select the unit you wish to quiz"), {0, 1, 2}, QStringLiteral("FrameOrder"),
                       {QStringLiteral("Part A to Part B"), QStringLiteral("Part B to Part A")}, design.initialOrder},
                      context),
      list_(ListFor(design.objectName))
{
    // The options form one group apart from the two frames' groups.
    auto* optionArea = new QWidget(centralWidget());
    auto* optionGrid = new QGridLayout(optionArea);
    optionGrid->setContentsMargins(0, 0, 0, 0);
    optionGrid->setVerticalSpacing(10);
    optionGrid->setHorizontalSpacing(28);
    const int count = static_cast<int>(list_.options.size());
    const int columnLength = (count + design.columns - 1) / design.columns;
    int place = 0;
    for (const auto& choice : list_.options) {
        const QString caption = QString::fromUtf8(choice.caption.data(), static_cast<qsizetype>(choice.caption.size()));
        auto* option = new QRadioButton(caption, optionArea);
        option->setObjectName(QStringLiteral("Option(%1)").arg(choice.index));
        option->setEnabled(choice.enabled);
        optionGrid->addWidget(option, place % columnLength, place / columnLength);
        options_[choice.index] = option;
        ++place;
    }
    Option(design.initialOption)->setChecked(true);

    auto* frames = design.framesBeside ? static_cast<QBoxLayout*>(new QVBoxLayout) : new QHBoxLayout;
    frames->addWidget(&QuizFrame(), 0, Qt::AlignTop);
    frames->addWidget(&OrderFrame(), 0, Qt::AlignTop);
    frames->addStretch();

    auto* middle = design.framesBeside ? static_cast<QBoxLayout*>(new QHBoxLayout) : new QVBoxLayout;
    middle->setSpacing(18);
    middle->addWidget(optionArea, 0, Qt::AlignTop | Qt::AlignLeft);
    middle->addLayout(frames);

    auto* ok = new QHBoxLayout;
    ok->addStretch();
    ok->addWidget(&OkButton());
    ok->addStretch();

    auto* layout = new QVBoxLayout(centralWidget());
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(14);
    layout->addWidget(&Instruction());
    layout->addLayout(middle, 1);
    layout->addLayout(ok);
}

QRadioButton* ModuleOptionWindow::Option(int index) const
{
    const auto found = options_.find(index);
    return found == options_.end() ? nullptr : found->second;
}

std::string ModuleOptionWindow::BuildFilter()
{
    for (const auto& [index, option] : options_)
        if (option->isChecked())
            return catalogue::OptionFilter(list_.Option(index));
    throw std::logic_error(objectName().toStdString() + " has no module option selected");
}

std::string ModuleOptionWindow::DescribeSelection() const
{
    for (const auto& [index, option] : options_)
        if (option->isChecked())
            return option->text().remove(QLatin1Char('&')).toStdString();
    return SelectionWindow::DescribeSelection();
}

void ModuleOptionWindow::Form_Unload()
{
    Context().host.ShowMainWindow();
}

} // namespace lumenary

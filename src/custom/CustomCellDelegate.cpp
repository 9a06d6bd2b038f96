// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomCellDelegate.h"

#include "ScriptFont.h"
#include "KeystrokeTyping.h"

#include <QLineEdit>

#include <utility>

namespace lumenary {

namespace {

// The line takes the font and direction of what it holds, as the cell will show it.
void FollowScript(QLineEdit& line, const QFont& plain)
{
    line.setFont(FontForText(line.text(), plain));
    line.setAlignment(ReadsRightToLeft(line.text()) ? Qt::AlignRight : Qt::AlignLeft);
}

} // namespace

CustomCellDelegate::CustomCellDelegate(std::function<bool()> keystrokes, QObject* parent)
    : QStyledItemDelegate(parent), keystrokes_(std::move(keystrokes))
{
}

QWidget* CustomCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex&) const
{
    auto* line = new QLineEdit(parent);
    line->setFrame(false);
    line->setObjectName(QStringLiteral("TxtCell"));
    const QFont plain = option.font;
    connect(line, &QLineEdit::textChanged, line, [line, plain] { FollowScript(*line, plain); });
    return line;
}

void CustomCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    QStyledItemDelegate::setEditorData(editor, index);
    auto* line = qobject_cast<QLineEdit*>(editor);
    // Converting starts from the cell's text as it is.
    if (line && !line->findChild<KeystrokeTyping*>())
        new KeystrokeTyping(*line, keystrokes_);
}

} // namespace lumenary

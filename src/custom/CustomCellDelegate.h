// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

#include <functional>

namespace lumenary {

// The editor of a question's cell: typed in the font of its script, right to
// left for Hebrew, and converting Greek keystrokes as they are typed while
// `keystrokes` says so.
class CustomCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    CustomCellDelegate(std::function<bool()> keystrokes, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

private:
    std::function<bool()> keystrokes_;
};

} // namespace lumenary

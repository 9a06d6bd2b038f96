// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace lumenary {

class ModCommonQuiz;
struct Session;

// The main window's line of what is due today (LblDueToday), read afresh
// whenever the window shows.
class DueTodayLabel final : public QLabel {
    Q_OBJECT
public:
    DueTodayLabel(Session& session, const ModCommonQuiz& common, QWidget* parent);

    void Refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Session& session_;
    const ModCommonQuiz& common_;
};

} // namespace lumenary

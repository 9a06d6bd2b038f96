// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QLabel;

namespace lumenary {

struct Session;

// The "Progress Report" frame every quiz window carries.
class ProgressPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ProgressPanel(QWidget* parent = nullptr);

    // "Questions Remaining" and the pool's size, until the first answer.
    void ShowStart(int questionCount);
    // The counters after a judged answer.
    void ShowProgress(const Session& session);
    // Empties the three value labels, as a missed-question review begins.
    void ClearValues();

    QString CorrectCaption() const;
    QString AskedCaption() const;

private:
    QLabel* lblQsCorrect_;
    QLabel* lblQsAsked_;
    QLabel* lblPercentage_;
    QLabel* lblQsRemaining_;
};

} // namespace lumenary

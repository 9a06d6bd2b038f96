// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LanguageWindow.h"

namespace lumenary {

// A selection window over one principal-part list. A tense window starts the
// Greek tense drill; a vocabulary window starts the quiz type chosen, with
// Greek on both sides and the tenses left unticked left out.
class PrincipalPartsWindow : public LanguageWindow {
    Q_OBJECT
public:
    enum class VerbList { Elementary, Irregular };
    enum class Drill { Tenses, Vocabulary };

    PrincipalPartsWindow(const QString& objectName, const QString& title, VerbList list, Drill drill,
                         QuizContext& context);

protected:
    void RecordChoices() override;
    void SetQuizFonts() override;
    void StartQuiz() override;

private:
    void CmdShowGrk_Click();

    VerbList list_;
    Drill drill_;
};

class FrmGreekPPET : public PrincipalPartsWindow {
    Q_OBJECT
public:
    explicit FrmGreekPPET(QuizContext& context);
};

class FrmGreekPPIT : public PrincipalPartsWindow {
    Q_OBJECT
public:
    explicit FrmGreekPPIT(QuizContext& context);
};

class FrmGreekPPEV : public PrincipalPartsWindow {
    Q_OBJECT
public:
    explicit FrmGreekPPEV(QuizContext& context);
};

class FrmGreekPPIV : public PrincipalPartsWindow {
    Q_OBJECT
public:
    explicit FrmGreekPPIV(QuizContext& context);
};

} // namespace lumenary

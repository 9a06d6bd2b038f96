// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmMain.h"

#include "FrmFlashcard.h"
#include "FrmMC.h"
#include "FrmMCGrk.h"
#include "FrmSA.h"
#include "FrmSplash.h"
#include "FrmTF.h"
#include "InformationWindows.h"
#include "ModCommonPreQuiz.h"
#include "PictureWidget.h"
#include "ProgressPanel.h"
#include "Prompter.h"
#include "SelectionWindows.h"
#include "Session.h"
#include "StoreError.h"
#include "Version.h"
#include "WindowRegistry.h"

#include "CustomWindows.h"
#include "DueTodayLabel.h"
#include "TransferWindows.h"
#include "ViewWindows.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace lumenary {

namespace {

constexpr char QuizCannotStartTitle[] = "Quiz Cannot Start";

QLabel* PortraitLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(13);
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

FrmMain::FrmMain(MainWindowServices services)
    : LumenaryWindow(QStringLiteral("FrmMain"), QStringLiteral("Lumenary ") + QLatin1String(ProgramVersion)),
      services_(std::move(services)),
      context_{services_.session, services_.prompter, services_.common, services_.languages, services_.windows, *this},
      flashcard_(context_),
      trueFalse_(context_),
      shortAnswer_(context_),
      multipleChoice_(context_),
      greekTense_(context_)
{
    Form_Load();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("PortraitArea"));
    // Colours by palette: a style sheet would make Qt build its style-sheet
    // machinery before the first window is painted.
    QPalette colours = central->palette();
    colours.setColor(QPalette::Window, QColor(0x4a, 0x4a, 0x4a));
    colours.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
    central->setPalette(colours);
    central->setAutoFillBackground(true);
    auto* portrait = new PictureWidget(QStringLiteral(":/images/portrait.svg"), central);
    portrait->setObjectName(QStringLiteral("PicPortrait"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(portrait, 1);
    layout->addWidget(PortraitLabel("Label1", QStringLiteral("William Tyndale"), central));
    layout->addWidget(PortraitLabel("Label2", QStringLiteral("(c. 1494-1536)"), central));
    layout->addWidget(new DueTodayLabel(services_.session, services_.common, central));
    setCentralWidget(central);

    RegisterWindows();
    BuildMenus();
    services_.windows.onUnloaded = [this] { EndIfNothingIsOpen(); };
    // As tall as the portrait at its own size needs: drawn at any other, it
    // would cost more than the rest of the window to show.
    resize(640, sizeHint().height());
}

void FrmMain::Form_Load()
{
    services_.preQuiz.OpenQuestionDatabase(services_.databaseFile);
}

void FrmMain::RegisterWindows()
{
    auto& windows = services_.windows;
    windows.Register<FrmSplash>([this] { return std::make_unique<FrmSplash>(context_); });
    windows.Register<FrmFlashcard>([this] { return std::make_unique<FrmFlashcard>(flashcard_, context_); });
    windows.Register<FrmTF>([this] { return std::make_unique<FrmTF>(trueFalse_, context_); });
    windows.Register<FrmSA>([this] { return std::make_unique<FrmSA>(shortAnswer_, context_); });
    windows.Register<FrmMC>([this] { return std::make_unique<FrmMC>(multipleChoice_, context_); });
    windows.Register<FrmMCGrk>([this] { return std::make_unique<FrmMCGrk>(greekTense_, context_); });
    RegisterSelectionWindows(windows, context_);
    RegisterViewWindows(windows, context_);
    RegisterCustomWindows(windows, context_);
    RegisterTransferWindows(windows, services_.session, services_.prompter);
    RegisterInformationWindows(windows, services_.databaseFile);
}

void FrmMain::QuizSelected()
{
    EndRunningQuiz(nullptr);
    PreparePool();
}

void FrmMain::EndRunningQuiz(const QuizEngine* reviewing)
{
    // One quiz runs at a time: a quiz begun over another ends that one as its
    // "&End Quiz" would, its misses so far kept, so the new quiz starts in a
    // window of its own design state and no answer reaches the wrong record.
    const WindowRegistry::Handover toNextQuiz(services_.windows);
    for (QuizEngine* engine : Engines())
        if (engine != reviewing)
            engine->CloseQuizWindow();
}

std::array<QuizEngine*, 5> FrmMain::Engines()
{
    return {&flashcard_, &trueFalse_, &shortAnswer_, &multipleChoice_, &greekTense_};
}

void FrmMain::PreparePool()
{
    hide();
    try {
        services_.preQuiz.PrepareQuiz();
    } catch (const StoreError& error) {
        services_.session.PoolReady = false;
        services_.prompter.Information(error.what(), QuizCannotStartTitle);
    }
}

void FrmMain::BeginQuiz()
{
    QuizSelected();
    if (!services_.session.PoolReady) {
        ShowMainWindow();
        return;
    }
    // The codes in the order they are compared; letter case counts.
    const std::pair<const char*, QuizEngine*> engines[] = {
        {"Flashcard", &flashcard_}, {"MC", &multipleChoice_}, {"SA", &shortAnswer_}, {"TF", &trueFalse_}};
    for (const auto& [code, engine] : engines) {
        if (QuizType == QLatin1String(code)) {
            if (engine) {
                engine->StartQuiz();
                return;
            }
            break;
        }
    }
    ShowMainWindow(); // no engine of that type
}

void FrmMain::StartGreekTenseQuiz()
{
    // An empty pool has had its message; nothing is drawn from it.
    if (!services_.session.PoolReady) {
        ShowMainWindow();
        return;
    }
    greekTense_.StartQuiz();
}

void FrmMain::ReviewMissedQuestions(QuizEngine& engine)
{
    services_.session.QuizFilter += "and Correct=0";
    EndRunningQuiz(&engine);
    engine.ClearProgressCaptions();
    PreparePool();
    if (services_.session.PoolReady) {
        engine.RenewPoolCopy();
        engine.StartQuiz();
        return;
    }
    // Nothing to review: the marks could not be kept.
    ShowMainWindow();
    engine.CloseQuizWindow();
}

void FrmMain::MissedQuestionsFlashcard()
{
    ReviewMissedQuestions(flashcard_);
}

void FrmMain::MissedQuestionsSA()
{
    ReviewMissedQuestions(shortAnswer_);
}

void FrmMain::MissedQuestionsTrueFalse()
{
    ReviewMissedQuestions(trueFalse_);
}

void FrmMain::MissedQuestionsMC()
{
    ReviewMissedQuestions(multipleChoice_);
}

void FrmMain::MissedQuestionsMCGreek()
{
    ReviewMissedQuestions(greekTense_);
}

void FrmMain::ShowMainWindow()
{
    closedByUser_ = false;
    show();
    raise();
    activateWindow();
}

void FrmMain::EndProgram()
{
    services_.windows.HideAll();
    hide();
    services_.endProgram();
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
    closedByUser_ = true;
    EndIfNothingIsOpen();
}

void FrmMain::EndIfNothingIsOpen()
{
    if (closedByUser_ && !isVisible() && !services_.windows.AnyVisible())
        EndProgram();
}

} // namespace lumenary

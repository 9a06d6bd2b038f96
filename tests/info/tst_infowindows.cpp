// SPDX-License-Identifier: GPL-3.0-or-later
// The information windows from the menus: one instance each, their titles,
// pictures and fixed texts, how each one is dismissed (unloaded, hidden, or
// kept on screen) by clicks and keys, and a quiz left as it was meanwhile.

#include "AdvertiserRecord.h"
#include "AppFixture.h"
#include "PictureWidget.h"
#include "Session.h"
#include "Version.h"
#include "WindowRegistry.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>

#include <algorithm>

using namespace lumenary;
using lumenary::test::AppFixture;

namespace {

enum class Outcome { Unloaded, Hidden, Stays };

struct InfoWindowCase {
    const char* entry;
    const char* window;
    const char* title; // a pattern the whole title must match
    bool hidesOnClick; // FrmContributors; every other window unloads
};

// Every information window with the menu entry that opens it.
const InfoWindowCase InfoWindows[] = {
    {"MnuAboutAdvertising", "FrmAboutAdvertising", "About Advertising Your Christian Books/Software", false},
    {"MnuDisclaimer", "FrmDisclaimer", "Advertising Disclaimer", false},
    {"MnuDistributingLumenary", "FrmAboutDistribution", "About Distributing Lumenary", false},
    {"MnuUpcomingFeatures", "FrmUpcoming", "Lumenary", false},
    {"MnuTroubleshooting", "FrmTroubleshooting", "Lumenary", false},
    {"MnuContributors", "FrmContributors", "Lumenary Contributors", true},
    {"MnuAbouttheProgrammer", "FrmAboutProgrammer", "About the Programmer", false},
    {"MnuBookMoses", "FrmBookMoses", ".+ 328 pp PB", false},
    {"MnuBookImage", "FrmBookImage", ".+ 350\\+ pp PB", false},
    {"MnuMindOfGod", "FrmMindofGod", ".+ 231 pp  PB", false},
    {"MnuReelStory", "FrmReelStory", ".*\\$16\\.95.*387pp.*", false},
    {"MnuPosterOne", "FrmPosterOne", "The Books of the Bible  --  .+", false},
    {"MnuPosterTwo", "FrmPosterTwo", ".+  --  .+", false},
    {"MnuAboutProgram", "FrmAbout", "About Lumenary", false},
    {"MnuBookstoreOne", "FrmBookstore", "BookStores  --  Tell them you saw their advertisement in Lumenary!", false},
};

std::vector<BankQuestion> NtiBank()
{
    return test::UnitQuestions("NTI", 1, 3);
}

void FinishUnloads()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Every text the window shows a person: its title and its labels.
QStringList ShownTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (const QLabel* label : window->findChildren<QLabel*>())
        texts << label->text();
    for (const QTextBrowser* document : window->findChildren<QTextBrowser*>())
        texts << document->toPlainText();
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestInfoWindows : public QObject {
    Q_OBJECT

private slots:
    // Each entry opens one instance however often it is chosen, modeless,
    // under its title. A book cover or poster opens undistorted at its own
    // shape, with the whole title (where to order) readable below it, and the
    // window may be resized.
    void eachEntryOpensOneInstance_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("pictured");
        for (std::size_t index = 0; index < std::size(InfoWindows); ++index) { // 7 to 12: covers and posters
            const auto& info = InfoWindows[index];
            QTest::newRow(info.window) << info.entry << info.window << info.title << (index >= 7 && index <= 12);
        }
    }

    void eachEntryOpensOneInstance()
    {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(bool, pictured);
        AppFixture fixture(NtiBank());
        QVERIFY(fixture.Start());
        fixture.Choose(entry);
        QWidget* first = AppFixture::Window(window);
        QVERIFY(first);
        fixture.Choose(entry);
        QCOMPARE(AppFixture::Window(window), first);
        QCOMPARE(std::ranges::count_if(QApplication::topLevelWidgets(),
                                       [&](const QWidget* widget) { return widget->objectName() == window; }),
                 1); // hidden ones too
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(title)).match(first->windowTitle()).hasMatch(),
                 qPrintable(first->windowTitle()));
        // Modeless: the main window is still there to use.
        QVERIFY(!first->isModal());
        QVERIFY(fixture.app.MainWindow().isVisible());
        AppFixture::Snapshot(first, window);
        if (!pictured)
            return;
        const auto* picture = first->findChild<PictureWidget*>();
        QVERIFY(picture);
        QVERIFY(first->minimumSize() != first->maximumSize());
        const QSize drawn = picture->sizeHint();
        QVERIFY(std::abs(double(picture->width()) / picture->height() - double(drawn.width()) / drawn.height()) < 0.02);
        const auto* titleLine = first->findChild<QLabel*>("LblTitleLine");
        QVERIFY(titleLine && titleLine->isVisible());
        QCOMPARE(titleLine->text(), first->windowTitle());
        QVERIFY(titleLine->height() >= titleLine->heightForWidth(titleLine->width()));
        // The picture is drawn: more than a few colours across its middle.
        const QImage grabbed = first->grab().toImage();
        QSet<QRgb> colours;
        for (int x = 0; x < grabbed.width(); x += 4)
            colours.insert(grabbed.pixel(x, grabbed.height() / 2));
        QVERIFY2(colours.size() > 8, qPrintable(QString::number(colours.size())));
    }

    void dismissal_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("input");
        QTest::addColumn<Outcome>("outcome");
        const std::pair<const char*, bool> inputs[] = {
            // input, whether it is a character key or a click that dismisses
            {"click surface", true}, {"double-click surface", true}, {"click label", false},
            {"key Escape", true},    {"key Return", true},           {"key a", true},
            {"key Backspace", true}, {"key F1", false},              {"close box", true},
        };
        // One window of each kind: the rest share its frame.
        const QStringList kinds{"FrmAboutAdvertising", "FrmContributors", "FrmBookMoses", "FrmTroubleshooting",
                                "FrmBookstore"};
        for (const auto& info : InfoWindows)
            for (const auto& [input, dismisses] : inputs) {
                if (!kinds.contains(info.window))
                    continue;
                const bool key = QString(input).startsWith("key");
                Outcome outcome = Outcome::Stays;
                if (dismisses && !info.hidesOnClick)
                    outcome = Outcome::Unloaded;
                else if (dismisses && !key)
                    outcome = Outcome::Hidden;
                QTest::addRow("%s, %s", info.window, input) << info.entry << info.window << input << outcome;
            }
    }

    void dismissal()
    {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QFETCH(QString, input);
        QFETCH(Outcome, outcome);
        AppFixture fixture(NtiBank());
        QVERIFY(fixture.Start());
        fixture.Choose(entry);
        QPointer<QWidget> shown = AppFixture::Window(window);
        QVERIFY(shown);

        const QString what = input.section(' ', -1);
        if (input.startsWith("key")) {
            AppFixture::PressKey(shown, what);
        } else if (input == "close box") {
            shown->close();
        } else if (what == "label") {
            auto* label = shown->findChild<QLabel*>();
            if (!label)
                QSKIP("this window has no label");
            QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        } else {
            // A corner of the window: its margin, or its picture.
            const QPoint corner(3, 3);
            QVERIFY(!qobject_cast<QLabel*>(shown->childAt(corner)));
            if (input.startsWith("double"))
                QTest::mouseDClick(shown, Qt::LeftButton, {}, corner);
            else
                QTest::mouseClick(shown, Qt::LeftButton, {}, corner);
        }
        FinishUnloads();

        switch (outcome) {
        case Outcome::Unloaded:
            QVERIFY(!shown);
            fixture.Choose(entry);
            QVERIFY(AppFixture::Window(window)); // built afresh
            break;
        case Outcome::Hidden:
            QVERIFY(shown && !shown->isVisible());
            fixture.Choose(entry);
            QCOMPARE(AppFixture::Window(window), shown.data()); // the same instance
            break;
        case Outcome::Stays:
            QVERIFY(shown && shown->isVisible());
            break;
        }
        QCOMPARE(fixture.programEnds, 0);
    }

    // What the windows say: "About Lumenary" the version from the build, the
    // licences and the question database in use; the troubleshooting
    // document, read-only, scrolling with the page keys; each advertiser shown
    // over the one before, every field its own text or its label hidden where
    // the record has no such field, and the same once the directory was
    // closed and built again. Addresses and numbers in every window are made
    // up: web and e-mail addresses under the example domains, telephone
    // numbers 555-01xx.
    void fixedTexts()
    {
        AppFixture fixture(NtiBank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuAboutProgram");
        QCOMPARE(AppFixture::Text("FrmAbout", "LblVersion"), QString("Version ") + ProgramVersion);
        QCOMPARE(AppFixture::Text("FrmAbout", "LblLicence"),
                 QString("Lumenary is free software under the GNU General Public License, version 3 or later "
                         "(GPL-3.0-or-later); its question bank is under Creative Commons Attribution-ShareAlike 4.0 "
                         "(CC-BY-SA-4.0)."));
        QCOMPARE(AppFixture::Find<QLineEdit>("FrmAbout", "TxtDatabase")->text(),
                 QDir::toNativeSeparators(QString::fromStdString(fixture.bank.Path().string())));

        fixture.Choose("MnuTroubleshooting");
        QWidget* troubleshooting = AppFixture::Window("FrmTroubleshooting");
        const auto* document = AppFixture::Find<QTextBrowser>("FrmTroubleshooting", "TxtTroubleshooting");
        QVERIFY(document->isReadOnly());
        for (const char* topic : {"lm50data.db", "Results Not Saved", "lumenary-db check", "boxes"})
            QVERIFY2(document->toPlainText().contains(topic), topic);
        QCOMPARE(document->verticalScrollBar()->value(), 0);
        AppFixture::PressKey(troubleshooting, "PageDown");
        QVERIFY(document->verticalScrollBar()->value() > 0);
        QVERIFY(troubleshooting->isVisible());

        const QString directory = "FrmBookstore";
        const auto expectShown = [&](std::size_t advertiser) {
            const auto& record = Advertisers()[advertiser];
            for (std::size_t field = 0; field < AdvertiserFieldCount; ++field) {
                const auto* label = AppFixture::Find<QLabel>(directory, AdvertiserLabels[field]);
                QCOMPARE(label->isHidden(), record.fields[field] == AdvertiserRecord::Hidden);
                QVERIFY(label->isHidden() || label->text() == QString::fromUtf8(record.fields[field]));
            }
        };
        QStringList texts;
        const QList<QAction*> entries = fixture.app.MainWindow().menuBar()->findChild<QMenu*>("mnuBookstores")->actions();
        std::size_t advertiser = 0;
        for (QAction* entry : entries)
            if (entry->objectName().startsWith("MnuBookstore")) {
                entry->trigger();
                expectShown(advertiser);
                QCOMPARE(entry->text(), AppFixture::Text(directory, "LblStoreName"));
                texts << ShownTexts(AppFixture::Window(directory));
                AppFixture::Snapshot(AppFixture::Window(directory), "bookstore-" + entry->objectName());
                ++advertiser;
            }
        QCOMPARE(advertiser, AdvertiserCount);
        AppFixture::PressKey(AppFixture::Window(directory), "Escape");
        FinishUnloads();
        fixture.Choose("MnuBookstoreThree");
        expectShown(2);

        for (const auto& info : InfoWindows) {
            fixture.Choose(info.entry);
            texts << ShownTexts(AppFixture::Window(info.window));
        }
        const QRegularExpression address(R"(([\w-]+\.)+(com|org|net|edu|info|us)\b)");
        const QRegularExpression phone(R"(\d{3}-\d{4})");
        int addresses = 0;
        int phones = 0;
        for (const QString& text : texts) {
            for (const auto& match : address.globalMatch(text)) {
                ++addresses;
                QVERIFY2(QRegularExpression(R"((^|\.)example\.(com|org|net)$)").match(match.captured()).hasMatch(),
                         qPrintable(match.captured()));
            }
            for (const auto& match : phone.globalMatch(text)) {
                ++phones;
                QVERIFY2(match.captured().startsWith("555-01"), qPrintable(match.captured()));
            }
        }
        QVERIFY(addresses > 20);
        QVERIFY(phones > 10);
    }

    void quizKeepsItsStateWhileAnInfoWindowComesAndGoes()
    {
        AppFixture fixture(NtiBank());
        QVERIFY(fixture.Start());
        fixture.StartQuiz("Flashcard", "Module = 'NTI'");
        AppFixture::Click("FrmFlashcard", "CmdShowAnswer");
        const auto texts = [] {
            QStringList all;
            for (const char* label : {"LblQuestion", "LblAnswer", "LblQsRemaining", "LblSubTitle"})
                all << AppFixture::Text("FrmFlashcard", label);
            return all;
        };
        const QStringList before = texts();
        const int asked = fixture.app.State().QuestionsAsked;

        fixture.Choose("MnuReelStory");
        QVERIFY(AppFixture::Window("FrmReelStory"));
        AppFixture::PressKey(AppFixture::Window("FrmReelStory"), "Escape");
        FinishUnloads();

        QVERIFY(!AppFixture::Window("FrmReelStory"));
        QVERIFY(AppFixture::Window("FrmFlashcard"));
        QCOMPARE(texts(), before);
        QCOMPARE(fixture.app.State().QuestionsAsked, asked);
        QVERIFY(AppFixture::Find<QAbstractButton>("FrmFlashcard", "CmdCorrect")->isEnabled());
        QVERIFY(!fixture.app.MainWindow().isVisible());
        QCOMPARE(fixture.programEnds, 0);
    }
};

LUMENARY_GUI_TEST_MAIN(TestInfoWindows)

#include "tst_infowindows.moc"

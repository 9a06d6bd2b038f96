// SPDX-License-Identifier: GPL-3.0-or-later
// How windows sit on a screen: the main window opens with its portrait at
// the portrait's own size, boxes line up in their rows, and the true/false
// buttons stay put while the verdict comes and goes.

#include "AppFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QResource>
#include <QSvgRenderer>

using namespace lumenary;
using lumenary::test::AppFixture;

namespace {

std::vector<BankQuestion> Bank()
{
    return test::UnitQuestions("NTI", 1, 6);
}

int TopInWindow(const QWidget* control)
{
    return control->mapTo(control->window(), QPoint(0, 0)).y();
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    // At its own size the portrait is copied from the pixels drawn at build
    // time, which must show what the picture itself does.
    void mainWindowOpensWithTheReadyDrawnPortrait()
    {
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        auto* portrait = AppFixture::Find<QWidget>("FrmMain", "PicPortrait");
        QVERIFY(portrait);
        const QResource ready(QStringLiteral(":/images/portrait.pixels")); // read in place: stored uncompressed
        QVERIFY(ready.isValid());
        QCOMPARE(ready.compressionAlgorithm(), QResource::NoCompression);
        QSvgRenderer shapes(QStringLiteral(":/images/portrait.svg"));
        QCOMPARE(shapes.defaultSize().scaled(portrait->size(), Qt::KeepAspectRatio), shapes.defaultSize());

        // Where the picture stands, centred; the widget's background is around it.
        const QImage shown = portrait->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage drawn(portrait->size(), QImage::Format_RGB32);
        drawn.fill(Qt::black);
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        shapes.setAspectRatioMode(Qt::KeepAspectRatio);
        shapes.render(&painter, QRectF(drawn.rect()));
        painter.end();
        const QSize own = shapes.defaultSize();
        const QRect picture(QPoint((drawn.width() - own.width()) / 2, (drawn.height() - own.height()) / 2), own);
        int unlike = 0;
        for (int y = picture.top(); y <= picture.bottom(); ++y)
            for (int x = picture.left(); x <= picture.right(); ++x)
                unlike += qAbs(qGray(shown.pixel(x, y)) - qGray(drawn.pixel(x, y))) > 8;
        QCOMPARE(unlike, 0);
    }

    // Boxes side by side start at the same height, however many lines the
    // captions beside them wrap to.
    void boxesLineUpInTheirRows()
    {
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuSysTheo");
        for (int row = 1; row <= 5; ++row) {
            const auto* left = AppFixture::Find<QCheckBox>("FrmSysTheo", QString("ChkUnit(%1)").arg(row));
            const auto* right = AppFixture::Find<QCheckBox>("FrmSysTheo", QString("ChkUnit(%1)").arg(row + 5));
            QCOMPARE(TopInWindow(right), TopInWindow(left));
        }
    }

    // The progress report's three figures stand in equal columns that fill
    // the box, with the questions remaining across all three.
    void progressReportIsBalanced()
    {
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        fixture.StartQuiz("Flashcard", "Module = 'NTI'");
        QApplication::processEvents();
        const auto* report = AppFixture::Find<QWidget>("FrmFlashcard", "FrmProgressReport");
        const QRect inside = report->contentsRect();
        const auto* correct = AppFixture::Find<QLabel>("FrmFlashcard", "LblNumQsCorrect");
        const auto* percentage = AppFixture::Find<QLabel>("FrmFlashcard", "LblNumPercentage");
        const auto* remaining = AppFixture::Find<QLabel>("FrmFlashcard", "LblQsRemaining");
        const int leftGap = correct->x() - inside.left();
        const int rightGap = inside.right() - percentage->geometry().right();
        QVERIFY2(std::abs(leftGap - rightGap) <= 4, qPrintable(QString("gaps %1 and %2").arg(leftGap).arg(rightGap)));
        QCOMPARE(remaining->x(), correct->x());
        QCOMPARE(remaining->geometry().right(), percentage->geometry().right());
    }

    void trueFalseButtonsStayPut()
    {
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        fixture.StartQuiz("TF", "Module = 'NTI'");
        const auto* next = AppFixture::Find<QPushButton>("FrmTF", "CmdNextQuestion");
        QApplication::processEvents();
        const int asking = TopInWindow(next);
        for (int question = 0; question < 3; ++question) {
            AppFixture::Click("FrmTF", question % 2 ? "CmdTrue" : "CmdFalse");
            QApplication::processEvents();
            QCOMPARE(TopInWindow(next), asking);
            AppFixture::Click("FrmTF", "CmdNextQuestion");
            QApplication::processEvents();
            QCOMPARE(TopInWindow(next), asking);
        }
    }
};

LUMENARY_GUI_TEST_MAIN(TestLayout)
#include "tst_layout.moc"

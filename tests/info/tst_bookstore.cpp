// SPDX-License-Identifier: GPL-3.0-or-later
// The bookstore directory: each advertiser's record shown field by field
// (present, hidden or blank), over the record shown before it or in a window
// built afresh.

#include "AdvertiserRecord.h"
#include "AppFixture.h"

using namespace lumenary;
using lumenary::test::AppFixture;

namespace {

const QString Directory = QStringLiteral("FrmBookstore");

const char* const Entries[AdvertiserCount] = {
    "MnuBookstoreOne", "MnuBookstoreTwo",   "MnuBookstoreThree", "MnuBookstoreFour", "MnuBookstoreFive",
    "MnuBookstoreSix", "MnuBookstoreSeven", "MnuBookstoreEight", "MnuBookstoreNine"};

// Which fields each advertiser has: x shown with text, h hidden, e shown blank.
const char* const Shapes[AdvertiserCount] = {
    "xxxxxxxxxxh", "xxxxxxeexxh", "xxxhxxhxxxh", "xxxxxeeexeh", "xxxxxhxxhxh",
    "xxxhhxhxxxx", "xxxxxxxxxxh", "xxxxxxxxxxx", "xxxxxxxxhxh"};

// The text every shown field of its kind begins with.
const char* const Prefixes[AdvertiserFieldCount] = {
    "", "", "", "Web Site:  ", "Email:  ", "Phone:  ", "Fax", "", "", "", "Ask for a FREE catalog of our books"};

void Close()
{
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(AppFixture::Window(Directory), &escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The shape the window shows now, in the letters of Shapes.
QString ShownShape()
{
    QString shape;
    for (const char* name : AdvertiserLabels) {
        const auto* label = AppFixture::Find<QLabel>(Directory, name);
        shape += label->isHidden() ? 'h' : label->text().isEmpty() ? 'e' : 'x';
    }
    return shape;
}

} // namespace

class TestBookstore : public QObject {
    Q_OBJECT

private:
    static std::vector<BankQuestion> Bank() { return {test::Question(1, "NTI", 1)}; }

private slots:
    void records_data()
    {
        QTest::addColumn<int>("advertiser");
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("closedBetween");
        for (int advertiser = 0; advertiser < int(AdvertiserCount); ++advertiser) {
            // Each record after one that hides or blanks other fields, shown
            // over it and after the window was closed and built again.
            const int before = (advertiser + 5) % int(AdvertiserCount);
            QTest::addRow("%s over %s", Entries[advertiser], Entries[before]) << advertiser << before << false;
            QTest::addRow("%s after closing", Entries[advertiser]) << advertiser << before << true;
        }
    }

    void records()
    {
        QFETCH(int, advertiser);
        QFETCH(int, before);
        QFETCH(bool, closedBetween);
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        fixture.Choose(Entries[before]);
        QCOMPARE(ShownShape(), QString(Shapes[before]));
        if (closedBetween) {
            Close();
            QVERIFY(!AppFixture::Window(Directory));
        }
        fixture.Choose(Entries[advertiser]);
        QCOMPARE(ShownShape(), QString(Shapes[advertiser]));

        for (std::size_t field = 0; field < AdvertiserFieldCount; ++field)
            if (Shapes[advertiser][field] == 'x')
                QVERIFY2(AppFixture::Text(Directory, AdvertiserLabels[field]).startsWith(Prefixes[field]),
                         AdvertiserLabels[field]);
        // The menu entry carries the advertiser's name.
        auto* entry = fixture.app.MainWindow().findChild<QAction*>(Entries[advertiser]);
        QCOMPARE(entry->text(), AppFixture::Text(Directory, "LblStoreName"));
        QApplication::processEvents(); // lay out what the record hid and showed, as the screen would
        AppFixture::Snapshot(AppFixture::Window(Directory), QString("bookstore-") + Entries[advertiser]);
    }
};

LUMENARY_GUI_TEST_MAIN(TestBookstore)

#include "tst_bookstore.moc"

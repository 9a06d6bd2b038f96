// The subject catalogue: the exact filter texts the selection windows build,
// and tables that run without gaps.

#include "SubjectCatalogue.h"

#include <QtTest>

#include <stdexcept>

using namespace lumenary::catalogue;

namespace {

const ChecklistWindow& Checklist(const QString& name)
{
    const auto* window = FindChecklistWindow(name.toStdString());
    if (!window)
        throw std::invalid_argument("no checklist window " + name.toStdString());
    return *window;
}

const OptionWindow& Options(const QString& name)
{
    const auto* window = FindOptionWindow(name.toStdString());
    if (!window)
        throw std::invalid_argument("no option window " + name.toStdString());
    return *window;
}

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void checklistFilters_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QList<int>>("clearedThemes");
        QTest::addColumn<QString>("filter"); // empty: the selection adds nothing
        using Boxes = QList<int>;
        QTest::newRow("units 1 and 2") << "FrmNTUnits" << Boxes{1, 2} << Boxes{}
                                       << "Module = 'NTI'and (Category= 1 or Category= 2)";
        QTest::newRow("units ticked out of order") << "FrmNTUnits" << Boxes{12, 3, 7} << Boxes{}
                                                   << "Module = 'NTI'and (Category= 3 or Category= 7 or Category= 12)";
        QTest::newRow("two-digit unit") << "FrmSysTheo" << Boxes{10} << Boxes{}
                                        << "Module = 'Systematic Theology'and (Category= 10)";
        QTest::newRow("book value differs from caption")
            << "FrmNTBooks" << Boxes{10, 0} << Boxes{}
            << "Module = 'NTI'and (Book = 'Matthew' or Book = 'Philippians')";
        QTest::newRow("only boxes without a clause") << "FrmNTBooks" << Boxes{1, 17} << Boxes{} << "";
        QTest::newRow("lower-case Old Testament book")
            << "FrmOTDetailed" << Boxes{0} << Boxes{}
            << "Module = 'OT Chapter Content: Detailed'and (Book = 'genesis')";
        QTest::newRow("numbered and spaced books")
            << "FrmOTSimplified" << Boxes{21, 8} << Boxes{}
            << "Module = 'OT Chapter Content: Simplified'and (Book = 'I Samuel' or Book = 'song of solomon')";
        QTest::newRow("poetry and minor prophets of the simplified bank")
            << "FrmOTSimplified" << Boxes{38, 18, 24} << Boxes{}
            << "Module = 'OT Chapter Content: Simplified'and (Book = 'psalms' or Book = 'lamentations' or "
               "Book = 'malachi')";
        QTest::newRow("Greek category 0") << "FrmGreek" << Boxes{0, 11} << Boxes{}
                                          << "Module = 'Greek'and (Category= 0 or Category= 11)";
        QTest::newRow("every Greek unit")
            << "FrmGreek" << Boxes{18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0} << Boxes{}
            << "Module = 'Greek'and (Category= 0 or Category= 1 or Category= 2 or Category= 3 or Category= 4 or "
               "Category= 5 or Category= 6 or Category= 7 or Category= 8 or Category= 9 or Category= 10 or "
               "Category= 11 or Category= 12 or Category= 13 or Category= 14 or Category= 15 or Category= 16 or "
               "Category= 17 or Category= 18)";
        QTest::newRow("all stems ticked: no exclusion") << "FrmHebrew" << Boxes{7} << Boxes{}
                                                         << "Module = 'Hebrew'and (Category= 7)";
        QTest::newRow("two stems cleared")
            << "FrmHebrew" << Boxes{7, 8} << Boxes{6, 3}
            << "Module = 'Hebrew'and (Category= 7 or Category= 8) and (Theme Not In ('pual','hophal'))";
        QTest::newRow("every stem cleared")
            << "FrmHebrew" << Boxes{40} << Boxes{0, 1, 2, 3, 4, 5, 6}
            << "Module = 'Hebrew'and (Category= 40) and "
               "(Theme Not In ('qal','niphal','piel','pual','hithpael','hiphil','hophal'))";
        QTest::newRow("irregular box captioned 63 is category 33")
            << "FrmGreekPPIT" << Boxes{1, 33} << Boxes{}
            << "Module = 'Greek Irregular Principal Parts'and (Category= 1 or Category= 33)";
        QTest::newRow("every tense cleared")
            << "FrmGreekPPEV" << Boxes{43} << Boxes{4, 3, 2, 1, 0}
            << "Module = 'Greek Elementary Principal Parts'and (Category= 43) and (Theme Not In ('Future',"
               "'Aorist Active','Aorist Passive','Perfect Active','Perfect Passive'))";
        QTest::newRow("one tense cleared")
            << "FrmGreekPPIV" << Boxes{2} << Boxes{0}
            << "Module = 'Greek Irregular Principal Parts'and (Category= 2) and (Theme Not In ('Future'))";
    }

    void checklistFilters()
    {
        QFETCH(QString, window);
        QFETCH(QList<int>, ticked);
        QFETCH(QList<int>, clearedThemes);
        QFETCH(QString, filter);
        const auto built = ChecklistFilter(Checklist(window), ticked, clearedThemes);
        QCOMPARE(built ? QString::fromStdString(*built) : QString(), filter);
    }

    void optionFilters_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("filter");
        QTest::newRow("popes") << "FrmChurchHistory" << 2 << "Pre-reformation Popes" << "Module = 'Popes'";
        QTest::newRow("apostolic writings") << "FrmChurchHistory" << 1 << "Apostolic Fathers: Writings"
                                            << "Module = 'Church Fathers: Writings'";
        QTest::newRow("hymnology") << "FrmChurchMusic" << 0 << "Hymnology" << "Module = 'Hymnology'";
        QTest::newRow("names of God") << "FrmOTI" << 6 << "Names of God" << "Module = 'OT Names of God'";
        QTest::newRow("kings") << "FrmKings" << 0 << "Kings of Judah (1-6)" << "Module = 'Kings'";
        QTest::newRow("disciples") << "FrmNTHistory" << 0 << "Disciples" << "Module = 'Disciples'";
        QTest::newRow("abbreviated caption") << "FrmTheology" << 3 << "19th Century Am. Theology"
                                             << "Module = '19th Century American Theology'";
        QTest::newRow("caption with trailing space") << "FrmNTI" << 0 << "Commentaries: Devotional "
                                                     << "Module = 'Devotional Commentaries'";
        QTest::newRow("book origins") << "FrmNTI" << 8 << "Books: From Where Written"
                                      << "Module = 'New Testament Book Origins'";
    }

    void optionFilters()
    {
        QFETCH(QString, window);
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, filter);
        const auto& option = Options(window).Option(index);
        QCOMPARE(Text(option.caption), caption);
        QCOMPARE(QString::fromStdString(OptionFilter(option)), filter);
    }

    // A row lost or doubled in a table shifts every caption after it.
    void boxesRunWithoutGaps_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        for (const auto& [name, first, last] :
             {std::tuple{"FrmNTUnits", 1, 13}, {"FrmSysTheo", 1, 10}, {"FrmNTBooks", 0, 26}, {"FrmOTDetailed", 0, 38},
              {"FrmOTSimplified", 0, 38}, {"FrmGreek", 0, 18}, {"FrmHebrew", 0, 40}, {"FrmGreekPPET", 1, 43},
              {"FrmGreekPPEV", 1, 43}, {"FrmGreekPPIT", 1, 33}, {"FrmGreekPPIV", 1, 33}})
            QTest::newRow(name) << name << first << last;
    }

    void boxesRunWithoutGaps()
    {
        QFETCH(QString, window);
        QFETCH(int, first);
        QFETCH(int, last);
        const auto& boxes = Checklist(window).boxes;
        QCOMPARE(static_cast<int>(boxes.size()), last - first + 1);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            QCOMPARE(boxes[i].index, first + static_cast<int>(i));
            if (boxes[i].enabled)
                QVERIFY2(!std::holds_alternative<std::monostate>(boxes[i].term), boxes[i].caption.c_str());
        }
    }

    void unknownBoxesAreRefused()
    {
        const int outside[] = {14};
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ChecklistFilter(Checklist("FrmNTUnits"), outside));
        const int noStem[] = {7};
        const int unit[] = {1};
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ChecklistFilter(Checklist("FrmHebrew"), unit, noStem));
        QVERIFY(!FindChecklistWindow("FrmKings"));
        QVERIFY(!FindOptionWindow("FrmNTUnits"));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"

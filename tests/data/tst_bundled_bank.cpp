// SPDX-License-Identifier: GPL-3.0-or-later
// The bundled question bank against the selection windows: every box and
// option a user can choose starts a quiz with at least one question, and the
// principal-part sections hold only the five tenses the tense quiz asks.
// Works on a copy, so the bundled file is never touched.

#include "FieldValue.h"
#include "QuestionDatabase.h"
#include "RecordSet.h"
#include "SubjectCatalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <optional>

using namespace lumenary;

namespace {

// "FrmNTUnits ChkUnit(3)": the window and control a failing row is about.
QByteArray ControlName(std::string_view window, std::string_view control, int index)
{
    return QByteArray(window.data(), static_cast<qsizetype>(window.size())) + ' '
         + QByteArray(control.data(), static_cast<qsizetype>(control.size())) + '(' + QByteArray::number(index) + ')';
}

} // namespace

class TestBundledBank : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::optional<RecordSet> questions_;

    RecordSet Pool(const QString& filter) const { return questions_->Filtered(filter.toStdString()); }

private slots:
    void initTestCase()
    {
        const QString copy = folder_.filePath("lm50data.db");
        QVERIFY(QFile::copy(QStringLiteral(LUMENARY_BUNDLED_DB), copy));
        questions_ = RecordSet::OpenTable(QuestionDatabase::Open(copy.toStdString()), "lm40data");
    }

    void everyChoiceSelectsQuestions_data()
    {
        QTest::addColumn<QString>("filter");
        for (const auto& window : catalogue::ChecklistWindows())
            for (const auto& box : window.boxes)
                if (box.enabled) {
                    const int ticked[] = {box.index};
                    const auto filter = catalogue::ChecklistFilter(window, ticked);
                    QTest::newRow(ControlName(window.name, window.boxControl, box.index))
                        << QString::fromStdString(filter.value_or(""));
                }
        for (const auto& window : catalogue::OptionWindows())
            for (const auto& option : window.options)
                if (option.enabled)
                    QTest::newRow(ControlName(window.name, "Option", option.index))
                        << QString::fromStdString(catalogue::OptionFilter(option));
    }

    void everyChoiceSelectsQuestions()
    {
        QFETCH(QString, filter);
        QVERIFY2(!filter.isEmpty(), "the box adds nothing to the filter");
        QVERIFY2(Pool(filter).RecordCount() > 0, qPrintable(filter));
    }

    // Clearing one stem or tense box with every unit ticked leaves a quiz
    // that holds none of that theme, has fewer questions than with the box
    // ticked, and still has questions.
    void themeExclusionsLeaveTheRest_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("excluded");
        QTest::addColumn<QString>("everything");
        for (const auto& window : catalogue::ChecklistWindows()) {
            std::vector<int> everyBox;
            for (const auto& box : window.boxes)
                if (box.enabled)
                    everyBox.push_back(box.index);
            for (const auto& themeBox : window.themeBoxes) {
                const int cleared[] = {themeBox.index};
                QTest::newRow(ControlName(window.name, window.themeControl, themeBox.index))
                    << QString::fromStdString(catalogue::ChecklistFilter(window, everyBox, cleared).value_or(""))
                    << QString::fromUtf8(themeBox.theme.data(), static_cast<qsizetype>(themeBox.theme.size()))
                    << QString::fromStdString(catalogue::ChecklistFilter(window, everyBox).value_or(""));
            }
        }
    }

    void themeExclusionsLeaveTheRest()
    {
        QFETCH(QString, filter);
        QFETCH(QString, excluded);
        QFETCH(QString, everything);
        auto pool = Pool(filter);
        QVERIFY2(pool.RecordCount() > 0, qPrintable(filter));
        QVERIFY2(pool.RecordCount() < Pool(everything).RecordCount(), "clearing the box excludes nothing");
        for (pool.MoveFirst(); !pool.AtEnd(); pool.MoveNext())
            QVERIFY2(QString::fromStdString(FieldText(pool.Field("Theme"))).compare(excluded, Qt::CaseInsensitive) != 0,
                     qPrintable(QString::fromStdString(FieldText(pool.Field("ID")))));
    }

    void principalPartSectionsHoldOnlyTenses_data()
    {
        QTest::addColumn<QString>("filter");
        for (const auto name : {"FrmGreekPPEV", "FrmGreekPPIV"}) {
            const auto& window = *catalogue::FindChecklistWindow(name);
            for (const auto& box : window.boxes) {
                const int ticked[] = {box.index};
                QTest::newRow(ControlName(window.name, window.boxControl, box.index))
                    << QString::fromStdString(catalogue::ChecklistFilter(window, ticked).value_or(""));
            }
        }
    }

    void principalPartSectionsHoldOnlyTenses()
    {
        QFETCH(QString, filter);
        const auto tenses = catalogue::PrincipalPartTenses();
        auto pool = Pool(filter);
        QVERIFY(pool.RecordCount() > 0);
        for (pool.MoveFirst(); !pool.AtEnd(); pool.MoveNext()) {
            const std::string theme = FieldText(pool.Field("Theme"));
            const bool isTense = std::ranges::any_of(tenses, [&](const auto& tense) { return tense.theme == theme; });
            QVERIFY2(isTense, qPrintable(QStringLiteral("ID %1 has the Theme \"%2\"")
                                             .arg(FieldText(pool.Field("ID")).c_str(), theme.c_str())));
        }
    }
};

QTEST_GUILESS_MAIN(TestBundledBank)
#include "tst_bundled_bank.moc"

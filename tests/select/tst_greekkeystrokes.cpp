// SPDX-License-Identifier: GPL-3.0-or-later
// The old Greek font's keystrokes to Unicode: every mark and mark pair,
// letters and capitals, pass-through, and every verb of the two word lists
// against the lexical form the bundled question bank holds for it.

#include "FieldValue.h"
#include "GreekKeystrokes.h"
#include "PrincipalPartWords.h"
#include "QuestionDatabase.h"
#include "RecordSet.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumenary;

namespace {

bool AllPrecomposed(const QString& text)
{
    for (const QChar character : text)
        if (character.category() == QChar::Mark_NonSpacing)
            return false;
    return true;
}

} // namespace

class TestGreekKeystrokes : public QObject {
    Q_OBJECT

private slots:
    void converts_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("greek");
        QTest::newRow("small letters") << "abgdezhqiklmnxoprstufcyw" << "αβγδεζηθικλμνξοπρστυφχψω";
        QTest::newRow("final sigma") << "lo,goj" << "λόγος";
        QTest::newRow("capitals") << "ABGDEZHQIKLMNXOPRSTUFCYW" << "ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ";
        QTest::newRow("smooth") << "av" << "ἀ";
        QTest::newRow("rough") << "o`" << "ὁ";
        QTest::newRow("acute") << "e," << "έ";
        QTest::newRow("grave") << "kai." << "καὶ";
        QTest::newRow("circumflex") << "tou/" << "τοῦ";
        QTest::newRow("smooth acute") << "a;gw" << "ἄγω";
        QTest::newRow("smooth grave") << "e'n" << "ἒν";
        QTest::newRow("smooth circumflex") << "ei=nai" << "εἶναι";
        QTest::newRow("rough acute") << "i]sthmi" << "ἵστημι";
        QTest::newRow("rough grave") << "o[j" << "ὃς";
        QTest::newRow("rough circumflex") << "ou-toj" << "οὗτος";
        QTest::newRow("iota subscript") << "th|" << "τῃ";
        QTest::newRow("subscript and circumflex") << "tw/|" << "τῷ";
        QTest::newRow("subscript written first") << "h|," << "ῄ";
        QTest::newRow("subscript, breathing and accent") << "a|;" << "ᾄ";
        QTest::newRow("accent written before breathing") << "a,v" << "ἄ";
        QTest::newRow("diphthong takes the marks on its second vowel") << "eu`ri,skw" << "εὑρίσκω";
        QTest::newRow("rough rho") << "r`h/ma" << "ῥῆμα";
        QTest::newRow("marks before a capital") << "vIhsou/j" << "Ἰησοῦς";
        QTest::newRow("rough acute before a capital") << "]Ellhn" << "Ἕλλην";
        QTest::newRow("marks before the first capital") << "vAbraa,m" << "Ἀβραάμ";
        QTest::newRow("marks before a capital that takes none") << "vBhqle,em" << "Βηθλέεμ";
        QTest::newRow("parentheses") << "$h;mhn%" << "(ἤμην)";
        QTest::newRow("mark after a consonant passes") << "n," << "ν,";
        QTest::newRow("mark between a consonant and a small vowel passes") << "n,a" << "ν,α";
        QTest::newRow("marks before capital omega") << "vWdh," << "Ὠδή";
        QTest::newRow("mark with nothing to mark passes") << ", ;" << ", ;";
        QTest::newRow("unknown codes pass") << "1 + 2 = 3!" << "1 + 2 = 3!";
        QTest::newRow("nothing") << "" << "";
    }

    void converts()
    {
        QFETCH(QString, keys);
        QFETCH(QString, greek);
        const QString converted = GreekFromKeystrokes(keys.toStdString());
        QCOMPARE(converted, greek.normalized(QString::NormalizationForm_C));
        QCOMPARE(converted, converted.normalized(QString::NormalizationForm_C));
    }

    void wordListsMatchTheBank_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("keys");
        const std::pair<const char*, std::span<const catalogue::ListedVerb>> lists[] = {
            {"Greek Elementary Principal Parts", catalogue::ElementaryVerbs()},
            {"Greek Irregular Principal Parts", catalogue::IrregularVerbs()}};
        for (const auto& [module, verbs] : lists) {
            int category = 0;
            for (const auto& verb : verbs) {
                ++category;
                QTest::addRow("%s %d", module, verb.number)
                    << module << category << QString::fromLatin1(verb.keystrokes.data(), verb.keystrokes.size());
            }
        }
    }

    // The first principal part in the bank is the verb's lexical form; the
    // list shows it (and, for εἰμί, its imperfect in parentheses).
    void wordListsMatchTheBank()
    {
        QFETCH(QString, module);
        QFETCH(int, category);
        QFETCH(QString, keys);
        const QString converted = GreekFromKeystrokes(keys.toStdString());
        QVERIFY2(AllPrecomposed(converted), qPrintable(converted));
        for (const QChar character : converted)
            QVERIFY2(character.script() == QChar::Script_Greek || QStringLiteral(" ()").contains(character),
                     qPrintable(converted));

        auto pool = questions_->Filtered(
            QStringLiteral("Module = '%1'and (Category= %2)").arg(module).arg(category).toStdString());
        QVERIFY(pool.RecordCount() > 0);
        const QString lexical = QString::fromStdString(FieldText(pool.Field("English")));
        QCOMPARE(converted.section(' ', 0, 0), lexical);
        if (lexical == "εἰμί")
            QCOMPARE(converted, QString("εἰμί (ἤμην)"));
    }

    void initTestCase()
    {
        const QString copy = folder_.filePath("lm50data.db");
        QVERIFY(QFile::copy(QStringLiteral(LUMENARY_BUNDLED_DB), copy));
        questions_ = RecordSet::OpenTable(QuestionDatabase::Open(copy.toStdString()), "lm40data");
    }

private:
    QTemporaryDir folder_;
    std::optional<RecordSet> questions_;
};

QTEST_GUILESS_MAIN(TestGreekKeystrokes)

#include "tst_greekkeystrokes.moc"

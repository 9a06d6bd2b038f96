// SPDX-License-Identifier: GPL-3.0-or-later
#include "SubjectCatalogue.h"

#include "PrincipalPartWords.h"

#include <algorithm>
#include <stdexcept>

namespace lumenary::catalogue {

namespace {

constexpr QuizKinds kStandardQuizzes{QuizKind::MultipleChoice, QuizKind::TrueFalse, QuizKind::Flashcard};
constexpr QuizKinds kWithShortAnswer{QuizKind::MultipleChoice, QuizKind::TrueFalse, QuizKind::Flashcard,
                                     QuizKind::ShortAnswer};
constexpr QuizKinds kTenseDrill{QuizKind::GreekTense};

constexpr QuizOption kQuizOptions[] = {
    {QuizKind::MultipleChoice, "Multiple Choice", "MC"},
    {QuizKind::TrueFalse, "True / False", "TF"},
    {QuizKind::Flashcard, "Flashcard", "Flashcard"},
    {QuizKind::ShortAnswer, "Short Answer", "SA"},
};

// ---- Unit and vocabulary lists: box i selects Category i ----

constexpr std::string_view kNewTestamentUnits[] = {
    "Unit 1:  Matt. 1 - 18",     "Unit 2:  Matt. 19 - Luke 8",      "Unit 3:  Luke 9 - 24",
    "Unit 4:  John 1 - 21",      "Unit 5:  Acts 1 - 28",            "Unit 6: Romans 1 - 16",
    "Unit 7:  I Cor. 1 - 16",    "Unit 8:  II Cor. 1 - 13",         "Unit 9:  Gal. 1 - Col. 4",
    "Unit 10:  I Thes. 1 - II Tim. 4", "Unit 11:  Titus 1 - Heb. 13", "Unit 12:  James 1 - Jude",
    "Unit 13:  Rev. 1 - 22",
};

constexpr std::string_view kSystematicTheologyUnits[] = {
    "Natural Theology, Inspiration, God's Nature, Deity of Christ",
    "Oneness of God, Personal Distinctions in the Trinity, NT Trinitarian Formulas, Personality of the Holy "
    "Spirit, Divine Messiah in the OT",
    "Preservation, Providence",
    "Soul-body Distinction, Definition of Sin, Original Sin, Universality of Sin",
    "Depth of Man's Corruption, Early Manifestation of Sin, Effects of Sin on Others, God's Justice in regard to "
    "the Effects of Sin",
    "Person of Jesus Christ",
    "Christ's Atonement, Christ's Intercession",
    "Universal Atonement, God's Gracious Election",
    "Perseverance of the Saints",
    "Separation, Spiritual Gifts",
};

constexpr std::string_view kGreekUnits[] = {
    "I: 1-31",   "I: 32-63",  "I: 64-96",   "I: 1-36",    "I: 37-71",  "I: 72-107", "II: 1-31",
    "II: 32-57", "II: 58-82", "II: 83-96",  "II: 97-111", "I: 1-40",   "I: 41-79",  "I: 80-125",
    "I: 126-168", "II: 1-29", "II: 30-60",  "II: 61-89",  "II: 90-120",
};

constexpr std::string_view kHebrewUnits[] = {
    "1-10",    "11-21",   "22-28",   "29-35",   "36-42",   "43-48",   "49-62",   "501-510", "511-520",
    "521-527", "528-537", "538-552", "553-565", "566-577", "578-602", "603-616", "617-625", "626-640",
    "641-655", "656-670", "671-685", "686-700", "701-720", "101-105", "106-115", "116-120", "121-131",
    "132-142", "143-153", "154-164", "165-190", "191-216", "217-240", "241-265", "266-284", "285-309",
    "310-334", "335-360", "361-385", "386-411", "412-437",
};

// Clearing one of these boxes leaves out the questions whose Theme is its value.
constexpr ThemeBox kHebrewStems[] = {
    {0, "Qal", "qal"},           {1, "Niph'al", "niphal"}, {2, "Pi'el", "piel"},      {3, "Pu'al", "pual"},
    {4, "Hithpa'el", "hithpael"}, {5, "Hiph'il", "hiphil"}, {6, "Hoph'al", "hophal"},
};

constexpr ThemeBox kPrincipalPartTenses[] = {
    {0, "Future", "Future"},
    {1, "Aorist Active", "Aorist Active"},
    {2, "Aorist Passive", "Aorist Passive"},
    {3, "Perfect Active", "Perfect Active"},
    {4, "Perfect Passive", "Perfect Passive"},
};

// ---- Book lists: box i adds its own clause ----

struct BookRow {
    std::string_view caption;
    std::string_view clause; // empty: the box adds nothing
    bool enabled;
};

constexpr BookRow kNewTestamentBooks[] = {
    {"Matthew", "Book = 'Matthew' or ", true},
    {"Mark", "", false},
    {"Luke", "Book = 'Luke' or ", true},
    {"John", "Book = 'John' or ", true},
    {"Acts", "Book = 'Acts' or ", true},
    {"Romans", "Book = 'Romans' or ", true},
    {"I Corinthians", "Book = 'I Corinthians' or ", true},
    {"II Corinthians", "Book = 'II Corinthians' or ", true},
    {"Galatians", "Book = 'Galatians' or ", true},
    {"Ephesians", "Book = 'Ephesians' or ", true},
    {"Phillippians", "Book = 'Philippians' or ", true},
    {"Colossians", "Book = 'Colossians' or ", true},
    {"I Thessalonians", "Book = 'I Thessalonians' or ", true},
    {"II Thessalonians", "Book = 'II Thessalonians' or ", true},
    {"I Timothy", "Book = 'I Timothy' or ", true},
    {"II Timothy", "Book = 'II Timothy' or ", true},
    {"Titus", "Book = 'Titus' or ", true},
    {"Philemon", "", false},
    {"Hebrews", "Book = 'Hebrews' or ", true},
    {"James", "Book = 'James' or ", true},
    {"I Peter", "Book = 'I Peter' or ", true},
    {"II Peter", "Book = 'II Peter' or ", true},
    {"I John", "Book = 'I John' or ", true},
    {"II John", "", false},
    {"III John", "", false},
    {"Jude", "", false},
    {"Revelation", "Book = 'Revelation' or ", true},
};

// Both Old Testament windows share captions and clauses; they differ only in
// which boxes are enabled. The simplified module holds Psalms, Proverbs,
// Lamentations and the minor prophets too, so we give those boxes clauses in
// the same style (lower-case book values) rather than let them add nothing.
struct OldTestamentRow {
    std::string_view caption;
    std::string_view clause;
    bool detailed;
    bool simplified;
};

constexpr OldTestamentRow kOldTestamentBooks[] = {
    {"Genesis", "Book = 'genesis' or ", true, true},
    {"Exodus", "Book = 'exodus' or ", true, true},
    {"Leviticus", "Book = 'leviticus' or ", true, true},
    {"Numbers", "Book = 'numbers' or ", true, true},
    {"Deuteronomy", "Book = 'deuteronomy' or ", true, true},
    {"Joshua", "Book = 'joshua' or ", true, true},
    {"Judges", "Book = 'judges' or ", true, true},
    {"Ruth", "Book = 'ruth' or ", true, true},
    {"I Samuel", "Book = 'I Samuel' or ", true, true},
    {"II Samuel", "Book = 'II Samuel' or ", true, true},
    {"I Kings", "Book = 'I Kings' or ", true, true},
    {"II Kings", "Book = 'II Kings' or ", true, true},
    {"I Chronicles", "Book = 'I Chronicles' or ", true, true},
    {"II Chronicles", "Book = 'II Chronicles' or ", true, true},
    {"Ezra", "Book = 'ezra' or ", true, true},
    {"Nehemiah", "Book = 'nehemiah' or ", true, true},
    {"Esther", "Book = 'esther' or ", true, true},
    {"Job", "Book = 'job' or ", false, true},
    {"Psalms", "Book = 'psalms' or ", false, true},
    {"Proverbs", "Book = 'proverbs' or ", false, true},
    {"Ecclesiastes", "Book = 'ecclesiastes' or ", true, true},
    {"Song of Solomon", "Book = 'song of solomon' or ", true, true},
    {"Isaiah", "Book = 'isaiah' or ", true, true},
    {"Jeremiah", "Book = 'jeremiah' or ", true, true},
    {"Lamentations", "Book = 'lamentations' or ", false, true},
    {"Ezekiel", "Book = 'ezekiel' or ", true, true},
    {"Daniel", "Book = 'daniel' or ", true, true},
    {"Hosea", "Book = 'hosea' or ", false, true},
    {"Joel", "Book = 'joel' or ", false, true},
    {"Amos", "Book = 'amos' or ", false, true},
    {"Obadiah", "", false, false},
    {"Jonah", "Book = 'jonah' or ", false, true},
    {"Micah", "Book = 'micah' or ", false, true},
    {"Nahum", "Book = 'nahum' or ", false, true},
    {"Habakkuk", "Book = 'habakkuk' or ", false, true},
    {"Zephaniah", "Book = 'zephaniah' or ", false, true},
    {"Haggai", "Book = 'haggai' or ", false, true},
    {"Zechariah", "Book = 'zechariah' or ", false, true},
    {"Malachi", "Book = 'malachi' or ", false, true},
};

// ---- Module option windows ----

constexpr ModuleOption kNewTestamentHistory[] = {{0, "Disciples", "Disciples", true}};

constexpr ModuleOption kKings[] = {{0, "Kings of Judah (1-6)", "Kings", true}};

constexpr ModuleOption kChurchMusic[] = {
    {0, "Hymnology", "Hymnology", true},
    {1, "Messiah (G. F. Handel)", "Messiah", true},
};

constexpr ModuleOption kTheology[] = {
    {0, "Bible Doctrines", "Bible Doctrines", true},
    {1, "Eschatology", "Eschatology", true},
    {2, "Contemporary Theology", "Contemporary Theology", true},
    {3, "19th Century Am. Theology", "19th Century American Theology", true},
};

constexpr ModuleOption kChurchHistory[] = {
    {0, "Church Fathers: Fathers", "Church Fathers: Fathers", true},
    {1, "Apostolic Fathers: Writings", "Church Fathers: Writings", true},
    {2, "Pre-reformation Popes", "Popes", true},
    {3, "Radical Reformation", "The Radical Reformation", true},
    {4, "Baptist History I", "Baptist History I", true},
    {5, "Baptist Confessions", "Baptist Confessions", true},
    {6, "Baptist History II", "Baptist History II", true},
    {7, "Baptist History Dates", "Baptist History Dates", true},
    {8, "Baptist History III", "Baptist History III", true},
    {9, "Baptist History IV", "Baptist History IV", true},
};

constexpr ModuleOption kNewTestamentIntroduction[] = {
    {0, "Commentaries: Devotional ", "Devotional Commentaries", true},
    {1, "Commentaries: Expositional ", "Expositional Commentaries", true},
    {2, "Commentaries: Greek", "Greek Commentaries", true},
    {3, "Harmony of the Gospels", "Harmony of the Gospels", false},
    {4, "Miracles", "Miracles", false},
    {5, "Parables", "Parables", false},
    {6, "Books: Chapters", "New Testament Chapters", true},
    {7, "Books: Dates", "New Testament Dates", true},
    {8, "Books: From Where Written", "New Testament Book Origins", true},
    {9, "Books: Purposes", "New Testament Purposes", true},
    {10, "Books: Themes", "New Testament Themes", true},
    {11, "General Works", "General Works", true},
};

constexpr ModuleOption kOldTestamentIntroduction[] = {
    {0, "Commentaries: Conservative", "Conservative Commentaries", true},
    {1, "Commentaries: Liberal", "Liberal Commentaries", true},
    {2, "Books: Centuries", "Old Testament Centuries", true},
    {3, "Books: Chapters", "Old Testament Chapters", true},
    {4, "Books: Dates", "Old Testament Dates", true},
    {5, "Books: Themes", "Old Testament Themes", true},
    {6, "Names of God", "OT Names of God", true},
};

constexpr OptionWindow kOptionWindows[] = {
    {"FrmNTHistory", kStandardQuizzes, kNewTestamentHistory},
    {"FrmKings", kStandardQuizzes, kKings},
    {"FrmChurchMusic", kStandardQuizzes, kChurchMusic},
    {"FrmTheology", kStandardQuizzes, kTheology},
    {"FrmChurchHistory", kStandardQuizzes, kChurchHistory},
    {"FrmNTI", kStandardQuizzes, kNewTestamentIntroduction},
    {"FrmOTI", kStandardQuizzes, kOldTestamentIntroduction},
};

// ---- Building the checklist windows from the tables above ----

std::vector<ChecklistBox> CategoryBoxes(int firstIndex, const std::vector<std::string>& captions)
{
    std::vector<ChecklistBox> boxes;
    int index = firstIndex;
    for (const auto& caption : captions) {
        boxes.push_back({index, caption, true, index});
        ++index;
    }
    return boxes;
}

std::vector<std::string> Texts(std::span<const std::string_view> texts)
{
    return {texts.begin(), texts.end()};
}

// The principal-part boxes are captioned with the numbers the verbs are
// listed under; the irregular verbs keep the numbers of their lessons, but
// box i still selects Category i.
std::vector<std::string> VerbNumbers(std::span<const ListedVerb> verbs)
{
    std::vector<std::string> texts;
    for (const auto& verb : verbs)
        texts.push_back(std::to_string(verb.number));
    return texts;
}

std::vector<ChecklistBox> BookBoxes(std::span<const BookRow> rows)
{
    std::vector<ChecklistBox> boxes;
    int index = 0;
    for (const auto& row : rows) {
        const BoxTerm term = row.clause.empty() ? BoxTerm{} : BoxTerm{row.clause};
        boxes.push_back({index++, std::string(row.caption), row.enabled, term});
    }
    return boxes;
}

std::vector<ChecklistBox> OldTestamentBoxes(bool OldTestamentRow::*enabledOn)
{
    std::vector<BookRow> rows;
    for (const auto& row : kOldTestamentBooks)
        rows.push_back({row.caption, row.clause, row.*enabledOn});
    return BookBoxes(rows);
}

const std::vector<ChecklistWindow>& AllChecklistWindows()
{
    constexpr std::string_view elementary = "Greek Elementary Principal Parts";
    constexpr std::string_view irregular = "Greek Irregular Principal Parts";
    static const std::vector<ChecklistWindow> windows{
        {"FrmNTUnits", "NTI", "ChkUnit", kWithShortAnswer, CategoryBoxes(1, Texts(kNewTestamentUnits)), {}, {}},
        {"FrmSysTheo", "Systematic Theology", "ChkUnit", kStandardQuizzes,
         CategoryBoxes(1, Texts(kSystematicTheologyUnits)), {}, {}},
        {"FrmNTBooks", "NTI", "ChkNTB", kWithShortAnswer, BookBoxes(kNewTestamentBooks), {}, {}},
        {"FrmOTDetailed", "OT Chapter Content: Detailed", "ChkOTD", kWithShortAnswer,
         OldTestamentBoxes(&OldTestamentRow::detailed), {}, {}},
        {"FrmOTSimplified", "OT Chapter Content: Simplified", "ChkOTS", kStandardQuizzes,
         OldTestamentBoxes(&OldTestamentRow::simplified), {}, {}},
        {"FrmGreek", "Greek", "ChkGrk", kStandardQuizzes, CategoryBoxes(0, Texts(kGreekUnits)), {}, {}},
        {"FrmHebrew", "Hebrew", "ChkHeb", kStandardQuizzes, CategoryBoxes(0, Texts(kHebrewUnits)), "ChkHebTheme",
         kHebrewStems},
        {"FrmGreekPPET", elementary, "ChkPP", kTenseDrill, CategoryBoxes(1, VerbNumbers(ElementaryVerbs())),
         {}, {}},
        {"FrmGreekPPIT", irregular, "ChkPP", kTenseDrill, CategoryBoxes(1, VerbNumbers(IrregularVerbs())), {}, {}},
        {"FrmGreekPPEV", elementary, "ChkPP", kStandardQuizzes,
         CategoryBoxes(1, VerbNumbers(ElementaryVerbs())), "ChkGreekTense", kPrincipalPartTenses},
        {"FrmGreekPPIV", irregular, "ChkPP", kStandardQuizzes, CategoryBoxes(1, VerbNumbers(IrregularVerbs())),
         "ChkGreekTense", kPrincipalPartTenses},
    };
    return windows;
}

// Numbers in filters carry a sign position: a space before zero and positive numbers.
std::string SignedNumber(int number)
{
    return (number < 0 ? "" : " ") + std::to_string(number);
}

std::string TermText(const BoxTerm& term)
{
    if (const auto* category = std::get_if<int>(&term))
        return "Category=" + SignedNumber(*category) + " or ";
    if (const auto* clause = std::get_if<std::string_view>(&term))
        return std::string(*clause);
    return {};
}

bool Contains(std::span<const int> indexes, int index)
{
    return std::ranges::find(indexes, index) != indexes.end();
}

template <typename Item>
const Item& ItemAt(std::span<const Item> items, int index, std::string_view window, std::string_view what)
{
    const auto found = std::ranges::find(items, index, &Item::index);
    if (found == items.end())
        throw std::out_of_range(std::string(window) + " has no " + std::string(what) + " " + std::to_string(index));
    return *found;
}

} // namespace

std::span<const QuizOption> QuizOptions()
{
    return kQuizOptions;
}

const ChecklistBox& ChecklistWindow::Box(int index) const
{
    return ItemAt<ChecklistBox>(boxes, index, name, "box");
}

const ModuleOption& OptionWindow::Option(int index) const
{
    return ItemAt<ModuleOption>(options, index, name, "option");
}

std::span<const ChecklistWindow> ChecklistWindows()
{
    return AllChecklistWindows();
}

std::span<const OptionWindow> OptionWindows()
{
    return kOptionWindows;
}

const ChecklistWindow* FindChecklistWindow(std::string_view name)
{
    const auto windows = ChecklistWindows();
    const auto found = std::ranges::find(windows, name, &ChecklistWindow::name);
    return found == windows.end() ? nullptr : &*found;
}

const OptionWindow* FindOptionWindow(std::string_view name)
{
    const auto windows = OptionWindows();
    const auto found = std::ranges::find(windows, name, &OptionWindow::name);
    return found == windows.end() ? nullptr : &*found;
}

std::span<const ThemeBox> HebrewStems()
{
    return kHebrewStems;
}

std::span<const ThemeBox> PrincipalPartTenses()
{
    return kPrincipalPartTenses;
}

std::string ModuleClause(std::string_view module)
{
    return "Module = '" + std::string(module) + "'";
}

std::optional<std::string> ChecklistFilter(const ChecklistWindow& window, std::span<const int> tickedBoxes,
                                           std::span<const int> clearedThemeBoxes)
{
    for (const int index : tickedBoxes)
        window.Box(index);
    for (const int index : clearedThemeBoxes)
        ItemAt(window.themeBoxes, index, window.name, "theme box");

    std::string terms;
    for (const auto& box : window.boxes)
        if (Contains(tickedBoxes, box.index))
            terms += TermText(box.term);
    if (terms.empty())
        return std::nullopt;
    constexpr std::size_t separatorLength = std::string_view(" or ").size();
    terms.resize(terms.size() - separatorLength);
    std::string filter = ModuleClause(window.module) + "and (" + terms + ")";

    std::string excluded;
    for (const auto& box : window.themeBoxes)
        if (Contains(clearedThemeBoxes, box.index))
            excluded += "'" + std::string(box.theme) + "',";
    if (!excluded.empty()) {
        excluded.pop_back();
        filter += " and (Theme Not In (" + excluded + "))";
    }
    return filter;
}

std::string OptionFilter(const ModuleOption& option)
{
    return ModuleClause(option.module);
}

} // namespace lumenary::catalogue

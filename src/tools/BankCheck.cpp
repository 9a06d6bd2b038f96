// SPDX-License-Identifier: GPL-3.0-or-later
#include "BankCheck.h"
#include "StudyRecordCheck.h"

#include "AnswerLeaks.h"
#include "QuestionBank.h"
#include "SubjectCatalogue.h"

#include "FieldValue.h"
#include "QuestionDatabase.h"
#include "QuotedText.h"
#include "RecordSet.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>

#include <sqlite3.h>

#include <QList>
#include <QString>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <span>
#include <string_view>

namespace lumenary {

namespace {

// The right answer and five distractors.
constexpr std::size_t MultipleChoiceAnswers = 6;

constexpr std::string_view TextFields[] = {"Module", "Book", "Theme", "English", "French", "Hebrew"};
constexpr std::string_view RequiredFields[] = {"Module", "English", "Hebrew"};
constexpr std::string_view ChapterFields[] = {"Book", "Chapter"};
constexpr std::string_view AnswerSide[] = {"Hebrew"};
constexpr std::string_view BothSides[] = {"English", "Hebrew"};

enum class Script { Any, Greek, Hebrew };
enum class Themes { Any, HebrewStems, PrincipalPartTenses };

// What the records of one module must hold beyond what every record holds.
struct ModuleRule {
    std::string_view module;
    std::span<const std::string_view> requiredFields;
    Script script;
    std::span<const std::string_view> scriptFields;
    Themes themes;
};

constexpr ModuleRule ModuleRules[] = {
    {"NTI", ChapterFields, Script::Any, {}, Themes::Any},
    {"OT Chapter Content: Detailed", ChapterFields, Script::Any, {}, Themes::Any},
    {"OT Chapter Content: Simplified", ChapterFields, Script::Any, {}, Themes::Any},
    {"Greek", {}, Script::Greek, AnswerSide, Themes::Any},
    // Both sides of a principal part are Greek: the verb and its form in one tense.
    {"Greek Elementary Principal Parts", {}, Script::Greek, BothSides, Themes::PrincipalPartTenses},
    {"Greek Irregular Principal Parts", {}, Script::Greek, BothSides, Themes::PrincipalPartTenses},
    {"Hebrew", {}, Script::Hebrew, AnswerSide, Themes::HebrewStems},
};

// Filters compare modules ignoring case, so the rules do too.
const ModuleRule* RuleFor(std::string_view module)
{
    const auto found =
        std::ranges::find_if(ModuleRules, [&](const ModuleRule& rule) { return SameName(rule.module, module); });
    return found == std::end(ModuleRules) ? nullptr : &*found;
}

std::vector<std::string> AllowedThemes(Themes themes)
{
    std::vector<std::string> allowed;
    const auto add = [&](std::span<const catalogue::ThemeBox> boxes) {
        for (const auto& box : boxes)
            allowed.emplace_back(box.theme);
    };
    if (themes == Themes::HebrewStems) {
        add(catalogue::HebrewStems());
        allowed.emplace_back("na");
    } else if (themes == Themes::PrincipalPartTenses) {
        add(catalogue::PrincipalPartTenses());
    }
    return allowed;
}

std::string Joined(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const auto& text : texts)
        joined += (joined.empty() ? "" : ", ") + text;
    return joined;
}

bool Missing(const FieldValue& value)
{
    return FieldText(value).empty();
}

// The letters of the text are all of the script, and there is at least one.
// A note in parentheses, such as "(indecl.)" after an indeclinable noun, is
// the lexicon's own comment and may be in English.
bool WrittenIn(const QString& text, Script script)
{
    const auto wanted = script == Script::Greek ? QChar::Script_Greek : QChar::Script_Hebrew;
    int noteDepth = 0;
    bool anyLetter = false;
    for (const char32_t c : text.toUcs4()) {
        if (c == U'(')
            ++noteDepth;
        else if (c == U')' && noteDepth > 0)
            --noteDepth;
        else if (noteDepth == 0 && QChar::isLetter(c)) {
            if (QChar::script(c) != wanted)
                return false;
            anyLetter = true;
        }
    }
    return anyLetter;
}

bool IsControl(QChar c)
{
    return c.category() == QChar::Other_Control;
}

class Checker {
public:
    Checker(const std::filesystem::path& file, const std::vector<std::string>& windows)
        : table_(RecordSet::OpenTable(QuestionDatabase::Open(file, QuestionDatabase::Use::ReadOnly),
                                      std::string(kQuestionTableName)))
    {
        SelectWindows(windows);
    }

    std::vector<std::string> Run()
    {
        for (table_.MoveFirst(); !table_.AtEnd(); table_.MoveNext())
            CheckRecord();
        CheckDuplicateIds();
        std::ranges::move(FindAnswerLeaks(promptsAndAnswers_), std::back_inserter(problems_));
        for (const auto* window : checklists_) {
            CheckBoxesSelect(*window);
            CheckThemeBoxesUsed(*window);
        }
        for (const auto* window : optionWindows_)
            CheckOptionsSelect(*window);
        CheckMultipleChoiceAnswers();
        return problems_;
    }

private:
    void SelectWindows(const std::vector<std::string>& names)
    {
        for (const auto& name : names)
            if (!catalogue::FindChecklistWindow(name) && !catalogue::FindOptionWindow(name))
                throw BankError("no selection window is called \"" + name + "\"");
        const auto chosen = [&](std::string_view window) {
            return names.empty() || std::ranges::count(names, window) > 0;
        };
        for (const auto& window : catalogue::ChecklistWindows())
            if (chosen(window.name))
                checklists_.push_back(&window);
        for (const auto& window : catalogue::OptionWindows())
            if (chosen(window.name))
                optionWindows_.push_back(&window);
    }

    void CheckRecord()
    {
        const FieldValue id = table_.Field("ID");
        const std::string module = FieldText(table_.Field("Module"));
        record_ = "ID " + (IsNull(id) ? std::string("(none)") : Shortened(FieldText(id))) + " ("
                + (module.empty() ? std::string("no Module") : Shortened(module)) + ")";

        const auto* number = std::get_if<std::int64_t>(&id);
        if (!number || *number < 1 || *number > MaxQuestionId)
            Report("the ID is not a whole number from 1 to " + std::to_string(MaxQuestionId));
        else if (!firstUse_.emplace(*number, record_).second)
            ++idUses_[*number];

        const ModuleRule* rule = RuleFor(module);
        for (const auto field : RequiredFields)
            ReportMissing(field);
        if (rule)
            for (const auto field : rule->requiredFields)
                ReportMissing(field);
        if (Missing(table_.Field("Theme")))
            Report("Theme is empty (\"na\" stands for no theme)");
        for (const auto field : TextFields)
            CheckEncoding(field);
        if (rule)
            CheckLanguage(*rule);
        // In the language modules a form may rightly repeat its lexical form.
        if (!rule || rule->script == Script::Any)
            promptsAndAnswers_.push_back({record_, module, QString::fromStdString(FieldText(table_.Field("English"))),
                                          QString::fromStdString(FieldText(table_.Field("Hebrew")))});
    }

    void Report(const std::string& problem) { problems_.push_back(record_ + ": " + problem); }

    void ReportMissing(std::string_view field)
    {
        if (Missing(table_.Field(field)))
            Report(std::string(field) + " is missing");
    }

    void CheckEncoding(std::string_view field)
    {
        const std::string bytes = FieldText(table_.Field(field));
        const QString text = QString::fromStdString(bytes);
        if (text.toStdString() != bytes)
            Report(std::string(field) + " is not valid UTF-8");
        else if (text.normalized(QString::NormalizationForm_C) != text)
            Report(std::string(field) + " is not in Unicode NFC");
        else if (const auto control = std::ranges::find_if(text, IsControl);
                 control != text.end()) {
            const auto offset = static_cast<std::size_t>(text.first(control - text.begin()).toUtf8().size());
            Report(std::string(field) + " holds " + (*control == QChar() ? "a NUL" : "a control") + " character: \""
                   + Excerpt(bytes, offset) + "\"");
        }
    }

    void CheckLanguage(const ModuleRule& rule)
    {
        const char* scriptName = rule.script == Script::Greek ? "Greek" : "Hebrew";
        for (const auto field : rule.scriptFields) {
            const std::string text = FieldText(table_.Field(field));
            if (!text.empty() && !WrittenIn(QString::fromStdString(text), rule.script))
                Report(std::string(field) + " \"" + Shortened(text) + "\" is not in " + scriptName + " script");
        }
        const auto allowed = AllowedThemes(rule.themes);
        const std::string theme = FieldText(table_.Field("Theme"));
        if (!allowed.empty() && !theme.empty() && std::ranges::count(allowed, theme) == 0)
            Report("Theme \"" + Shortened(theme) + "\" is not one of " + Joined(allowed));
    }

    void CheckDuplicateIds()
    {
        for (const auto& [id, extraUses] : idUses_)
            problems_.push_back(firstUse_.at(id) + ": the ID is used by " + std::to_string(extraUses + 1) + " records");
    }

    std::size_t Selected(const std::string& filter) const { return table_.Filtered(filter).RecordCount(); }

    void CheckBoxesSelect(const catalogue::ChecklistWindow& window)
    {
        for (const auto& box : window.boxes) {
            if (!box.enabled)
                continue;
            const int ticked[] = {box.index};
            const auto filter = catalogue::ChecklistFilter(window, ticked);
            const std::string label = std::string(window.name) + " " + std::string(window.boxControl) + "("
                                    + std::to_string(box.index) + ") \"" + box.caption + "\"";
            if (!filter)
                problems_.push_back(label + ": adds nothing to the filter");
            else if (Selected(*filter) == 0)
                problems_.push_back(label + ": selects no question (" + *filter + ")");
        }
    }

    // A theme box that no record of the window's module carries would
    // exclude nothing when the user clears it.
    void CheckThemeBoxesUsed(const catalogue::ChecklistWindow& window)
    {
        for (const auto& box : window.themeBoxes) {
            const std::string filter =
                catalogue::ModuleClause(window.module) + " and Theme = '" + std::string(box.theme) + "'";
            if (Selected(filter) == 0)
                problems_.push_back(std::string(window.name) + " " + std::string(window.themeControl) + "("
                                    + std::to_string(box.index) + ") \"" + std::string(box.caption)
                                    + "\": no record has this Theme, so clearing it excludes nothing (" + filter
                                    + ")");
        }
    }

    void CheckOptionsSelect(const catalogue::OptionWindow& window)
    {
        for (const auto& option : window.options) {
            const std::string filter = catalogue::OptionFilter(option);
            if (option.enabled && Selected(filter) == 0)
                problems_.push_back(std::string(window.name) + " Option(" + std::to_string(option.index) + ") \""
                                    + std::string(option.caption) + "\": selects no question (" + filter + ")");
        }
    }

    // Multiple choice shows the answer side of six records: Hebrew, or
    // English in the reverse direction.
    void CheckMultipleChoiceAnswers()
    {
        std::map<std::string, std::string_view> offeredBy;
        const auto offers = [](const auto& window) {
            return window.quizKinds.Has(catalogue::QuizKind::MultipleChoice);
        };
        for (const auto* window : checklists_)
            if (offers(*window))
                offeredBy.emplace(window->module, window->name);
        for (const auto* window : optionWindows_)
            if (offers(*window))
                for (const auto& option : window->options)
                    if (option.enabled)
                        offeredBy.emplace(option.module, window->name);

        for (const auto& [module, window] : offeredBy) {
            std::map<std::string_view, std::set<std::string>> answers;
            auto pool = table_.Filtered(catalogue::ModuleClause(module));
            for (pool.MoveFirst(); !pool.AtEnd(); pool.MoveNext())
                for (const auto field : BothSides)
                    if (const auto text = FieldText(pool.Field(field)); !text.empty())
                        answers[field].insert(text);
            for (const auto field : BothSides)
                if (answers[field].size() < MultipleChoiceAnswers)
                    problems_.push_back(std::string(window) + " module '" + module + "': only "
                                        + std::to_string(answers[field].size()) + " different " + std::string(field)
                                        + " answer(s); multiple choice needs " + std::to_string(MultipleChoiceAnswers));
        }
    }

    RecordSet table_;
    std::vector<const catalogue::ChecklistWindow*> checklists_;
    std::vector<const catalogue::OptionWindow*> optionWindows_;
    std::string record_;                           // the record being checked, for its problem lines
    std::map<std::int64_t, std::string> firstUse_; // ID -> the first record that has it
    std::map<std::int64_t, int> idUses_;           // ID -> uses beyond the first
    std::vector<PromptAndAnswer> promptsAndAnswers_; // of the modules not in Greek or Hebrew
    std::vector<std::string> problems_;
};

} // namespace

namespace {

// SQLite's integrity check, one problem a line. A file too damaged to be
// checked at all is one problem too; a file that is no database at all, or
// none there, is left to the opening to describe.
std::vector<std::string> DamageFound(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return {};
    std::vector<std::string> damage;
    const auto report = [&](const std::string& text) {
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);)
            damage.push_back("the file is damaged: " + line);
    };
    try {
        SQLite::Database database(file.string(), SQLite::OPEN_READONLY);
        SQLite::Statement check(database, "PRAGMA integrity_check");
        while (check.executeStep())
            if (const std::string line = check.getColumn(0).getString(); line != "ok")
                report(line);
    } catch (const SQLite::Exception& failure) {
        if (failure.getErrorCode() == SQLITE_CORRUPT)
            report(failure.what());
    }
    return damage;
}

} // namespace

std::vector<std::string> CheckQuestionDatabase(const std::filesystem::path& file,
                                               const std::vector<std::string>& windows)
{
    // The records of a damaged file cannot be trusted, so the damage is all
    // there is to say about it.
    if (auto damage = DamageFound(file); !damage.empty())
        return damage;
    auto problems = Checker(file, windows).Run();
    for (auto& problem : CheckStudyRecord(*QuestionDatabase::Open(file, QuestionDatabase::Use::ReadOnly)))
        problems.push_back(std::move(problem));
    return problems;
}

} // namespace lumenary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every selection window offers, as data: its boxes or module options,
// their captions and enabled states, and the filter text a choice builds.
// The selection windows and `lumenary-db check` both read it, so a box the
// user can tick is always a box the bundled bank is checked against.

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lumenary::catalogue {

// The quizzes a window can start: the OptQuiz options (index = enumerator
// value) and the Greek tense drill of the principal-part tense windows.
enum class QuizKind { MultipleChoice, TrueFalse, Flashcard, ShortAnswer, GreekTense };

class QuizKinds {
public:
    constexpr QuizKinds(std::initializer_list<QuizKind> kinds)
    {
        for (const QuizKind kind : kinds)
            bits_ |= Bit(kind);
    }
    constexpr bool Has(QuizKind kind) const { return (bits_ & Bit(kind)) != 0; }

private:
    static constexpr unsigned Bit(QuizKind kind) { return 1U << static_cast<unsigned>(kind); }
    unsigned bits_ = 0;
};

// One OptQuiz option: its caption and the code handed to the main window.
struct QuizOption {
    QuizKind kind;
    std::string_view caption;
    std::string_view code;
};

// OptQuiz(0) to OptQuiz(3), the same on every window that has them.
std::span<const QuizOption> QuizOptions();

// A Category number, or a whole clause with its separator such as
// "Book = 'genesis' or "; monostate for a box that adds nothing.
using BoxTerm = std::variant<std::monostate, int, std::string_view>;

struct ChecklistBox {
    int index;
    std::string caption;
    bool enabled;
    BoxTerm term;
};

// A box ticked by default; clearing it excludes the questions whose Theme is
// its value (a Hebrew stem or a principal-part tense).
struct ThemeBox {
    int index;
    std::string_view caption;
    std::string_view theme;
};

struct ChecklistWindow {
    std::string_view name;        // the window's objectName
    std::string_view module;
    std::string_view boxControl;  // "ChkUnit": box i is named "ChkUnit(i)"
    QuizKinds quizKinds;
    std::vector<ChecklistBox> boxes; // in index order
    std::string_view themeControl;   // empty when the window has no theme boxes
    std::span<const ThemeBox> themeBoxes;

    // Throws std::out_of_range for an index the window lacks.
    const ChecklistBox& Box(int index) const;
};

struct ModuleOption {
    int index;
    std::string_view caption;
    std::string_view module;
    bool enabled;
};

// A window that picks one whole module from its Option array.
struct OptionWindow {
    std::string_view name;
    QuizKinds quizKinds;
    std::span<const ModuleOption> options; // in index order

    const ModuleOption& Option(int index) const;
};

std::span<const ChecklistWindow> ChecklistWindows();
std::span<const OptionWindow> OptionWindows();

// Look-ups by window name; nullptr for a name the catalogue lacks.
const ChecklistWindow* FindChecklistWindow(std::string_view name);
const OptionWindow* FindOptionWindow(std::string_view name);

// Hebrew stems and principal-part tenses, in box order.
std::span<const ThemeBox> HebrewStems();
std::span<const ThemeBox> PrincipalPartTenses();

// The filter a checklist window builds for its ticked boxes (in any order)
// and its cleared theme boxes. nullopt when no ticked box adds a term, which
// the window treats like an empty selection.
std::optional<std::string> ChecklistFilter(const ChecklistWindow& window, std::span<const int> tickedBoxes,
                                           std::span<const int> clearedThemeBoxes = {});

// The filter an option window builds for the chosen option.
std::string OptionFilter(const ModuleOption& option);

// "Module = '" + module + "'", the start of every filter.
std::string ModuleClause(std::string_view module);

} // namespace lumenary::catalogue

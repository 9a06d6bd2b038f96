// SPDX-License-Identifier: GPL-3.0-or-later
#include "GreekKeystrokes.h"

#include <optional>
#include <vector>

namespace lumenary {

namespace {

constexpr std::string_view LetterKeys = "abgdezhqiklmnxoprstufcyw";
constexpr std::u16string_view Letters = u"αβγδεζηθικλμνξοπρστυφχψω";

constexpr char16_t Smooth = u'\u0313';
constexpr char16_t Rough = u'\u0314';
constexpr char16_t Acute = u'\u0301';
constexpr char16_t Grave = u'\u0300';
constexpr char16_t Circumflex = u'\u0342';
constexpr char16_t IotaSubscript = u'\u0345';

// The marks one key writes; a zero is "none".
struct Marks {
    char16_t breathing = 0;
    char16_t accent = 0;
    char16_t iota = 0;

    void Add(const Marks& other)
    {
        breathing = other.breathing ? other.breathing : breathing;
        accent = other.accent ? other.accent : accent;
        iota = other.iota ? other.iota : iota;
    }
    bool Any() const { return breathing || accent || iota; }
};

std::optional<Marks> MarksOf(char key)
{
    switch (key) {
    case 'v': return Marks{Smooth, 0, 0};
    case '`': return Marks{Rough, 0, 0};
    case ',': return Marks{0, Acute, 0};
    case '.': return Marks{0, Grave, 0};
    case '/': return Marks{0, Circumflex, 0};
    case '|': return Marks{0, 0, IotaSubscript};
    case ';': return Marks{Smooth, Acute, 0};
    case '\'': return Marks{Smooth, Grave, 0};
    case '=': return Marks{Smooth, Circumflex, 0};
    case ']': return Marks{Rough, Acute, 0};
    case '[': return Marks{Rough, Grave, 0};
    case '-': return Marks{Rough, Circumflex, 0};
    default: return std::nullopt;
    }
}

std::optional<char16_t> LetterOf(char key)
{
    if (key == 'j')
        return u'ς';
    const bool capital = key >= 'A' && key <= 'Z';
    const char lower = capital ? static_cast<char>(key - 'A' + 'a') : key;
    const auto at = LetterKeys.find(lower);
    if (at == std::string_view::npos)
        return std::nullopt;
    const char16_t letter = Letters[at];
    // Greek capitals lie 32 below their small letters, final sigma aside.
    return capital ? static_cast<char16_t>(letter - 32) : letter;
}

bool TakesMarks(char16_t letter)
{
    return std::u16string_view(u"αεηιουωρΑΕΗΙΟΥΩΡ").find(letter) != std::u16string_view::npos;
}

bool IsCapital(char16_t letter)
{
    return letter >= u'Α' && letter <= u'Ω';
}

// A letter and the marks written for it, or one character passed through.
struct Cluster {
    char16_t character;
    Marks marks;
};

} // namespace

QString GreekFromKeystrokes(std::string_view keystrokes)
{
    std::vector<Cluster> clusters;
    Marks pending; // marks written before a capital
    for (std::size_t at = 0; at < keystrokes.size(); ++at) {
        const char key = keystrokes[at];
        if (const auto letter = LetterOf(key)) {
            clusters.push_back({*letter, {}});
            if (pending.Any() && IsCapital(*letter) && TakesMarks(*letter))
                clusters.back().marks = pending;
            pending = {};
            continue;
        }
        if (const auto marks = MarksOf(key)) {
            const bool followsVowel = !clusters.empty() && TakesMarks(clusters.back().character) && !pending.Any();
            if (followsVowel) {
                clusters.back().marks.Add(*marks);
                continue;
            }
            const auto next = at + 1 < keystrokes.size() ? LetterOf(keystrokes[at + 1]) : std::nullopt;
            if (next && IsCapital(*next)) {
                pending.Add(*marks);
                continue;
            }
        }
        if (key == '$' || key == '%') {
            clusters.push_back({key == '$' ? u'(' : u')', {}});
            continue;
        }
        clusters.push_back({static_cast<char16_t>(static_cast<unsigned char>(key)), {}});
    }

    QString decomposed;
    for (const auto& [character, marks] : clusters) {
        decomposed += QChar(character);
        // Breathing before accent, as the canonical decompositions have them.
        for (const char16_t mark : {marks.breathing, marks.accent, marks.iota})
            if (mark)
                decomposed += QChar(mark);
    }
    return decomposed.normalized(QString::NormalizationForm_C);
}

} // namespace lumenary

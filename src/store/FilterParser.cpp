// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilterParser.h"

#include "QuotedText.h"
#include "StoreError.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace lumenary {

namespace {

struct Token {
    enum class Kind { Word, Text, Number, Symbol, End };
    Kind kind = Kind::End;
    std::string text;      // the word, the unquoted text, the symbol
    std::int64_t number = 0;
    std::size_t offset = 0;
};

// SQLite refuses an expression nested deeper than about 35 parentheses or
// longer than 1000 terms; the compiled condition nests one level for each
// "and" or "or" group. Filters within these bounds always compile to SQL that
// runs, and the filters of the selection windows are far within them.
constexpr int MaxNesting = 12;
constexpr int MaxComparisons = 500;

bool IsWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string Lower(std::string_view word)
{
    std::string lower(word);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) { Advance(); }

    FilterNode ParseWhole()
    {
        FilterNode node = ParseOr();
        if (token_.kind != Token::Kind::End)
            Fail("unexpected \"" + Shortened(token_.text) + "\"");
        return node;
    }

private:
    FilterNode ParseOr()
    {
        return ParseJoined("or", &Parser::ParseAnd, FilterNode::Kind::Or);
    }

    FilterNode ParseAnd()
    {
        return ParseJoined("and", &Parser::ParsePrimary, FilterNode::Kind::And);
    }

    FilterNode ParseJoined(std::string_view keyword, FilterNode (Parser::*operand)(), FilterNode::Kind kind)
    {
        FilterNode first = (this->*operand)();
        if (!IsKeyword(keyword))
            return first;
        FilterNode joined{.kind = kind, .field = {}, .values = {}, .children = {}, .offset = first.offset};
        joined.children.push_back(std::move(first));
        while (IsKeyword(keyword)) {
            Advance();
            joined.children.push_back((this->*operand)());
        }
        return joined;
    }

    FilterNode ParsePrimary()
    {
        if (IsSymbol("(")) {
            if (++nesting_ > MaxNesting)
                Fail("parentheses are nested more than " + std::to_string(MaxNesting) + " deep");
            Advance();
            FilterNode inner = ParseOr();
            Expect(")");
            --nesting_;
            return inner;
        }
        if (token_.kind != Token::Kind::Word || IsKeyword("and") || IsKeyword("or") || IsKeyword("not"))
            Fail(token_.kind == Token::Kind::End ? "a condition is missing at the end"
                                                 : "a field name is expected before \""
                                                       + Shortened(token_.text) + "\"");
        if (++comparisons_ > MaxComparisons)
            Fail("there are more than " + std::to_string(MaxComparisons) + " comparisons");
        FilterNode node;
        node.field = token_.text;
        node.offset = token_.offset;
        Advance();
        if (IsSymbol("=")) {
            Advance();
            node.kind = FilterNode::Kind::Equals;
            node.values.push_back(ParseValue());
            return node;
        }
        if (IsKeyword("not")) {
            Advance();
            if (!IsKeyword("in"))
                Fail("\"In\" is expected after \"Not\"");
            Advance();
            Expect("(");
            node.kind = FilterNode::Kind::NotIn;
            node.values.push_back(ParseValue());
            while (IsSymbol(",")) {
                Advance();
                node.values.push_back(ParseValue());
            }
            Expect(")");
            return node;
        }
        Fail("\"=\" or \"Not In\" is expected after " + Shortened(node.field));
    }

    FieldValue ParseValue()
    {
        FieldValue value;
        if (token_.kind == Token::Kind::Text)
            value = token_.text;
        else if (token_.kind == Token::Kind::Number)
            value = token_.number;
        else
            Fail("a quoted text or a number is expected");
        Advance();
        return value;
    }

    void Expect(std::string_view symbol)
    {
        if (!IsSymbol(symbol))
            Fail("\"" + std::string(symbol) + "\" is expected");
        Advance();
    }

    bool IsSymbol(std::string_view symbol) const { return token_.kind == Token::Kind::Symbol && token_.text == symbol; }
    bool IsKeyword(std::string_view keyword) const
    {
        return token_.kind == Token::Kind::Word && Lower(token_.text) == keyword;
    }

    void Advance()
    {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
        token_ = Token{};
        token_.offset = pos_;
        if (pos_ == text_.size())
            return;
        const char c = text_[pos_];
        if (c == '\'') {
            ReadText();
        } else if (IsDigit(c) || (c == '-' && pos_ + 1 < text_.size() && IsDigit(text_[pos_ + 1]))) {
            ReadNumber();
        } else if (IsWordStart(c)) {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && IsWordChar(text_[pos_]))
                ++pos_;
            token_.kind = Token::Kind::Word;
            token_.text = text_.substr(start, pos_ - start);
        } else if (std::string_view("()=,").find(c) != std::string_view::npos) {
            token_.kind = Token::Kind::Symbol;
            token_.text = std::string(1, c);
            ++pos_;
        } else {
            token_.text = CharacterAt(text_, pos_);
            Fail("the character \"" + Readable(token_.text) + "\" is not understood");
        }
    }

    // A quoted text; a doubled quote stands for one quote.
    void ReadText()
    {
        ++pos_;
        std::string value;
        while (true) {
            if (pos_ >= text_.size())
                Fail("a quoted text is not closed");
            if (text_[pos_] == '\'') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                    value += '\'';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                break;
            }
            value += text_[pos_++];
        }
        token_.kind = Token::Kind::Text;
        token_.text = std::move(value);
    }

    void ReadNumber()
    {
        const std::size_t start = pos_;
        ++pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_]))
            ++pos_;
        token_.kind = Token::Kind::Number;
        token_.text = text_.substr(start, pos_ - start);
        const auto [end, error] = std::from_chars(text_.data() + start, text_.data() + pos_, token_.number);
        if (error != std::errc())
            Fail("the number " + Shortened(token_.text) + " is too large");
    }

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw FilterError("The quiz filter \"" + Excerpt(text_, token_.offset) + "\" cannot be read: " + what
                          + " at position " + std::to_string(CharacterPosition(text_, token_.offset)) + ".");
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    Token token_;
    int nesting_ = 0;
    int comparisons_ = 0;
};

} // namespace

FilterNode ParseFilter(std::string_view text)
{
    return Parser(text).ParseWhole();
}

std::string QuotedFilterText(std::string_view text)
{
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'')
            quoted += '\'';
        quoted += c;
    }
    return quoted + "'";
}

} // namespace lumenary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldValue.h"

#include <charconv>
#include <cmath>

namespace lumenary {

bool IsNull(const FieldValue& value)
{
    return std::holds_alternative<std::monostate>(value);
}

std::string FieldText(const FieldValue& value)
{
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return std::to_string(*number);
    if (const auto* real = std::get_if<double>(&value)) {
        std::string text = std::to_string(*real);
        text.erase(text.find_last_not_of('0') + 1);
        if (!text.empty() && text.back() == '.')
            text.pop_back();
        return text;
    }
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    return {};
}

std::int64_t FieldNumber(const FieldValue& value)
{
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return *number;
    if (const auto* real = std::get_if<double>(&value))
        return static_cast<std::int64_t>(std::llround(*real));
    if (const auto* text = std::get_if<std::string>(&value)) {
        std::int64_t number = 0;
        const char* first = text->data();
        while (first != text->data() + text->size() && *first == ' ')
            ++first;
        std::from_chars(first, text->data() + text->size(), number);
        return number;
    }
    return 0;
}

} // namespace lumenary

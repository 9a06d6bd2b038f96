// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <deque>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumenary {

class RecordSet;

// The row id and the English, French and Hebrew texts of every pool record,
// each distinct text numbered once, so that the multiple-choice quiz compares
// numbers rather than strings while it hunts for wrong answers.
class PoolTexts {
public:
    static constexpr int None = -1; // a null field, or a text no pool record has

    enum Field { English, French, Hebrew };

    // Reads the three fields of the whole pool in one query.
    void Read(const RecordSet& pool);

    std::size_t Size() const { return fields_[English].size(); }
    std::size_t TextCount() const { return texts_.size(); }
    std::int64_t RowId(std::size_t position) const { return rowIds_[position]; }
    int TextId(Field field, std::size_t position) const { return fields_[field][position]; }
    const std::string& Text(int id) const { return texts_[static_cast<std::size_t>(id)]; }
    // The number of a text, or None when no pool record holds it.
    int Find(const std::optional<std::string>& text) const;

    // The positions whose field holds the text, in pool order.
    const std::vector<std::size_t>& WithEnglish(int id) const;
    const std::vector<std::size_t>& WithHebrew(int id) const;

private:
    int Intern(std::string_view text);

    std::vector<std::int64_t> rowIds_;
    std::vector<int> fields_[3];
    std::deque<std::string> texts_; // never moved, so the keys below stay valid
    std::unordered_map<std::string_view, int> ids_;
    std::vector<std::vector<std::size_t>> byEnglish_;
    std::vector<std::vector<std::size_t>> byHebrew_;
};

} // namespace lumenary

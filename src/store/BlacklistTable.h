// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldValue.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lumenary {

class QuestionDatabase;

// The "Blacklist" table of the question database: rows of an English and a
// Hebrew text. Changes are written in bulk, each change in one transaction.
class BlacklistTable {
public:
    struct Row {
        std::int64_t rowId;
        FieldValue english;
    };
    explicit BlacklistTable(std::shared_ptr<QuestionDatabase> database) : database_(std::move(database)) {}

    // Every row, in stored order.
    std::vector<Row> Rows() const;

    // Deletes the listed rows (every row when `removeAll`), then appends a
    // copy of the English and Hebrew of each listed row of `source`, in one
    // transaction and in two statements. Returns the row ids of the appended
    // rows, in order. Throws SQLite::Exception and changes nothing when the
    // file cannot be written or a source row is gone.
    std::vector<std::int64_t> Rewrite(const std::vector<std::int64_t>& remove, bool removeAll,
                                      const std::string& source, const std::vector<std::int64_t>& copy);

private:
    std::shared_ptr<QuestionDatabase> database_;
};

} // namespace lumenary

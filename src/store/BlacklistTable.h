#pragma once

#include "FieldValue.h"

#include <cstdint>
#include <memory>
#include <utility>
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
    using Texts = std::pair<FieldValue, FieldValue>; // English, Hebrew

    explicit BlacklistTable(std::shared_ptr<QuestionDatabase> database) : database_(std::move(database)) {}

    // Every row, in stored order.
    std::vector<Row> Rows() const;

    // Deletes the listed rows (every row when `removeAll`), then appends one
    // row for each pair of texts, all in one transaction. Returns the row ids
    // of the appended rows, in order. Throws SQLite::Exception and changes
    // nothing when the file cannot be written.
    std::vector<std::int64_t> Rewrite(const std::vector<std::int64_t>& remove, bool removeAll,
                                      const std::vector<Texts>& append);

private:
    std::shared_ptr<QuestionDatabase> database_;
};

} // namespace lumenary

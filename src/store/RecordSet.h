// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldValue.h"
#include "FilterSql.h"

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace SQLite {
class Statement;
}

namespace lumenary {

class QuestionDatabase;

// A cursor over the rows of one table, or over the rows a filter selects, in
// stored order (by ID). Which rows belong to the set is read once; each row's
// fields are read when the row is first used and then kept. Writes go to the
// file at once and to the kept rows, which clones share.
class RecordSet {
public:
    // All rows of a table. Nothing is read until the set is first used.
    static RecordSet OpenTable(std::shared_ptr<QuestionDatabase> database, std::string table);

    // The rows of this set's table that a filter selects, as a new set; with
    // `ids`, only those of the rows whose ID is among them.
    // Throws FilterError for a filter that does not parse or names an unknown field.
    RecordSet Filtered(const std::string& filterText,
                       const std::optional<std::vector<std::int64_t>>& ids = std::nullopt) const;

    // An independent cursor over the same rows, positioned on the first.
    RecordSet Clone() const;

    void MoveFirst();
    void MoveNext();
    void MoveLast(); // throws NoCurrentRecord on an empty set
    void Move(std::size_t rows);

    // Reads the fields of every row not read yet, in one pass over the file,
    // for a caller that is about to use them all.
    void ReadAll() const;

    std::size_t RecordCount() const;
    // The row ids of the set's rows, in set order.
    const std::vector<std::int64_t>& RowIds() const;
    std::size_t Position() const { return position_; }
    bool AtEnd() const;

    // Throws NoCurrentRecord past the last row; StoreError for an unknown field.
    FieldValue Field(std::string_view name) const;

    // Editing: Edit (or AddNew), SetField for each field, Update writes the row.
    // Reading or updating a row that another program has deleted throws RecordRemoved.
    void Edit();
    void AddNew();
    void SetField(std::string_view name, FieldValue value);
    void Update();
    void Delete();

    // Writes the same values into every row of the set at once, as a pass of
    // Edit, SetField and Update over each row would, in one statement.
    void UpdateAll(const std::vector<std::pair<std::string, FieldValue>>& fields);

    // The named fields of every row of the set, one vector per field in set
    // order, read in one query without filling the cache.
    std::vector<std::vector<FieldValue>> ReadColumns(const std::vector<std::string>& names) const;

    // The same as text, without copying: visit(position, fields) for every
    // row of the set, the fields in the order named (none for a null). The
    // texts live only during the call. A row another program removed is
    // not visited.
    using TextFields = std::span<const std::optional<std::string_view>>;
    void VisitTexts(const std::vector<std::string>& names,
                    const std::function<void(std::size_t, TextFields)>& visit) const;

    // Positions on the first row that satisfies a criterion such as "ID = 417";
    // returns false, keeping the position, when no row does.
    bool FindFirst(const std::string& criterion);

private:
    // Runs visit(position, row) for every row of the set, the row holding the
    // row id and then the named fields.
    void VisitRows(const std::vector<std::string>& names,
                   const std::function<void(std::size_t, const SQLite::Statement&)>& visit) const;

    struct Rows;
    enum class EditMode { None, Edit, AddNew };

    explicit RecordSet(std::shared_ptr<Rows> rows);
    void Load() const;
    std::size_t ColumnIndex(std::string_view name) const;
    void CheckCurrent() const;
    std::vector<FieldValue>& CurrentRow() const;

    std::shared_ptr<Rows> rows_;
    std::size_t position_ = 0;
    EditMode editMode_ = EditMode::None;
    std::map<std::size_t, FieldValue> pending_;
};

} // namespace lumenary

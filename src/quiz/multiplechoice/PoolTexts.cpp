#include "PoolTexts.h"

#include "RecordSet.h"

namespace lumenary {

namespace {

const std::vector<std::size_t> NoPositions;

} // namespace

void PoolTexts::Read(const RecordSet& pool)
{
    texts_.clear();
    ids_.clear();
    rowIds_ = pool.RowIds();
    const auto columns = pool.ReadColumns({"English", "French", "Hebrew"});
    for (int field : {English, French, Hebrew}) {
        auto& ids = fields_[field];
        ids.clear();
        ids.reserve(columns[field].size());
        for (const auto& value : columns[field])
            ids.push_back(IsNull(value) ? None : Intern(FieldText(value)));
    }
    byEnglish_.assign(texts_.size(), {});
    byHebrew_.assign(texts_.size(), {});
    for (std::size_t position = 0; position < Size(); ++position) {
        if (const int id = fields_[English][position]; id != None)
            byEnglish_[static_cast<std::size_t>(id)].push_back(position);
        if (const int id = fields_[Hebrew][position]; id != None)
            byHebrew_[static_cast<std::size_t>(id)].push_back(position);
    }
}

int PoolTexts::Intern(const std::string& text)
{
    const auto [found, added] = ids_.try_emplace(text, static_cast<int>(texts_.size()));
    if (added)
        texts_.push_back(text);
    return found->second;
}

int PoolTexts::Find(const std::optional<std::string>& text) const
{
    if (!text)
        return None;
    const auto found = ids_.find(*text);
    return found == ids_.end() ? None : found->second;
}

const std::vector<std::size_t>& PoolTexts::WithEnglish(int id) const
{
    return id == None ? NoPositions : byEnglish_[static_cast<std::size_t>(id)];
}

const std::vector<std::size_t>& PoolTexts::WithHebrew(int id) const
{
    return id == None ? NoPositions : byHebrew_[static_cast<std::size_t>(id)];
}

} // namespace lumenary

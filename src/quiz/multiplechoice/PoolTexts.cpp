// SPDX-License-Identifier: GPL-3.0-or-later
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
    for (auto& ids : fields_)
        ids.assign(rowIds_.size(), None);
    ids_.reserve(rowIds_.size());
    pool.VisitTexts({"English", "French", "Hebrew"}, [this](std::size_t position, RecordSet::TextFields fields) {
        for (const int field : {English, French, Hebrew})
            if (const auto& text = fields[static_cast<std::size_t>(field)])
                fields_[field][position] = Intern(*text);
    });
    byEnglish_.assign(texts_.size(), {});
    byHebrew_.assign(texts_.size(), {});
    for (std::size_t position = 0; position < Size(); ++position) {
        if (const int id = fields_[English][position]; id != None)
            byEnglish_[static_cast<std::size_t>(id)].push_back(position);
        if (const int id = fields_[Hebrew][position]; id != None)
            byHebrew_[static_cast<std::size_t>(id)].push_back(position);
    }
}

int PoolTexts::Intern(std::string_view text)
{
    if (const auto found = ids_.find(text); found != ids_.end())
        return found->second;
    const int id = static_cast<int>(texts_.size());
    ids_.emplace(texts_.emplace_back(text), id);
    return id;
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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace lumenary {

// A question-store failure with a message fit to show the user as it stands.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reading a field or writing a row while the record set has no current row.
class NoCurrentRecord : public StoreError {
public:
    NoCurrentRecord() : StoreError("No current record.") {}
};

// A record of a set that another program has deleted from the file.
class RecordRemoved : public StoreError {
public:
    using StoreError::StoreError;
};

// A filter text that does not parse or names a field the table lacks.
class FilterError : public StoreError {
public:
    using StoreError::StoreError;
};

} // namespace lumenary

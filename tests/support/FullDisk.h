// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lumenary::test {

// A disk that fills up on demand. While an instance lives, SQLite opens files
// through a layer over its default file system, and while the disk is full
// every write fails with SQLITE_FULL, as SQLite reports a system's "no space
// left on device". Reads and locks go on working. Open the database after
// making the instance, and close it before the instance goes.
class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    void SetFull(bool full);
};

} // namespace lumenary::test

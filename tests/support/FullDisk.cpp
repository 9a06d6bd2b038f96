// SPDX-License-Identifier: GPL-3.0-or-later
#include "FullDisk.h"

#include <sqlite3.h>

#include <atomic>
#include <stdexcept>

namespace lumenary::test {

namespace {

sqlite3_vfs* realVfs = nullptr;
sqlite3_vfs fullDiskVfs;
std::atomic<bool> diskFull = false;

// The layer's file: SQLite allocates it with room for the real file after it.
struct LayerFile {
    sqlite3_file base;
    sqlite3_file* real;
};

sqlite3_file* Real(sqlite3_file* file)
{
    return reinterpret_cast<LayerFile*>(file)->real;
}

const sqlite3_io_methods* RealMethods(sqlite3_file* file)
{
    return Real(file)->pMethods;
}

int Write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset)
{
    if (diskFull)
        return SQLITE_FULL;
    return RealMethods(file)->xWrite(Real(file), data, amount, offset);
}

// Everything but writing passes straight through.
const sqlite3_io_methods layerMethods = {
    3,
    [](sqlite3_file* f) { return RealMethods(f)->xClose(Real(f)); },
    [](sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
        return RealMethods(f)->xRead(Real(f), data, amount, offset);
    },
    Write,
    [](sqlite3_file* f, sqlite3_int64 size) { return RealMethods(f)->xTruncate(Real(f), size); },
    [](sqlite3_file* f, int flags) { return RealMethods(f)->xSync(Real(f), flags); },
    [](sqlite3_file* f, sqlite3_int64* size) { return RealMethods(f)->xFileSize(Real(f), size); },
    [](sqlite3_file* f, int lock) { return RealMethods(f)->xLock(Real(f), lock); },
    [](sqlite3_file* f, int lock) { return RealMethods(f)->xUnlock(Real(f), lock); },
    [](sqlite3_file* f, int* reserved) { return RealMethods(f)->xCheckReservedLock(Real(f), reserved); },
    [](sqlite3_file* f, int op, void* arg) { return RealMethods(f)->xFileControl(Real(f), op, arg); },
    [](sqlite3_file* f) { return RealMethods(f)->xSectorSize(Real(f)); },
    [](sqlite3_file* f) { return RealMethods(f)->xDeviceCharacteristics(Real(f)); },
    [](sqlite3_file* f, int region, int size, int extend, void volatile** map) {
        return RealMethods(f)->xShmMap(Real(f), region, size, extend, map);
    },
    [](sqlite3_file* f, int offset, int n, int flags) { return RealMethods(f)->xShmLock(Real(f), offset, n, flags); },
    [](sqlite3_file* f) { RealMethods(f)->xShmBarrier(Real(f)); },
    [](sqlite3_file* f, int deleteFlag) { return RealMethods(f)->xShmUnmap(Real(f), deleteFlag); },
    [](sqlite3_file* f, sqlite3_int64 offset, int amount, void** page) {
        return RealMethods(f)->xFetch(Real(f), offset, amount, page);
    },
    [](sqlite3_file* f, sqlite3_int64 offset, void* page) { return RealMethods(f)->xUnfetch(Real(f), offset, page); },
};

int Open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags)
{
    auto* layer = reinterpret_cast<LayerFile*>(file);
    layer->real = reinterpret_cast<sqlite3_file*>(layer + 1);
    const int result = realVfs->xOpen(realVfs, name, layer->real, flags, outFlags);
    file->pMethods = layer->real->pMethods ? &layerMethods : nullptr;
    return result;
}

} // namespace

FullDisk::FullDisk()
{
    realVfs = sqlite3_vfs_find(nullptr);
    fullDiskVfs = *realVfs;
    fullDiskVfs.zName = "lumenary-full-disk";
    fullDiskVfs.pNext = nullptr;
    fullDiskVfs.szOsFile = static_cast<int>(sizeof(LayerFile)) + realVfs->szOsFile;
    fullDiskVfs.xOpen = Open;
    if (realVfs->iVersion < 3 || sqlite3_vfs_register(&fullDiskVfs, 1) != SQLITE_OK)
        throw std::runtime_error("the full-disk layer cannot be put over SQLite's file system");
}

FullDisk::~FullDisk()
{
    diskFull = false;
    sqlite3_vfs_unregister(&fullDiskVfs);
}

void FullDisk::SetFull(bool full)
{
    diskFull = full;
}

} // namespace lumenary::test

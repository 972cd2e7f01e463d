#pragma once

#include "core/NTextTable.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace quelvan {

// A profile's column as loaded from a shared table (defined with the profiles).
struct LoadedColumn;

// A file read whole into a table (every field of every line), as a profile on one of its columns
// reads it, or why it did not read; and the columns profiles loaded from it, each loaded once.
struct SharedTable {
    bool read = false; // false: FileFault() of the table says why
    NTextTable table;

    // The column loaded under that key (what the profile asked for); null when none yet.
    std::shared_ptr<const LoadedColumn> Column(const std::string& key) const;
    void KeepColumn(const std::string& key, std::shared_ptr<const LoadedColumn> column) const;

private:
    mutable std::mutex mutex_;
    mutable std::map<std::string, std::shared_ptr<const LoadedColumn>> columns_;
};

// The weather files of a study, each read once and shared by every variant and every column
// that reads it (a week reads five columns of its file, the annual balance as many again). The
// variants run on several threads: a file is read by the first that asks for it, the others
// wait for it. A file that changes while the study runs is not read again.
class WeatherTableCache {
public:
    std::shared_ptr<const SharedTable> Table(const std::string& path);

private:
    std::mutex mutex_;
    std::map<std::string, std::shared_ptr<const SharedTable>> tables_;
};

} // namespace quelvan

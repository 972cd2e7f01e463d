#include "engine/WeatherTableCache.h"

namespace quelvan {

std::shared_ptr<const LoadedColumn> SharedTable::Column(const std::string& key) const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto found = columns_.find(key);
    return found != columns_.end() ? found->second : nullptr;
}

void SharedTable::KeepColumn(
    const std::string& key, std::shared_ptr<const LoadedColumn> column) const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    columns_.emplace(key, std::move(column));
}

std::shared_ptr<const SharedTable> WeatherTableCache::Table(const std::string& path)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    std::shared_ptr<const SharedTable>& entry = tables_[path];
    if (!entry) {
        auto table = std::make_shared<SharedTable>();
        table->read = table->table.Read(path, -1);
        entry = std::move(table);
    }
    return entry;
}

} // namespace quelvan

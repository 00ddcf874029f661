#include "api/connections.h"

#include <atomic>
#include <map>
#include <mutex>

namespace korvex::connections {
namespace {

struct Table {
    std::mutex lock;  // cheap insurance: hosts are asked not to open and close while calling
    std::map<int, Record> records;
    std::atomic<int> nextHandle{1};
};

Table& table()
{
    static Table instance;
    return instance;
}

}  // namespace

int add(Record record)
{
    Table& t = table();
    const int handle = t.nextHandle.fetch_add(1);
    std::lock_guard<std::mutex> guard(t.lock);
    t.records[handle] = std::move(record);
    return handle;
}

Record find(int handle)
{
    Table& t = table();
    std::lock_guard<std::mutex> guard(t.lock);
    const auto it = t.records.find(handle);
    return it == t.records.end() ? nullptr : it->second;
}

bool remove(int handle)
{
    Record gone;  // freed outside the lock
    Table& t = table();
    std::lock_guard<std::mutex> guard(t.lock);
    const auto it = t.records.find(handle);
    if (it == t.records.end())
        return false;
    gone = std::move(it->second);
    t.records.erase(it);
    return true;
}

}  // namespace korvex::connections

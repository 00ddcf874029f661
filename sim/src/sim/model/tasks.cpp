#include "sim/model/tasks.h"

namespace korvex::sim {

void Tasks::record(const Task& task)
{
    if (const auto old = tasks_.find(task.id); old != tasks_.end())
        order_.erase(old->second.arrival);
    tasks_[task.id] = Kept{arrivals_, task};
    order_[arrivals_++] = task.id;
    if (order_.size() > kKept) {
        tasks_.erase(order_.begin()->second);
        order_.erase(order_.begin());
    }
}

const Task* Tasks::find(std::uint32_t id) const
{
    const auto it = tasks_.find(id);
    return it == tasks_.end() ? nullptr : &it->second.task;
}

}  // namespace korvex::sim

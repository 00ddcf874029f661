#include "task_follow.h"

#include <thread>

#include "korvex3/korvex3.h"

namespace korvex3_cli {

FollowResult followTask(Console& console, int handle, korvex3_u16 timeout, korvex3_u32 task,
                        const FollowLimits& limits)
{
    FollowResult result;
    int failures = 0;
    bool announced = false;
    for (int query = 0; query < limits.queries; ++query) {
        if (query > 0)
            std::this_thread::sleep_for(limits.pause);
        const char* out = nullptr;
        result.lastCode = korvex3_fremu_query(handle, timeout, task, out);
        const auto verdict = result.lastCode == korvex3::kOk ? verdictOf(out) : std::nullopt;
        if (!verdict) {
            if (++failures >= limits.failuresInARow) {
                result.end = FollowResult::End::NoAnswer;
                return result;
            }
            continue;
        }
        failures = 0;
        result.verdict = *verdict;
        if (verdict->accepted()) {
            result.end = FollowResult::End::Finished;
            return result;
        }
        if (!verdict->running()) {
            result.end = FollowResult::End::Failed;
            return result;
        }
        if (!announced)
            console.err << "task " << task << ": the register is still working on it; asking again\n";
        announced = true;
        result.end = FollowResult::End::StillRunning;
    }
    return result;
}

}  // namespace korvex3_cli

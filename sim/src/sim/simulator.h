#pragma once
// The simulated register, in-process: it listens on 127.0.0.1 (an ephemeral port unless told
// otherwise), serves each connection on a thread of its own and needs no Qt event loop.
//
//   korvex::sim::Simulator register_;
//   register_.start();
//   korvex3_open(register_.address().c_str(), 1000, out);
//   register_.faults().add({korvex::sim::FaultKind::kBadCrc});      // the next reply
//   register_.withState([](auto& s) { return s.shift.cash; });

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "sim/faults/fault_plan.h"
#include "sim/handlers/context.h"
#include "sim/model/register_state.h"
#include "sim/net/server.h"
#include "sim/store/state_file.h"

namespace korvex::sim {

struct Options {
    std::string host = "127.0.0.1";
    std::uint16_t port = 0;    // 0: an ephemeral port
    std::string stateFile;     // empty: nothing is kept across restarts
    bool verbose = false;      // one line per request and reply
    bool registered = true;    // false: a fresh register that needs registration first
    Settings settings;
    // Receives the verbose lines and failures to save the state; standard error by default.
    std::function<void(const std::string&)> log;
};

class Simulator {
public:
    explicit Simulator(Options options = {});
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Loads the state file (when one is set), then listens; false with `error` set.
    bool start(std::string* error = nullptr);
    // Closes every connection and joins every thread; start() may not be called again.
    void stop();

    std::uint16_t port() const { return server_.port(); }
    std::string address() const;  // "127.0.0.1:<port>"

    FaultPlan& faults() { return faults_; }
    void setTaskDelay(std::chrono::milliseconds delay);

    // Runs `inspect` on the register's state under the lock every connection takes.
    template <typename F>
    decltype(auto) withState(F&& inspect)
    {
        std::lock_guard<std::mutex> guard(stateLock_);
        return inspect(state_);
    }

private:
    void serve(Link& link);
    void answer(Link& link, int connection, Session& session, const QByteArray& frame, bool& open);
    void log(const std::string& line);

    Options options_;
    std::mutex stateLock_;
    RegisterState state_;
    std::optional<StateFile> stateFile_;
    FaultPlan faults_;
    std::mutex logLock_;
    std::atomic<int> connections_{0};
    Server server_;
};

}  // namespace korvex::sim

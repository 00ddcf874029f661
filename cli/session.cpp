#include "session.h"

#include "exit_status.h"
#include "log_switch.h"
#include "sim/simulator.h"

namespace korvex3_cli {

std::string withDefaultPort(const std::string& address)
{
    const auto colon = address.rfind(':');
    if (!address.empty() && address[0] == '[') {  // [IPv6] or [IPv6]:port
        const auto bracket = address.find(']');
        const bool named = colon != std::string::npos && bracket != std::string::npos && colon > bracket;
        return named ? address : address + ":8080";
    }
    return colon == std::string::npos ? address + ":8080" : address;
}

Session::Session() = default;

Session::~Session()
{
    if (connection_.handle > 0)
        korvex3_close(connection_.handle);  // before the simulator goes away
}

std::optional<int> Session::open(Console& console, const Options& options, bool simulate)
{
    korvex3_initialize();
    if (options.log) {
        const std::string path = raiseLibraryLog();
        console.err << "log: debug records of the library go to "
                    << (path.empty() ? std::string("no file (the library could not open its log file, whose folder's parent "
                                                  "must exist)")
                                    : path)
                    << " and are shown here\n";
    }
    std::string address = options.address;
    if (simulate) {
        simulator_ = std::make_unique<korvex::sim::Simulator>();
        std::string error;
        if (!simulator_->start(&error)) {
            console.err << "the simulated register did not start: " << error << '\n';
            return kExitUnknownCode;
        }
        address = simulator_->address();
        console.err << "simulated register listening on " << address << '\n';
    }
    connection_.timeout = options.timeout;
    connection_.where.address = withDefaultPort(address);
    connection_.where.timeout = options.timeout;
    const char* info = nullptr;
    const int handle = korvex3_open(address.c_str(), options.timeout, info);
    if (handle > 0) {
        connection_.handle = handle;
        return std::nullopt;
    }
    console.err << "opening the connection: " << resultLine(handle, connection_.where, std::nullopt) << '\n';
    return exitStatusOf(handle, false);
}

}  // namespace korvex3_cli

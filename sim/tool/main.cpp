// korvex3-sim: the simulated register as a program, until SIGINT or SIGTERM.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "sim/cli/arguments.h"
#include "sim/simulator.h"

int main(int argc, char** argv)
{
    std::string error;
    const std::vector<std::string> words(argv + 1, argv + argc);
    const std::optional<korvex::sim::Arguments> arguments = korvex::sim::parseArguments(words, error);
    if (!arguments) {
        std::cerr << "korvex3-sim: " << error << "\n\n" << korvex::sim::kUsage;
        return 2;
    }
    if (arguments->help) {
        std::cout << korvex::sim::kUsage;
        return 0;
    }

    // Signals are taken by sigwait below, not by a handler, on every thread started after this.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    korvex::sim::Simulator simulator(arguments->options);
    for (const korvex::sim::Fault& fault : arguments->faults)
        simulator.faults().add(fault);
    if (!simulator.start(&error)) {
        std::cerr << "korvex3-sim: " << error << "\n";
        return 1;
    }
    std::cout << "korvex3-sim listening on " << simulator.address() << std::endl;
    int signal = 0;
    sigwait(&stopSignals, &signal);
    simulator.stop();
    return 0;
}

#include "tool_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace cli_tests {

namespace {

// A file that is removed when this goes away; the child writes into or reads from it.
class ScratchFile {
public:
    ScratchFile()
    {
        char name[] = "/tmp/korvex3-cli-test-XXXXXX";
        descriptor_ = mkstemp(name);
        path_ = name;
    }
    ~ScratchFile()
    {
        if (descriptor_ >= 0)
            close(descriptor_);
        unlink(path_.c_str());
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    int descriptor() const { return descriptor_; }

    std::string read() const
    {
        std::string text;
        char buffer[4096];
        lseek(descriptor_, 0, SEEK_SET);
        for (ssize_t n; (n = ::read(descriptor_, buffer, sizeof buffer)) > 0;)
            text.append(buffer, std::size_t(n));
        return text;
    }

    void write(const std::string& text) const
    {
        if (!text.empty() && ::write(descriptor_, text.data(), text.size()) != ssize_t(text.size()))
            std::perror("scratch file");
        lseek(descriptor_, 0, SEEK_SET);
    }

private:
    int descriptor_ = -1;
    std::string path_;
};

}  // namespace

ToolRun runTool(const std::vector<std::string>& arguments, const std::string& input)
{
    ScratchFile in, out, err;
    in.write(input);
    std::vector<char*> argv;
    std::string program = KORVEX3_CLI_PROGRAM;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    ToolRun run;
    const pid_t child = fork();
    if (child < 0)
        return run;
    if (child == 0) {
        dup2(in.descriptor(), STDIN_FILENO);
        dup2(out.descriptor(), STDOUT_FILENO);
        dup2(err.descriptor(), STDERR_FILENO);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.out = out.read();
    run.err = err.read();
    return run;
}

}  // namespace cli_tests

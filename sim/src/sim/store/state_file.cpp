#include "sim/store/state_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

#include "sim/store/state_json.h"

namespace korvex::sim {
namespace {

bool writeAll(int fd, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += std::size_t(n);
    }
    return true;
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the rename itself durable.
void syncFolder(const std::string& path)
{
    const int fd = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

}  // namespace

bool StateFile::load(RegisterState& state, std::string& error) const
{
    std::ifstream in(path_, std::ios::binary);
    if (!in) {
        if (access(path_.c_str(), F_OK) != 0 && errno == ENOENT)
            return true;
        error = "cannot read " + path_ + ": " + std::strerror(errno);
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    const Json document = Json::parse(text.str(), nullptr, false);
    if (document.is_discarded()) {
        error = path_ + " is not JSON";
        return false;
    }
    if (!restoreKeptState(document, state, error)) {
        error = path_ + ": " + error;
        return false;
    }
    return true;
}

bool StateFile::save(const RegisterState& state, std::string& error) const
{
    const std::string text = keptState(state).dump(1, ' ', false, Json::error_handler_t::replace) + "\n";
    const std::string temporary = temporaryPath();
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = "cannot write " + temporary + ": " + std::strerror(errno);
        return false;
    }
    const bool written = writeAll(fd, text) && fsync(fd) == 0;
    const int savedErrno = errno;
    close(fd);
    if (!written || rename(temporary.c_str(), path_.c_str()) != 0) {
        error = "cannot save " + path_ + ": " + std::strerror(written ? errno : savedErrno);
        unlink(temporary.c_str());
        return false;
    }
    syncFolder(path_);
    return true;
}

}  // namespace korvex::sim

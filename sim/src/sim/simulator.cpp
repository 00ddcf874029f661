#include "sim/simulator.h"

#include <iostream>

#include "sim/handlers/dispatcher.h"
#include "sim/net/delivery.h"
#include "sim/wire/describe.h"
#include "sim/wire/frame_codec.h"

namespace korvex::sim {
namespace {

inline constexpr int kConfigurationSize = 1000;

// An opaque block with a readable head, the same in every run.
QByteArray configurationBlock()
{
    QByteArray block("KORVEX-CONFIG 1\n");
    for (int i = block.size(); i < kConfigurationSize; ++i)
        block.append(char((i * 7 + 3) & 0xFF));
    return block;
}

void unregister(FiscalSetup& fiscal)
{
    fiscal.registered = false;
    fiscal.regnum.clear();
    fiscal.registrations = 0;
    fiscal.registrationsLeft = 30;
}

}  // namespace

Simulator::Simulator(Options options) : options_(std::move(options))
{
    state_.configuration = configurationBlock();
    if (!options_.registered)
        unregister(state_.fiscal);
    if (!options_.stateFile.empty())
        stateFile_.emplace(options_.stateFile);
}

Simulator::~Simulator() { stop(); }

bool Simulator::start(std::string* error)
{
    std::string why;
    const bool started = (!stateFile_ || withState([&](RegisterState& s) { return stateFile_->load(s, why); }))
                      && server_.listen(options_.host, options_.port, why);
    if (!started) {
        if (error)
            *error = why;
        return false;
    }
    server_.start([this](Link& link) { serve(link); });
    return true;
}

void Simulator::stop() { server_.stop(); }

std::string Simulator::address() const { return options_.host + ":" + std::to_string(port()); }

void Simulator::setTaskDelay(std::chrono::milliseconds delay)
{
    withState([&](RegisterState&) { options_.settings.taskDelay = delay; });
}

void Simulator::log(const std::string& line)
{
    std::lock_guard<std::mutex> guard(logLock_);
    if (options_.log)
        options_.log(line);
    else
        std::cerr << line << std::endl;
}

void Simulator::serve(Link& link)
{
    const int connection = ++connections_;
    Session session;
    FrameSplitter splitter;
    for (bool open = true; open;) {
        const QByteArray bytes = link.receive();
        if (bytes.isEmpty())
            return;
        splitter.append(bytes);
        QByteArray frame;
        FrameSplitter::Result next;
        while (open && (next = splitter.next(frame)) == FrameSplitter::Result::kFrame)
            answer(link, connection, session, frame, open);
        // Without the magic no later frame boundary can be trusted.
        if (open && next == FrameSplitter::Result::kGarbage) {
            if (options_.verbose)
                log("request #" + std::to_string(connection) + ": no frame magic, connection closed");
            link.hangUp();
            return;
        }
    }
}

void Simulator::answer(Link& link, int connection, Session& session, const QByteArray& frame, bool& open)
{
    const Request request = decodeRequest(frame);
    Reply reply;
    {
        std::lock_guard<std::mutex> guard(stateLock_);
        Context context{state_, session, options_.settings, faults_, std::nullopt, std::nullopt};
        const Dispatched dispatched = dispatch(context, request);
        reply = dispatched.reply;
        std::string error;
        if (dispatched.stateChanged && stateFile_ && !stateFile_->save(state_, error))
            log(error);
    }
    if (options_.verbose) {
        log(describeRequest(connection, request));
        log(describeReply(connection, request.cmd.value_or(0), reply));
    }
    open = deliver(link, encodeReply(reply), faults_.takeReplyFault());
}

}  // namespace korvex::sim

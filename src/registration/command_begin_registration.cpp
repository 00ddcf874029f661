#include "registration/command_begin_registration.h"

#include "commands/builder_options.h"

namespace {
constexpr quint16 kCode = 215;
}  // namespace

int CommandBeginRegistration::prepare()
{
    return korvex::RequestBuilder(*this, "begin registration", korvex::inputIgnored()).finish(kCode);
}

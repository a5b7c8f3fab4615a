#include "cad/command/command_host.h"

#include <map>

namespace cad::command {

namespace {
std::map<const Session*, CommandHost*>& Hosts() {
    static std::map<const Session*, CommandHost*> hosts;
    return hosts;
}
} // namespace

HostAttachment::HostAttachment(Session& session, CommandHost& host) : session_(session) { Hosts()[&session] = &host; }

HostAttachment::~HostAttachment() { Hosts().erase(&session_); }

CommandHost* HostOf(const Session& session) {
    const auto it = Hosts().find(&session);
    return it == Hosts().end() ? nullptr : it->second;
}

} // namespace cad::command

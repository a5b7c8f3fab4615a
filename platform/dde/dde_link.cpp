#include "platform/dde/dde_link.h"

#include "platform/runtime/error.h"

namespace dde {

namespace {
constexpr int kErrInvalidPropertyValue = 380;
}

void Link::SetLinkTopic(std::string topic) {
    topic_ = std::move(topic);
    server_.reset();
    mode_ = kLinkNone;
}

void Link::SetLinkMode(int mode) {
    if (mode < kLinkNone || mode > kLinkNotify) rt::Raise(kErrInvalidPropertyValue, "Invalid property value");
    if (mode == kLinkNone) {
        server_.reset();
        mode_ = kLinkNone;
        return;
    }
    if (!server_) {
        const std::size_t bar = topic_.find('|');
        if (bar != std::string::npos)
            server_ = FindServer(std::string_view(topic_).substr(0, bar), std::string_view(topic_).substr(bar + 1));
        if (!server_) rt::Raise(rt::errDdeNoServer, topic_.empty() ? std::string("no link topic") : topic_);
    }
    mode_ = mode;
}

void Link::LinkExecute(const std::string& command) {
    if (!server_) rt::Raise(rt::errDdeLinkClosed, topic_);
    if (!IsAlive(*server_)) {
        server_.reset();
        mode_ = kLinkNone;
        rt::Raise(rt::errDdeLinkClosed, topic_ + " has closed the conversation");
    }
    ExecuteOn(*server_, command);
}

} // namespace dde

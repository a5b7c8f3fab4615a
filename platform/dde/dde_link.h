#pragma once
// The client side of a DDE conversation as a text box holds it: LinkTopic "application|topic",
// LinkMode (0 none, 1 automatic, 2 manual, 3 notify) and LinkExecute. Setting LinkMode from 0
// to another mode initiates the conversation; setting it to 0 ends it.
#include "platform/dde/dde_server.h"

#include <memory>
#include <string>

namespace dde {

enum LinkModeValue : int { kLinkNone = 0, kLinkAutomatic = 1, kLinkManual = 2, kLinkNotify = 3 };

class Link {
public:
    const std::string& LinkTopic() const { return topic_; }
    // A new topic ends an open conversation (LinkMode falls back to 0).
    void SetLinkTopic(std::string topic);

    int LinkMode() const { return mode_; }
    // Raises 282 when no server answers the initiate (LinkMode stays 0) and 380 for a mode
    // outside 0..3.
    void SetLinkMode(int mode);

    // Sends the string to the server and returns when the server has taken it. Raises 286
    // when no conversation is open or the server has gone.
    void LinkExecute(const std::string& command);

private:
    std::string topic_;
    int mode_ = kLinkNone;
    std::shared_ptr<ServerEntry> server_;
};

} // namespace dde

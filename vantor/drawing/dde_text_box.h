#pragma once
// A text box that holds the client end of a DDE conversation (LinkTopic, LinkMode,
// LinkExecute), as the drawing screen's hidden acadtext does.
#include "platform/dde/dde_link.h"
#include "platform/forms/text_box.h"

class DdeTextBox : public forms::TextBox, public dde::Link {
public:
    using forms::TextBox::TextBox;
};

#pragma once
// The sixteen events of the control. Each handler gets the control first; parameters taken by
// non-const reference are read back when the handler returns. Window handles travel as 32-bit
// integers.
#include <functional>
#include <string>

namespace pellix {

class TAcadControl;

using TNotifyEvent = std::function<void(TAcadControl& Sender)>;
using TActiveChangeEvent = std::function<void(TAcadControl& Sender, int LosthWnd, int ActivehWnd, bool& ReLoad)>;
using TCommandEnabledEvent = std::function<void(TAcadControl& Sender, bool CmdEnabled)>;
using TCommandEvent = std::function<void(TAcadControl& Sender, const std::string& CmdParam, bool CmdWait)>;
using TEnterNextEvent = std::function<void(TAcadControl& Sender, const std::string& CmdMessage, bool& NextEnter)>;
using TAsyncCmdSendingEvent = std::function<void(TAcadControl& Sender, int SendNo, int Target)>;
using TAsyncCmdSendedEvent = std::function<void(TAcadControl& Sender, int SendNo, int Target, bool Resulted)>;
using TDialogEvent = std::function<void(TAcadControl& Sender, int DialoghWnd, const std::string& DialogCaption,
                                        const std::string& ControlText, bool& DialogClose)>;
using TChildChangeEvent = std::function<void(TAcadControl& Sender, int NewWindow)>;
using TUserWaitFirstEvent = std::function<void(TAcadControl& Sender, int CallID, bool& NextExecute)>;
using TUserWaitNextEvent =
    std::function<void(TAcadControl& Sender, int CallID, const std::string& CmdStr, bool& ResultMode)>;
using TProcessLoopEvent = std::function<void(TAcadControl& Sender, int& ProIndex)>;

} // namespace pellix

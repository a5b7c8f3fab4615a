#include "vantor/drawing/unavailable.h"

#include "platform/forms/msgbox.h"

namespace 縦断bus {

void TellUnavailable(const std::string& what) {
    forms::MsgBox(what + "はこの版ではまだ使えません。", forms::vbInformation);
}

} // namespace 縦断bus

#include "vantor/geometry/gyousounyuu.h"

#include "vantor/geometry/gyouidou.h"
#include "vantor/shell/縦断bus.h"

namespace 縦断bus {

std::string sounyuukyohi(int) {
    return sokutensuu >= kSaidaiSokutensuu ? kSounyuuMantan : std::string();
}

void sounyuugyou(int gyou) {
    sokutensuu += 1;
    gyouwosageru(gyou, sokutensuu - 1);
    gyouwokesu(gyou, "未設定");
}

} // namespace 縦断bus

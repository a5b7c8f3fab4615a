#include "vantor/pellix/detached_pellix.h"
#include "vantor/pellix/pellix.h"

namespace 縦断bus {

std::unique_ptr<Pellix> PlacePellix(forms::Form&, const std::string&, int, int) {
    return std::make_unique<DetachedPellix>();
}

} // namespace 縦断bus

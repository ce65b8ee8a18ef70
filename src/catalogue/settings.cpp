#include "catalogue/settings.h"

namespace tarvo {

Settings DefaultSettings() {
    return Settings{};
}

}  // namespace tarvo

#include "platform/GlobalDomain.h"

namespace swivlo {

void GlobalDomain::notifyAppearanceChanged() {
    emit changed(appearanceKey);
}

}  // namespace swivlo

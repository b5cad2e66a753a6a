#include "platform/GlobalDomain.h"

namespace swivlo {

GlobalDomain::ObserverToken GlobalDomain::addAppearanceObserver(std::function<void()> handler) {
    return observers_.add(std::move(handler));
}

void GlobalDomain::removeAppearanceObserver(ObserverToken token) {
    observers_.remove(token);
}

void GlobalDomain::notifyAppearanceChanged() {
    observers_.notify();
}

}  // namespace swivlo

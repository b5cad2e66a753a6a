#include "platform/GlobalDomain.h"

#include <algorithm>

namespace swivlo {

GlobalDomain::ObserverToken GlobalDomain::addAppearanceObserver(std::function<void()> handler) {
    const ObserverToken token = nextToken_++;
    observers_.emplace_back(token, std::move(handler));
    return token;
}

void GlobalDomain::removeAppearanceObserver(ObserverToken token) {
    std::erase_if(observers_, [token](const auto& o) { return o.first == token; });
}

void GlobalDomain::notifyAppearanceChanged() {
    // Observers may remove themselves while handling: walk a copy.
    const auto snapshot = observers_;
    for (const auto& [token, handler] : snapshot) {
        handler();
    }
}

}  // namespace swivlo

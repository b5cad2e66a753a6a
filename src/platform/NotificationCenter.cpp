#include "platform/NotificationCenter.h"

namespace swivlo {

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

NotificationCenter::Token NotificationCenter::addObserver(std::string name,
                                                          std::function<void()> handler) {
    return observers_.add(std::move(handler), std::move(name));
}

void NotificationCenter::removeObserver(Token token) {
    observers_.remove(token);
}

void NotificationCenter::post(const std::string& name) {
    observers_.notify(name);
}

}  // namespace swivlo

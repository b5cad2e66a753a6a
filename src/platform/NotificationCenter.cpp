#include "platform/NotificationCenter.h"

#include <algorithm>

namespace swivlo {

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

NotificationCenter::Token NotificationCenter::addObserver(std::string name,
                                                          std::function<void()> handler) {
    const Token token = nextToken_++;
    observers_.push_back({token, std::move(name), std::move(handler)});
    return token;
}

void NotificationCenter::removeObserver(Token token) {
    std::erase_if(observers_, [token](const Observer& o) { return o.token == token; });
}

void NotificationCenter::post(const std::string& name) {
    std::vector<Token> due;
    for (const Observer& o : observers_) {
        if (o.name == name) {
            due.push_back(o.token);
        }
    }
    for (const Token token : due) {
        const auto it = std::find_if(observers_.begin(), observers_.end(),
                                     [token](const Observer& o) { return o.token == token; });
        if (it != observers_.end()) {
            // A copy: the handler may remove itself, and with it the stored function.
            const auto handler = it->handler;
            handler();
        }
    }
}

}  // namespace swivlo

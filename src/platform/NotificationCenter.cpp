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
    // Observers may add or remove observers while handling: walk a snapshot of the tokens and
    // skip any that were removed meanwhile.
    std::vector<Token> tokens;
    for (const Observer& o : observers_) {
        if (o.name == name) {
            tokens.push_back(o.token);
        }
    }
    for (Token token : tokens) {
        auto it = std::find_if(observers_.begin(), observers_.end(),
                               [token](const Observer& o) { return o.token == token; });
        if (it != observers_.end()) {
            auto handler = it->handler;
            handler();
        }
    }
}

}  // namespace swivlo

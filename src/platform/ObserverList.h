#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace swivlo {

// Handlers called in the order they were added, each under a topic (one for the whole list
// unless given). A handler may add or remove observers while it runs: one removed before its
// turn is skipped, one added waits for the next notification.
class ObserverList {
public:
    using Token = std::uint64_t;

    Token add(std::function<void()> handler, std::string topic = {}) {
        const Token token = nextToken_++;
        observers_.push_back({token, std::move(topic), std::move(handler)});
        return token;
    }

    void remove(Token token) {
        std::erase_if(observers_, [token](const Observer& o) { return o.token == token; });
    }

    void notify(const std::string& topic = {}) {
        std::vector<Token> due;
        for (const Observer& o : observers_) {
            if (o.topic == topic) {
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

private:
    struct Observer {
        Token token;
        std::string topic;
        std::function<void()> handler;
    };
    std::vector<Observer> observers_;
    Token nextToken_ = 1;
};

}  // namespace swivlo

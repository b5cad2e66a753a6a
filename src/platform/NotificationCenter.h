#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace swivlo {

// The process-wide in-app notification centre. Names only: no object, no user info.
// Posting is synchronous; observers run in registration order on the posting (main) thread.
// An observer may add or remove observers while it runs: one removed before its turn is
// skipped, one added waits for the next post.
class NotificationCenter {
public:
    using Token = std::uint64_t;

    static NotificationCenter& defaultCenter();

    Token addObserver(std::string name, std::function<void()> handler);
    void removeObserver(Token token);
    void post(const std::string& name);

private:
    struct Observer {
        Token token;
        std::string name;
        std::function<void()> handler;
    };
    std::vector<Observer> observers_;
    Token nextToken_ = 1;
};

}  // namespace swivlo

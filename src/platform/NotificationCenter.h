#pragma once

#include <functional>
#include <string>

#include "platform/ObserverList.h"

namespace swivlo {

// The process-wide in-app notification centre. Names only: no object, no user info.
// Posting is synchronous; observers run in registration order on the posting (main) thread.
class NotificationCenter {
public:
    using Token = ObserverList::Token;

    static NotificationCenter& defaultCenter();

    Token addObserver(std::string name, std::function<void()> handler);
    void removeObserver(Token token);
    void post(const std::string& name);

private:
    ObserverList observers_;
};

}  // namespace swivlo

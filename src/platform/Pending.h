#pragma once

#include <functional>
#include <utility>

namespace swivlo {

// The result of something already started and not yet collected. `wait` collects it, once;
// a host may start several and collect them later, so they run together.
template <class T>
class Pending {
public:
    explicit Pending(std::function<T()> collect) : collect_(std::move(collect)) {}

    T wait() { return collect_(); }

    // A pending result made from this one's when it is collected; takes this one's place.
    template <class F>
    auto then(F convert) && -> Pending<decltype(convert(std::declval<T>()))> {
        using U = decltype(convert(std::declval<T>()));
        return Pending<U>([collect = std::move(collect_), convert = std::move(convert)] {
            return convert(collect());
        });
    }

private:
    std::function<T()> collect_;
};

}  // namespace swivlo

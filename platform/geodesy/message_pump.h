// Keeps the calling program responsive inside long loops: while the event
// loop is switched on, loops over more than 10,000 pairs dispatch the
// waiting window messages of the calling thread now and then.
#pragma once

#include <cstddef>

namespace geodesy {

class MessagePump {
public:
    static void SetEnabled(bool on);

    // One pump per loop over n items; it dispatches only when the event loop
    // is on and n is large.
    explicit MessagePump(std::size_t n);

    void Tick()
    {
        if (active_ && ++count_ >= kInterval) {
            count_ = 0;
            Dispatch();
        }
    }

    static constexpr std::size_t kLongLoop = 10000;
    static constexpr std::size_t kInterval = 2048;

private:
    static void Dispatch();

    bool active_;
    std::size_t count_ = 0;
};

}  // namespace geodesy

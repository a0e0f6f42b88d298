#pragma once
// The consumption run's test seam: a listener that sees each consumer's working values once its
// pass is committed. The run reports every committed pass here; nothing listens unless a test
// installs a listener.

#include <cstdint>
#include <functional>

#include "library/consumption/consumer_context.hpp"
#include "platform/ui/scoped_install.hpp"

namespace kalvik::consumption {

// Called with the consumer's `Npotr` and its working values.
using PassListener = std::function<void(int32_t, const ConsumerContext&)>;

// Installs a listener (an empty one removes it) and returns the one it replaces.
PassListener setPassListener(PassListener listener);

// Installs a listener for as long as it lives, then puts the previous one back.
using ScopedPassListener = ui::ScopedInstall<PassListener, setPassListener>;

// Tells the listener, if any, of a committed pass.
void tellPassListener(int32_t npotr, const ConsumerContext& c);

}  // namespace kalvik::consumption

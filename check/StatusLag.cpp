#include "StatusLag.h"

#include <algorithm>
#include <stdexcept>

StatusLag::StatusLag(std::vector<std::chrono::nanoseconds> lags) : sorted_(std::move(lags))
{
    if (sorted_.empty())
        throw std::invalid_argument("StatusLag needs at least one lag");
    std::sort(sorted_.begin(), sorted_.end());
}

std::chrono::microseconds StatusLag::settle() const
{
    using namespace std::chrono;
    if (most() <= nanoseconds::zero())
        return microseconds::zero();
    const nanoseconds wait = most() + std::max<nanoseconds>(most() / 2, Frame);
    const long long step = 100'000;  // ns
    return duration_cast<microseconds>(nanoseconds((wait.count() + step - 1) / step * step));
}

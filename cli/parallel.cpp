#include "cli/parallel.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace orv::cli {

void ForEachInParallel(std::size_t count, const std::function<void(std::size_t)>& each)
{
    const auto share = [&each](std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i)
            each(i);
    };
    const std::size_t workers = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 16);
    const std::size_t size = std::max<std::size_t>(1, (count + workers - 1) / workers);
    std::vector<std::jthread> threads;
    for (std::size_t first = 0; first < count; first += size) {
        const std::size_t last = std::min(count, first + size);
        try {
            threads.emplace_back(share, first, last);
        } catch (const std::system_error&) {
            share(first, last);
        }
    }
}

} // namespace orv::cli

// Work on every club of a document, spread over the machine's cores.
#pragma once

#include <cstddef>
#include <functional>

namespace orv::cli {

// Calls `each` once for every index below `count`, in shares on as many
// threads as there are cores; where no thread can be started (a process
// limit), the calling thread does that share itself.
void ForEachInParallel(std::size_t count, const std::function<void(std::size_t)>& each);

} // namespace orv::cli

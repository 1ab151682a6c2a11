#include "brevon_test.h"

#include <algorithm>

namespace e2e {
namespace {

std::vector<std::unique_ptr<TestDisplay>>& displays() {
    static std::vector<std::unique_ptr<TestDisplay>> pool;
    return pool;
}

} // namespace

TestDisplay& DisplayPool::get(const ScreenConfig& screen) {
    auto& pool = displays();
    const auto found = std::find_if(pool.begin(), pool.end(),
                                    [&](const auto& entry) { return entry->screen() == screen; });
    if (found != pool.end()) {
        return **found;
    }
    return *pool.emplace_back(std::make_unique<TestDisplay>(screen));
}

void DisplayPool::clear() {
    displays().clear();
}

} // namespace e2e

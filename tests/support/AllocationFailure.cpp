// The failing allocation and the program's replaced operator new and delete.
#include "tests/support/AllocationFailure.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace testsupport {
namespace {

std::atomic<long> remaining{0};
std::atomic<long> counted{0};
thread_local bool armedThread = false;

void* Allocate(std::size_t size) {
    if (armedThread && remaining.load() > 0) {
        ++counted;
        // Another thread may disarm meanwhile: only a count still above zero is taken.
        long left = remaining.load();
        while (left > 0 && !remaining.compare_exchange_weak(left, left - 1)) {
        }
        if (left == 1)
            throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

}  // namespace

void AllocationFailure::Arm(long countdown) {
    armedThread = true;
    counted = 0;
    remaining = countdown;
}

void AllocationFailure::Disarm() {
    remaining = 0;
}

long AllocationFailure::Counted() {
    return counted;
}

}  // namespace testsupport

void* operator new(std::size_t size) {
    return testsupport::Allocate(size);
}

void* operator new[](std::size_t size) {
    return testsupport::Allocate(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return testsupport::Allocate(size);
    } catch (...) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return testsupport::Allocate(size);
    } catch (...) {
        return nullptr;
    }
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete[](void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}

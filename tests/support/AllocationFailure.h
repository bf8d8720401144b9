// Makes one chosen allocation of one thread fail, so that a test can break a session at every
// point where the library allocates. The program's global operator new and delete are
// replaced for this; unarmed, they allocate as usual.
#pragma once

namespace testsupport {

class AllocationFailure {
  public:
    // The calling thread's countdown-th allocation from now throws std::bad_alloc, once.
    static void Arm(long countdown);
    // No allocation fails any more. Callable from any thread.
    static void Disarm();
    // Allocations of the armed thread since Arm, up to the failing one or Disarm.
    static long Counted();
};

}  // namespace testsupport

// What a fuzz target asserts about the code it drives. Under libFuzzer a broken promise
// stops the run like a crash, so the input is kept; the regression suite records it as a
// test failure instead and goes on with the next input.
#pragma once

namespace fuzz_support {

void FuzzCheck(bool bHolds, const char* szPromise);

}  // namespace fuzz_support

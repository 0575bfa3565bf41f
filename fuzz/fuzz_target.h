#pragma once
// The entry every fuzz target defines: libFuzzer calls it with each generated input, and the
// replay program with each file of the target's corpus and crash folders. An input the engine
// refuses with its own error is fine; anything else that escapes, crashes or trips a sanitizer
// is a finding.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

#pragma once
// One reader of untrusted bytes per program. Built with clang's -fsanitize=fuzzer it is a
// libFuzzer target; built otherwise, ReplayMain.cpp gives it a main that feeds it the files
// named on its command line, which is how the ordinary tests replay the seed corpus.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

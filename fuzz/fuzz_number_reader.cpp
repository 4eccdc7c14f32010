// Any text typed into a number field.
#include <cstddef>
#include <cstdint>
#include <string>

#include "expression/matutil.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    NumberReader(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}

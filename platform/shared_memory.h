#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace marquill {

// A block of memory that other programs of the session open by its name. Destroying it gives it back.
class SharedBlock {
public:
    SharedBlock() = default;
    SharedBlock(const SharedBlock&) = delete;
    SharedBlock& operator=(const SharedBlock&) = delete;
    virtual ~SharedBlock() = default;
};

// What became of the request for a new block.
struct NewSharedBlock {
    std::unique_ptr<SharedBlock> block;  // none when no block was made
    bool nameTaken = false;              // a block of that name exists, or one that may not be opened
};

// Named shared memory (CreateFileMappingW in the paging file), for the peers that take text that way.
class SharedMemory {
public:
    SharedMemory() = default;
    SharedMemory(const SharedMemory&) = delete;
    SharedMemory& operator=(const SharedMemory&) = delete;
    virtual ~SharedMemory() = default;

    // A new block of `bytes` zero bytes named `name`, with `text` and a NUL at its start as UTF-16; `text` must
    // fit. Never one that exists already: another program is using that.
    virtual NewSharedBlock createSharedBlock(const std::wstring& name,
                                             std::uint32_t bytes,
                                             const std::wstring& text) = 0;
};

}  // namespace marquill

#pragma once

#include "platform/shared_memory.h"

namespace marquill::win32 {

// Named file mappings in the paging file, in the session's namespace.
class Win32SharedMemory final : public SharedMemory {
public:
    NewSharedBlock createSharedBlock(const std::wstring& name, std::uint32_t bytes, const std::wstring& text) override;
};

}  // namespace marquill::win32

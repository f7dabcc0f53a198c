#include "app/sys_tray.h"

#include <cstddef>
#include <cstring>

#include "platform/win32_numbers.h"

namespace marquill {
namespace {

constexpr std::size_t kTipOffset = 24;
constexpr std::size_t kTipBytes = 64;

void putUint32(TrayRecordBytes& record, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

}  // namespace

TrayRecordBytes fillTrayIconData(WindowHandle window, std::uint32_t icon) {
    TrayRecordBytes record{};
    putUint32(record, 0, static_cast<std::uint32_t>(record.size()));
    putUint32(record, 4, window);
    putUint32(record, 8, kTrayIconId);
    putUint32(record, 12, kTrayFlags);
    putUint32(record, 16, kTrayCallbackMessage);
    putUint32(record, 20, icon);
    const std::size_t tipLength = std::strlen(kTrayTip);
    std::memcpy(&record[kTipOffset], kTrayTip, tipLength);
    record[kTipOffset + tipLength] = 0;
    std::memset(&record[kTipOffset + tipLength + 1], ' ', kTipBytes - tipLength - 1);
    return record;
}

bool restoresFromTray(std::int32_t mouseMessage) {
    const auto message = static_cast<std::uint32_t>(mouseMessage);
    return message == wm::kLeftButtonUp || message == wm::kLeftDoubleClick || message == wm::kRightButtonUp;
}

}  // namespace marquill

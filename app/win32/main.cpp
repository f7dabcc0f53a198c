#include <windows.h>

#include "app/main_controller.h"
#include "app/win32/display_settings.h"
#include "app/win32/session_copy.h"
#include "app/win32/win32_main_view.h"
#include "platform/win32/win32_ansi_codec.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_shared_memory.h"
#include "platform/win32/win32_window_services.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace marquill;
    win32::SessionCopy copy;  // given up once the window is gone, after the view
    if (!claimPlace(copy)) {
        return 0;
    }
    win32::Win32AnsiCodec codec;
    win32::Win32WindowServices windows(codec);
    win32::Win32Clock clock;
    win32::Win32EventPump events;
    win32::Win32Files files;
    win32::Win32SharedMemory memory;
    win32::SystemDisplaySettings display;
    win32::Win32MainView view(instance, codec, display);
    if (!view.create(MainServices{windows, clock, events, codec, files, memory})) {
        return 1;
    }

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!view.navigate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_controller.h"
#include "app/main_window_description.h"
#include "platform/sim/fake_clock.h"
#include "platform/sim/fake_event_pump.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/windows1252_codec.h"
#include "platform/win32_numbers.h"
#include "tests/unit/app/fake_main_view.h"

namespace marquill::test {

namespace id = mainwindow::id;
using Lines = std::vector<std::string>;

// The controller attached to a fake main window on a sim desktop of its own, its files in an in-memory folder: the
// fixture's, and one per row where a table needs a fresh start.
struct ControllerRig {
    ControllerRig() { view.attach(controller); }

    // Ends the controller as the end of a session does; the desktop and the view stay to be looked at.
    void endController() { running.reset(); }

    sim::Windows1252Codec codec;
    sim::FakeClock clock;
    sim::FakeEventPump pump;
    sim::SimFiles files{L"C:\\Amp"};
    sim::SimDesktop desktop{codec};
    FakeMainView view{desktop, codec};
    std::unique_ptr<MainController> running =
        std::make_unique<MainController>(view, MainServices{desktop, clock, pump, codec, files, desktop});
    MainController& controller = *running;
};

class ControllerTest : public ::testing::Test, protected ControllerRig {
protected:
    // Runs the load event, then forgets what it did.
    void start() {
        controller.load();
        forget();
    }

    void forget() {
        desktop.clearCalls();
        view.clearLog();
    }

    std::string handleOf(int control) const { return std::to_string(view.controlHandle(control)); }
    std::string mainHandle() const { return std::to_string(view.windowHandle()); }

    // Sets the four template boxes, AIM first.
    void setTemplates(const std::array<std::wstring, 4>& templates) {
        for (int client = 0; client < 4; ++client) {
            view.setText(id::txtData(client), templates[static_cast<std::size_t>(client)]);
        }
    }
};

}  // namespace marquill::test

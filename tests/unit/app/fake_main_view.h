#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/main_controller.h"
#include "app/main_view.h"
#include "app/main_window_description.h"
#include "platform/sim/sim_desktop.h"

namespace marquill::test {

// The main window as plain data, with a sim window per control so that the window services can reach them.
// Every change the controller makes is logged, placed among the sim desktop's calls (see timeline()); the tray
// retry timer is kept as the state it is in.
//
// Not simulated: painting, layout, fonts other than bold or not, focus, and the check box's own state (the
// controller never reads it). A write that changes the title box's text raises the change event inside the write,
// as the real box does; type() stands for the user typing.
class FakeMainView final : public MainView {
public:
    FakeMainView(sim::SimDesktop& desktop, const AnsiCodec& codec) : desktop_(desktop) {
        window_ = desktop.createWindow(mainwindow::kWindowClass);
        for (const mainwindow::ControlDescription& control : mainwindow::kControls) {
            if (control.kind == mainwindow::ControlKind::Timer) {
                continue;
            }
            handles_[control.id] = desktop.createWindow("Control", L"", window_);
            texts_[control.id] = mainwindow::initialText(control, codec);
            visible_[control.id] = control.visible;
            bold_[control.id] = control.bold;
        }
    }

    void attach(MainController& controller) { controller_ = &controller; }

    // The user types into the title box: one change per keystroke.
    void type(const std::wstring& text) { write(mainwindow::id::kTxtTitle, text); }

    bool visible(int control) const { return visible_.at(control); }
    bool bold(int control) const { return bold_.at(control); }
    const std::wstring& caption() const { return caption_; }
    WindowState state() const { return state_; }
    bool shown() const { return shown_; }
    bool ended() const { return ended_; }
    bool trayRetryTimerRunning() const { return trayRetryTimer_; }
    // The tray retry timer's tick, as the real window raises it: only while the timer runs.
    bool fireTrayRetryTimer() {
        const bool running = trayRetryTimer_;
        if (running) {
            controller_->trayRetryTick();
        }
        return running;
    }

    // The view's log and the desktop's calls in the order they happened.
    std::vector<std::string> timeline() const {
        std::vector<std::string> merged;
        const std::vector<std::string>& calls = desktop_.calls();
        std::size_t next = 0;
        for (std::size_t call = 0; call <= calls.size(); ++call) {
            for (; next < log_.size() && log_[next].first <= call; ++next) {
                merged.push_back(log_[next].second);
            }
            if (call < calls.size()) {
                merged.push_back(calls[call]);
            }
        }
        return merged;
    }
    const std::vector<std::pair<std::size_t, std::string>>& log() const { return log_; }
    void clearLog() { log_.clear(); }

    // "txtData(2)" or "txtTitle".
    static std::string nameOf(int control) {
        const mainwindow::ControlDescription* found = mainwindow::findControl(control);
        std::string name = found->name;
        if (found->index != mainwindow::kNoIndex) {
            name += "(" + std::to_string(found->index) + ")";
        }
        return name;
    }

    void minimise() { state_ = WindowState::Minimised; }
    // A launcher asked for a minimised start ("Run: Minimized"): Windows applies its show state to the first show,
    // which then minimises and raises the resize inside the call.
    void minimiseOnFirstShow() { minimiseOnShow_ = true; }

    std::wstring text(int control) const override { return texts_.at(control); }
    void setText(int control, const std::wstring& text) override {
        record("text " + nameOf(control));
        write(control, text);
    }
    void setVisible(int control, bool visible) override {
        visible_.at(control) = visible;
        record(std::string(visible ? "show " : "hide ") + nameOf(control));
    }
    void setBold(int control, bool bold) override {
        bold_.at(control) = bold;
        record(std::string(bold ? "bold " : "regular ") + nameOf(control));
    }
    WindowHandle controlHandle(int control) const override { return handles_.at(control); }
    void setCaption(const std::wstring& caption) override {
        caption_ = caption;
        record("caption");
    }
    bool timerEnabled() const override { return timerEnabled_; }
    void setTimerEnabled(bool enabled) override {
        timerEnabled_ = enabled;
        record(enabled ? "timer on" : "timer off");
    }
    void setTrayRetryTimer(bool enabled) override { trayRetryTimer_ = enabled; }
    WindowState windowState() const override { return state_; }
    void setWindowState(WindowState state) override {
        state_ = state;
        shown_ = shown_ || state == WindowState::Minimised;
        record("state " + std::to_string(static_cast<int>(state)));
    }
    void hideWindow() override {
        shown_ = false;
        record("hide window");
    }
    void showWindow() override {
        shown_ = true;
        record("show window");
        if (std::exchange(minimiseOnShow_, false)) {
            state_ = WindowState::Minimised;
            controller_->resized();
        }
    }
    WindowHandle windowHandle() const override { return window_; }
    std::uint32_t iconHandle() const override { return icon; }
    void messageBox(const std::wstring& text, const std::wstring& caption) override {
        messageBoxes.push_back({text, caption});
        record("message box");
    }
    void endProgram() override {
        ended_ = true;
        record("end");
    }

    static constexpr std::uint32_t kIcon = 0x00C0FFEE;
    std::uint32_t icon = kIcon;  // another after a change of DPI
    std::vector<std::pair<std::wstring, std::wstring>> messageBoxes;

private:
    // As the real title box does: a different text raises the change event inside the write, the same text nothing.
    void write(int control, const std::wstring& text) {
        const bool changed = texts_.at(control) != text;
        texts_.at(control) = text;
        if (changed && control == mainwindow::id::kTxtTitle) {
            controller_->titleChanged();
        }
    }

    void record(std::string entry) { log_.emplace_back(desktop_.calls().size(), "view: " + std::move(entry)); }

    sim::SimDesktop& desktop_;
    MainController* controller_ = nullptr;
    WindowHandle window_ = 0;
    std::map<int, WindowHandle> handles_;
    std::map<int, std::wstring> texts_;
    std::map<int, bool> visible_;
    std::map<int, bool> bold_;
    std::wstring caption_;
    bool timerEnabled_ = false;
    bool trayRetryTimer_ = false;
    WindowState state_ = WindowState::Normal;
    bool shown_ = false;
    bool ended_ = false;
    bool minimiseOnShow_ = false;
    std::vector<std::pair<std::size_t, std::string>> log_;
};

}  // namespace marquill::test

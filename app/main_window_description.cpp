#include "app/main_window_description.h"

#include <algorithm>

#include "app/chat_clients.h"

namespace marquill::mainwindow {

const ControlDescription* findControl(int controlId) {
    for (const ControlDescription& control : kControls) {
        if (control.id == controlId) {
            return &control;
        }
    }
    return nullptr;
}

std::vector<const ControlDescription*> stackingOrder() {
    std::vector<const ControlDescription*> order;
    for (const ControlDescription& control : kControls) {
        if (control.kind == ControlKind::Frame) {
            for (const ControlDescription& child : kControls) {
                if (child.inFrame) {
                    order.push_back(&child);
                }
            }
        }
        if (control.kind != ControlKind::Timer && !control.inFrame) {
            order.push_back(&control);
        }
    }
    return order;
}

namespace {

// Whether any of the control lies inside the window's client area; the holders and Command1 lie beyond it. At
// 1,440 dots per inch a pixel is a twip, so the place is the one the window is built with, in twips.
bool insideClientArea(const ControlDescription& control) {
    const PixelRect rect = clientPixelRect(control, kTwipsPerInch, kTwipsPerInch);
    return rect.left < kClientWidthTwips && rect.top < kClientHeightTwips && rect.left + rect.width > 0 &&
           rect.top + rect.height > 0;
}

}  // namespace

std::vector<int> tabOrder() {
    std::vector<const ControlDescription*> focusable;
    for (const ControlDescription& control : kControls) {
        if (control.tabIndex != kNoTabIndex && takesFocus(control.kind) && insideClientArea(control)) {
            focusable.push_back(&control);
        }
    }
    std::sort(focusable.begin(), focusable.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    std::vector<int> ids;
    for (const ControlDescription* control : focusable) {
        ids.push_back(control->id);
    }
    return ids;
}

PixelRect clientPixelRect(const ControlDescription& control, int dotsPerInchX, int dotsPerInchY) {
    PixelRect rect{twipsToPixels(control.rect.left, dotsPerInchX), twipsToPixels(control.rect.top, dotsPerInchY),
                   twipsToPixels(control.rect.width, dotsPerInchX), twipsToPixels(control.rect.height, dotsPerInchY)};
    if (control.inFrame) {
        const PixelRect frame = clientPixelRect(*findControl(id::kFrmMesg), dotsPerInchX, dotsPerInchY);
        rect.left += frame.left;
        rect.top += frame.top;
    }
    return rect;
}

std::wstring initialText(const ControlDescription& control, const AnsiCodec& codec) {
    if (control.text == nullptr) {
        return defaultTemplate(control.index);
    }
    return codec.fromAnsi(control.text);
}

}  // namespace marquill::mainwindow

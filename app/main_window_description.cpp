#include "app/main_window_description.h"

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
        return defaultTemplate(control.index, codec);
    }
    return codec.fromAnsi(control.text);
}

}  // namespace marquill::mainwindow

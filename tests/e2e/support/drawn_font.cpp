#include "tests/e2e/support/drawn_font.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "peers/remote_control.h"

namespace marquill::test {
namespace {

constexpr int kFontHeight = -11;  // Tahoma 8.25 pt at 96 DPI

// A black-and-white picture: true where the pixel is dark.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<bool> dark;
    bool at(int x, int y) const { return dark[static_cast<std::size_t>(y * width + x)]; }
};

// Owns a memory DC with a top-down 32-bit DIB selected into it.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }

    Mask mask() const {
        GdiFlush();
        Mask result{width_, height_, std::vector<bool>(static_cast<std::size_t>(width_ * height_))};
        const auto* pixels = static_cast<const unsigned char*>(bits_);
        for (std::size_t i = 0; i < result.dark.size(); ++i) {
            const unsigned char lightest = std::max({pixels[4 * i], pixels[4 * i + 1], pixels[4 * i + 2]});
            result.dark[i] = lightest < 128;
        }
        return result;
    }

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    void* bits_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// Owns a Tahoma font of the description's size.
class Tahoma {
public:
    explicit Tahoma(Weight weight)
        : font_(CreateFontA(kFontHeight,
                            0,
                            0,
                            0,
                            weight == Weight::Bold ? FW_BOLD : FW_NORMAL,
                            FALSE,
                            FALSE,
                            FALSE,
                            DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY,
                            DEFAULT_PITCH,
                            "Tahoma")) {}
    ~Tahoma() { DeleteObject(font_); }
    Tahoma(const Tahoma&) = delete;
    Tahoma& operator=(const Tahoma&) = delete;
    HFONT get() const { return font_; }

private:
    HFONT font_;
};

// The word drawn black on white, cut to the box around its dark pixels.
Mask rendered(const std::string& word, Weight weight) {
    Canvas canvas(400, 24);
    RECT all = {0, 0, 400, 24};
    FillRect(canvas.dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Tahoma font(weight);
    SelectObject(canvas.dc(), font.get());
    SetTextColor(canvas.dc(), RGB(0, 0, 0));
    SetBkMode(canvas.dc(), TRANSPARENT);
    TextOutA(canvas.dc(), 4, 4, word.c_str(), static_cast<int>(word.size()));
    const Mask full = canvas.mask();
    int left = full.width, top = full.height, right = -1, bottom = -1;
    for (int y = 0; y < full.height; ++y) {
        for (int x = 0; x < full.width; ++x) {
            if (full.at(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    Mask cut{right - left + 1, bottom - top + 1, {}};
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            cut.dark.push_back(full.at(x, y));
        }
    }
    return cut;
}

Mask onScreen(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    Canvas canvas(rect.right - rect.left, rect.bottom - rect.top);
    const HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc(), 0, 0, rect.right - rect.left, rect.bottom - rect.top, screen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.mask();
}

// The fewest differing pixels over every place the pattern fits into the picture.
int bestMismatch(const Mask& picture, const Mask& pattern) {
    int best = INT_MAX;
    for (int top = 0; top + pattern.height <= picture.height; ++top) {
        for (int left = 0; left + pattern.width <= picture.width; ++left) {
            int mismatch = 0;
            for (int y = 0; y < pattern.height && mismatch < best; ++y) {
                for (int x = 0; x < pattern.width; ++x) {
                    mismatch += picture.at(left + x, top + y) != pattern.at(x, y) ? 1 : 0;
                }
            }
            best = std::min(best, mismatch);
        }
    }
    return best;
}

Weight closer(int regularMiss, int boldMiss, int tolerance) {
    if (std::min(regularMiss, boldMiss) > tolerance || regularMiss == boldMiss) {
        return Weight::Unknown;
    }
    return regularMiss < boldMiss ? Weight::Regular : Weight::Bold;
}

}  // namespace

Weight drawnWeight(HWND control) {
    const std::string text = peers::controlText(control);
    const std::string word = text.substr(0, text.find(' '));
    if (word.empty()) {
        return Weight::Unknown;
    }
    const Mask picture = onScreen(control);
    const Mask regular = rendered(word, Weight::Regular);
    const Mask bold = rendered(word, Weight::Bold);
    return closer(bestMismatch(picture, regular), bestMismatch(picture, bold), 2);
}

Weight editWeight(HWND edit) {
    constexpr int kCharacters = 6;
    const std::string text = peers::controlText(edit);
    if (text.size() <= kCharacters) {
        return Weight::Unknown;
    }
    DWORD_PTR first = 0;
    DWORD_PTR later = 0;
    SendMessageTimeoutA(edit, EM_POSFROMCHAR, 0, 0, SMTO_ABORTIFHUNG, peers::kReplyTimeoutMs, &first);
    SendMessageTimeoutA(edit, EM_POSFROMCHAR, kCharacters, 0, SMTO_ABORTIFHUNG, peers::kReplyTimeoutMs, &later);
    const int reported = static_cast<short>(LOWORD(later)) - static_cast<short>(LOWORD(first));
    int miss[2];
    const Weight weights[] = {Weight::Regular, Weight::Bold};
    const HDC screen = GetDC(nullptr);
    for (int i = 0; i < 2; ++i) {
        Tahoma font(weights[i]);
        const HGDIOBJ old = SelectObject(screen, font.get());
        SIZE extent = {};
        GetTextExtentPoint32A(screen, text.c_str(), kCharacters, &extent);
        SelectObject(screen, old);
        miss[i] = std::abs(static_cast<int>(extent.cx) - reported);
    }
    ReleaseDC(nullptr, screen);
    return closer(miss[0], miss[1], 0);
}

const char* toString(Weight weight) {
    switch (weight) {
        case Weight::Regular:
            return "regular";
        case Weight::Bold:
            return "bold";
        case Weight::Unknown:
            break;
    }
    return "unknown";
}

::testing::AssertionResult drawnIn(HWND control, Weight expected, DWORD timeoutMs) {
    char className[16] = {};
    GetClassNameA(control, className, sizeof(className));
    const bool edit = lstrcmpiA(className, "Edit") == 0;
    Weight seen = Weight::Unknown;
    if (peers::waitUntil([&] { return (seen = edit ? editWeight(control) : drawnWeight(control)) == expected; },
                         timeoutMs)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "drawn " << toString(seen) << ", not " << toString(expected);
}

}  // namespace marquill::test

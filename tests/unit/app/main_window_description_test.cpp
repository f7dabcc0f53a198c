#include "app/main_window_description.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>

#include "platform/sim/windows1252_codec.h"
#include "tests/support/expected_defaults.h"
#include "tests/support/expected_layout.h"

namespace marquill::mainwindow {
namespace {

const ControlDescription& control(const std::string& name, int index = kNoIndex) {
    for (const ControlDescription& c : kControls) {
        if (name == c.name && c.index == index) {
            return c;
        }
    }
    throw std::out_of_range(name);
}

// 27 instances under 15 names, arrays indexed from 0 without gaps: a missing or doubled control is a missing window.
TEST(MainWindowDescriptionTest, HoldsEveryControlOnce) {
    std::map<std::string, std::set<int>> indexes;
    std::set<int> ids;
    for (const ControlDescription& c : kControls) {
        EXPECT_TRUE(indexes[c.name].insert(c.index).second) << c.name << " " << c.index;
        EXPECT_TRUE(ids.insert(c.id).second) << "id " << c.id;
        EXPECT_EQ(findControl(c.id), &c);
        EXPECT_GT(c.id, 2) << "ids 1 and 2 are IDOK and IDCANCEL";
    }
    EXPECT_EQ(kControls.size(), 27u);
    EXPECT_EQ(indexes.size(), 15u);
    EXPECT_EQ(indexes["optFormate"], (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(indexes["txtData"], (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(indexes["lblFace"], (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(findControl(999), nullptr);
}

// Tab indexes run 0 to 24 over the whole window, each once, in the stated order.
TEST(MainWindowDescriptionTest, TabIndexesRunFrom0To24) {
    const std::vector<std::pair<std::string, int>> order = {
        {"frmMesg", kNoIndex},
        {"txtData", 0},
        {"lblFace", 0},
        {"lblFace", 1},
        {"lblFace", 2},
        {"lblFace", 3},
        {"lblFace", 4},
        {"lblFace", 5},
        {"optFormate", 0},
        {"optFormate", 1},
        {"optFormate", 2},
        {"Label1", kNoIndex},
        {"Command1", kNoIndex},
        {"txtData", 1},
        {"txtData", 2},
        {"chkEnable", kNoIndex},
        {"txtTitle", kNoIndex},
        {"lbltTime", kNoIndex},
        {"lblTrackNumber", kNoIndex},
        {"lblTrackPer", kNoIndex},
        {"lblTotalTracks", kNoIndex},
        {"lblFace", 6},
        {"txtData", 3},
        {"optFormate", 3},
        {"cmdSave", kNoIndex},
    };
    for (std::size_t tab = 0; tab < order.size(); ++tab) {
        EXPECT_EQ(control(order[tab].first, order[tab].second).tabIndex, static_cast<int>(tab)) << order[tab].first;
    }
    EXPECT_EQ(control("tmrAmp").tabIndex, kNoTabIndex);
    EXPECT_EQ(control("Image1").tabIndex, kNoTabIndex);
}

// Every control where the layout a user sees puts it, with its caption, at 96 DPI and at a higher one, in the weight
// and the visibility the user first sees: a control out of place by one pixel overlaps or hides another, a bold
// caption lost or a box shown too many is another window. The frame's bold font reaches its children.
TEST(MainWindowDescriptionTest, PlacesCaptionsFontsAndVisibilityMatchTheExpectedLayout) {
    for (const test::layout::ExpectedControl& expected : test::layout::kControls) {
        const std::string name = expected.name;
        const std::size_t bracket = name.find('(');
        const ControlDescription& described =
            bracket == std::string::npos ? control(name) : control(name.substr(0, bracket), name[bracket + 1] - '0');
        for (const auto& [dpiX, dpiY] : {std::pair{96, 96}, std::pair{192, 144}}) {
            const PixelRect rect = clientPixelRect(described, dpiX, dpiY);
            const test::layout::Pixels pixels = test::layout::expectedPixels(expected, dpiX, dpiY);
            EXPECT_EQ((std::array{rect.left, rect.top, rect.width, rect.height}),
                      (std::array{pixels.left, pixels.top, pixels.width, pixels.height}))
                << name << " at " << dpiX << " x " << dpiY;
        }
        if (expected.caption != nullptr) {
            EXPECT_STREQ(described.text, expected.caption) << name;
        }
        EXPECT_EQ(described.bold, expected.weight == test::layout::kBold) << name;
        EXPECT_EQ(described.visible, expected.start == test::layout::kShown) << name;
    }
    EXPECT_FALSE(control("tmrAmp").visible || control("tmrAmp").bold) << "the timer is no window";
    EXPECT_EQ(kClientWidthTwips, test::layout::kClientWidthTwips);
    EXPECT_EQ(kClientHeightTwips, test::layout::kClientHeightTwips);
    EXPECT_EQ(twipsToPixels(kClientWidthTwips, 96), 345);
    EXPECT_EQ(twipsToPixels(kClientHeightTwips, 96), 255);
    EXPECT_EQ(twipsToPixels(kClientLeftTwips, 96), 222);
    EXPECT_EQ(twipsToPixels(kClientTopTwips, 96), 230);
}

// Other DPIs scale every length and round to the nearest pixel; the frame's children move with the frame.
TEST(MainWindowDescriptionTest, TwipsScaleWithTheDpi) {
    const struct {
        int twips;
        int dpi;
        int pixels;
    } cases[] = {
        {5175, 120, 431}, {5175, 144, 518}, {5175, 192, 690}, {255, 120, 21}, {120, 120, 10},
        {15, 96, 1},      {7, 96, 0},       {8, 96, 1},       {0, 96, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(twipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
    }
    const PixelRect box = clientPixelRect(control("txtData", 0), 192, 144);
    EXPECT_EQ(box.left, 16 + 16);
    EXPECT_EQ(box.top, 12 + 24);
    EXPECT_EQ(box.width, 626);
    EXPECT_EQ(box.height, 134);
    EXPECT_EQ(fontHeightPixels(96), -11);
    EXPECT_EQ(fontHeightPixels(120), -14);
    EXPECT_EQ(fontHeightPixels(144), -17);
}

// The background colours as created: each template box its own, the track labels grey and silver; a wrong one
// shows the user another client's box or a label that stands out.
TEST(MainWindowDescriptionTest, BackgroundColours) {
    const struct {
        const char* name;
        int index;
        int red, green, blue;
    } colours[] = {
        {"lblTrackPer", kNoIndex, 128, 128, 128},
        {"lblTrackNumber", kNoIndex, 128, 128, 128},
        {"lbltTime", kNoIndex, 192, 192, 192},
        {"txtData", 3, 255, 255, 255},
        {"txtData", 2, 238, 223, 242},
        {"txtData", 1, 212, 228, 244},
        {"txtData", 0, 255, 251, 240},
    };
    int coloured = 0;
    for (const ControlDescription& c : kControls) {
        coloured += c.background.has_value();
    }
    EXPECT_EQ(coloured, static_cast<int>(std::size(colours)));
    for (const auto& c : colours) {
        const auto& background = control(c.name, c.index).background;
        ASSERT_TRUE(background) << c.name;
        EXPECT_EQ(background->red, c.red) << c.name << c.index;
        EXPECT_EQ(background->green, c.green) << c.name << c.index;
        EXPECT_EQ(background->blue, c.blue) << c.name << c.index;
    }
}

// The texts a control is created with, the template boxes holding their client's default.
TEST(MainWindowDescriptionTest, InitialTexts) {
    sim::Windows1252Codec codec;
    const struct {
        const char* name;
        int index;
        std::wstring text;
    } cases[] = {
        {"optFormate", 0, L"AIM"},
        {"optFormate", 1, L"AOL"},
        {"optFormate", 2, L"Yahoo"},
        {"optFormate", 3, L"Mirc"},
        {"chkEnable", kNoIndex, L"Enable Marquill Amp"},
        {"Command1", kNoIndex, L"Command1"},
        {"frmMesg", kNoIndex, L"Message"},
        {"Label1", kNoIndex, L"Messenger"},
        {"cmdSave", kNoIndex, L"Save"},
        {"txtTitle", kNoIndex, L""},
        {"lbltTime", kNoIndex, L""},
        {"lblFace", 0, L"%s  Song Title"},
        {"lblFace", 6, L"%tl Tracks in play list"},
        // The defaults byte for byte: one wrong byte shows in every chat that never saved a template.
        {"txtData", 0, test::expectedDefaultTemplate(0)},
        {"txtData", 1, test::expectedDefaultTemplate(1)},
        {"txtData", 2, test::expectedDefaultTemplate(2)},
        {"txtData", 3, test::expectedDefaultTemplate(3)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(initialText(control(c.name, c.index), codec), c.text) << c.name << c.index;
    }
}

}  // namespace
}  // namespace marquill::mainwindow

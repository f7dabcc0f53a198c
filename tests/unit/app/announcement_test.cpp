#include <algorithm>
#include <functional>
#include <utility>

#include "peers/window_trees.h"
#include "tests/unit/app/controller_fixture.h"
#include "tests/unit/support/sim_peer_tree.h"
#include "tests/unit/support/sim_player.h"

namespace marquill::test {
namespace {

class AnnouncementTest : public ControllerTest {
protected:
    void SetUp() override {
        start();
        setTemplates({L"", L"", L"", L"%s|%tt|%tn|%tp|%tl"});
        controller.enableClicked();
    }

    // The texts mIRC's input box has received.
    std::vector<std::wstring> mircReceived() const { return mirc.textsAt("input"); }

    enum class Act { Tick, TickSoon, Switch, Type, ClosePlayer };
    // `text`: the player's title for Tick, the title box's text for Type. A Tick comes a quarter of a second after
    // the step before it, a TickSoon a tenth.
    void perform(Act act, const wchar_t* text) {
        switch (act) {
            case Act::Tick:
            case Act::TickSoon:
                clock.advance(act == Act::Tick ? 0.25 : 0.1);
                desktop.setTitle(player.window, text);
                controller.tick();
                break;
            case Act::Switch:
                controller.enableClicked();
                break;
            case Act::Type:
                view.type(text);
                break;
            case Act::ClosePlayer:
                if (desktop.exists(player.window)) {
                    desktop.destroyWindow(player.window);
                }
                controller.tick();
                break;
        }
    }

    SimPlayer player{desktop, L""};
    SimPeerTree mirc{desktop, peers::chatWindowTree(peers::ChatClient::Mirc6)};
};

// Announcements come once per change of the title box's text, whoever changes it, and never for a rewrite of the
// same text: the tick writes the title every 5 ms.
TEST_F(AnnouncementTest, OnlyAChangedTitleAnnounces) {
    const struct {
        Act act;
        const wchar_t* text;                    // the player's title for Tick, the box's text for Type
        std::vector<const wchar_t*> announced;  // the titles of the messages this step sends
    } steps[] = {
        {Act::Tick, L"1. A - Winamp", {L"A"}},
        {Act::Tick, L"1. A - Winamp", {}},
        {Act::Tick, L"1. A - Winamp", {}},
        {Act::Tick, L"2. B - Winamp", {L"B"}},
        {Act::Tick, L"1. A - Winamp", {L"A"}},
        {Act::Switch, nullptr, {}},  // off: the box empties, and an empty title has no song to announce
        {Act::Switch, nullptr, {}},  // on: nothing until the next tick
        {Act::Tick, L"1. A - Winamp", {L"A"}},
        {Act::Type, L"A", {}},
        {Act::Type, L"Ab", {L"Ab"}},
        {Act::Type, L"Abc", {L"Abc"}},
        {Act::Tick, L"1. A - Winamp", {L"A"}},
        {Act::Tick, L"A - Winamp *** 1. A - Winamp", {}},  // the player scrolls its caption
        {Act::Tick, L"* 1. A - Winamp", {}},
        {Act::Tick, L" 1. A - Winamp", {}},
        {Act::Tick, L"1. A - Winamp", {}},
        {Act::ClosePlayer, nullptr, {}},
        {Act::ClosePlayer, nullptr, {}},
        {Act::Type, L" ", {L" "}},  // blanks are a title
        {Act::Type, L"", {}},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const auto& step = steps[i];
        mirc.forget();
        perform(step.act, step.text);
        std::vector<std::wstring> titles;
        for (const std::wstring& message : mircReceived()) {
            titles.push_back(message.substr(0, message.find(L'|')));
        }
        EXPECT_EQ(titles, std::vector<std::wstring>(step.announced.begin(), step.announced.end())) << "step " << i;
    }
}

// The labels take a reading's values before the title box, whose change announces at once: each song goes out
// with its own time, number, percent and playlist length, the first after switching on too. A value whose step
// fails keeps its label's caption; an unknown length shows the elapsed time alone and no percent.
TEST_F(AnnouncementTest, ANewTitleCarriesItsOwnTrackValues) {
    const struct {
        const wchar_t* title;
        std::int32_t positionMs;
        std::int32_t lengthSeconds;
        std::int32_t playlistLength;
        const wchar_t* announced;
    } songs[] = {
        {L"7. First - Winamp", 65000, 185, 12, L"First|1:05 / 3:05|7|35|12"},
        {L"8. Second - Winamp", 10000, 185, 12, L"Second|0:10 / 3:05|8|5|12"},
        {L"9. Stream - Winamp", 83000, 0, 13, L"Stream|1:23|9||13"},
        {L"10. Stopped - Winamp", 0, -1, 13, L"Stopped|0:00|10||13"},
        {L"11. Huge list - Winamp", 20000, 40, 40000, L"Huge list|0:20 / 0:40|11|50|13"},
        {L"12. Long - Winamp", 32767500, 40, 5, L"Long|0:20 / 0:40|12|81919|5"},
    };
    for (const auto& song : songs) {
        mirc.forget();
        desktop.setTitle(player.window, song.title);
        player.positionMs = song.positionMs;
        player.lengthSeconds = song.lengthSeconds;
        player.playlistLength = song.playlistLength;
        controller.tick();
        EXPECT_EQ(mircReceived(), std::vector<std::wstring>{song.announced}) << song.announced;
    }
}

// The click that switches announcing off, or a close request, can be handled while the tick waits for the player's
// answer: the reading that tick finishes must not write the title back and announce it, nor write to a closed window.
TEST_F(AnnouncementTest, SwitchingOffOrClosingDuringAReadingAnnouncesNothing) {
    desktop.setTitle(player.window, L"7. First - Winamp");
    for (const auto interrupt : {&MainController::enableClicked, &MainController::queryUnload}) {
        if (!view.timerEnabled()) {
            controller.enableClicked();
        }
        bool interrupted = false;
        desktop.setHandler(player.window, [&](const sim::SimMessage& message) {
            if (!std::exchange(interrupted, true)) {
                (controller.*interrupt)();
            }
            return player.answer(message);
        });
        controller.tick();
        EXPECT_EQ(view.text(id::kTxtTitle), L"");
        EXPECT_TRUE(mircReceived().empty());
    }
}

// Every client with a non-empty template is served, in the order AIM, AOL, Yahoo, mIRC, whatever option is chosen;
// only the exactly empty template is skipped.
TEST_F(AnnouncementTest, ClientsAreServedInOrderUnlessTheirTemplateIsEmpty) {
    const std::string aim = "FindWindowA(\"AIM_ChatWnd\") = 0";
    const std::string aol = "FindWindowA(\"AOL Frame25\") = 0";
    const std::string yahoo = "FindWindowA(\"IMClass\") = 0";
    const std::string mircFound = "FindWindowA(\"mIRC\") = " + std::to_string(mirc.top());
    const struct {
        std::array<std::wstring, 4> templates;
        Lines searches;
    } cases[] = {
        {{L"a", L"b", L"c", L"d"}, {aim, aol, yahoo, mircFound}},
        {{L"", L"", L"", L"d"}, {mircFound}},
        {{L"", L"", L"", L""}, {}},
        {{L" ", L"\r\n", L"", L""}, {aim, aol}},
    };
    int song = 0;
    for (const auto& c : cases) {
        controller.optionClicked(0);
        setTemplates(c.templates);
        desktop.setTitle(player.window, L"1. Song " + std::to_wstring(++song) + L" - Winamp");
        desktop.clearCalls();
        controller.tick();
        Lines searches;
        for (const std::string& call : desktop.calls()) {
            if (call.rfind("FindWindowA(", 0) == 0 && call.find("Winamp") == std::string::npos) {
                searches.push_back(call);
            }
        }
        EXPECT_EQ(searches, c.searches);
    }
    setTemplates({L"%s at %t on %d", L"", L"", L"x%tx %T"});
    view.type(L"Song %d");
    EXPECT_EQ(mircReceived().back(), L"x9:41:07 PMx %T") << "each client its own template";
}

// A value is text for people in every client: AIM and AOL read HTML, so its "&", "<" and ">" go there as entities;
// Yahoo's messenger and mIRC send what they are given as typed, so they get it as it is.
TEST_F(AnnouncementTest, EachClientGetsAValueAsTextInItsOwnForm) {
    const SimPeerTree aim(desktop, peers::chatWindowTree(peers::ChatClient::AIM));
    const SimPeerTree aol(desktop, peers::chatWindowTree(peers::ChatClient::AOL));
    const SimPeerTree yahoo(desktop, peers::chatWindowTree(peers::ChatClient::Yahoo));
    setTemplates({L"%s", L"%s", L"%s", L"%s"});
    view.type(L"Simon & Garfunkel <Live>");
    const std::vector<std::wstring> escaped = {L"Simon &amp; Garfunkel &lt;Live&gt;"};
    EXPECT_EQ(aim.textsAt("input"), escaped);
    EXPECT_EQ(aol.textsAt("input"), escaped);
    EXPECT_EQ(yahoo.textsAt("input"), mircReceived());
    EXPECT_EQ(mircReceived(), std::vector<std::wstring>{L"Simon & Garfunkel <Live>"});
}

// Another program may change the title box, or switch announcing off, while a chat window is being waited for
// (its message is handled inside the wait). The old song must go to no client after that, and the change must be
// announced after the running announcement, once, with what the box then holds.
TEST_F(AnnouncementTest, AChangeDuringAnAnnouncementIsTakenUpAfterIt) {
    const struct {
        const char* what;
        std::function<void(FakeMainView&, MainController&)> act;
        std::vector<std::wstring> mircReceived;
    } cases[] = {
        {"new title", [](FakeMainView& v, MainController&) { v.type(L"B"); }, {L"B"}},
        {"two new titles", [](FakeMainView& v, MainController&) { v.type(L"B"), v.type(L"C"); }, {L"C"}},
        {"same title", [](FakeMainView& v, MainController&) { v.type(L"A"); }, {L"A"}},
        {"there and back", [](FakeMainView& v, MainController&) { v.type(L"B"), v.type(L"A"); }, {L"A"}},
        {"switched off", [](FakeMainView&, MainController& c) { c.enableClicked(); }, {}},
    };
    const SimPeerTree yahoo(desktop, peers::chatWindowTree(peers::ChatClient::Yahoo));
    for (const auto& c : cases) {
        bool acted = false;
        desktop.setHandler(yahoo.window("input"), [&](const sim::SimMessage& message) {
            if (message.message == wm::kSetText && !std::exchange(acted, true)) {
                c.act(view, controller);
            }
            return message.message == wm::kGetText ? 0 : 1;
        });
        setTemplates({L"", L"", L"%s", L"%s"});
        mirc.forget();
        view.type(L"A");
        EXPECT_EQ(mircReceived(), c.mircReceived) << c.what;
        view.type(L"");
        if (!view.timerEnabled()) {
            controller.enableClicked();
        }
    }
}

// The user's draft must never be overwritten nor sent by us: a client whose box holds text gets its message on a
// later tick, once the box is empty, and only while the same song plays; a newer song replaces what waited, and the
// other clients are served at once. With nothing waiting, a tick must not look for any chat window, and a waiting
// one is asked at most every quarter of a second (a slow one costs up to the answer bound each time).
TEST_F(AnnouncementTest, ADraftHoldsItsClientsMessageUntilTheBoxIsEmpty) {
    const struct {
        const char* what;
        const wchar_t* draft;  // what the user's box holds before the step
        Act act;
        const wchar_t* caption;  // the player's, for Tick
        std::vector<std::wstring> mirc;
        std::vector<std::wstring> aol;
        bool mircLookedFor;
    } steps[] = {
        {"draft at a new song", L"draft", Act::Tick, L"1. A - Winamp", {}, {L"A"}, true},
        {"the draft stays", L"draft", Act::Tick, L"1. A - Winamp", {}, {}, true},
        {"too soon to ask again", L"", Act::TickSoon, L"1. A - Winamp", {}, {}, false},
        {"the draft sent", L"", Act::Tick, L"1. A - Winamp", {L"A"}, {}, true},
        {"nothing waits", L"", Act::Tick, L"1. A - Winamp", {}, {}, false},
        {"draft at the next song", L"draft", Act::Tick, L"2. B - Winamp", {}, {L"B"}, true},
        {"a newer song", L"draft", Act::Tick, L"3. C - Winamp", {}, {L"C"}, true},
        {"only the newer one goes", L"", Act::Tick, L"3. C - Winamp", {L"C"}, {}, true},
        {"draft at another song", L"draft", Act::Tick, L"4. D - Winamp", {}, {L"D"}, true},
        {"switched off", L"draft", Act::Switch, nullptr, {}, {}, false},
        {"switched on", L"", Act::Switch, nullptr, {}, {}, false},
        {"announced again, once", L"", Act::Tick, L"4. D - Winamp", {L"D"}, {L"D"}, true},
        {"draft at a song", L"draft", Act::Tick, L"5. E - Winamp", {}, {L"E"}, true},
        {"the player closed", L"draft", Act::ClosePlayer, nullptr, {}, {}, false},
        {"its song has ended", L"", Act::ClosePlayer, nullptr, {}, {}, false},
    };
    SimPeerTree aol(desktop, peers::chatWindowTree(peers::ChatClient::AOL));
    setTemplates({L"", L"%s", L"", L"%s"});
    for (const auto& step : steps) {
        mirc.type("input", step.draft);
        mirc.forget();
        aol.forget();
        desktop.clearCalls();
        perform(step.act, step.caption);
        EXPECT_EQ(mircReceived(), step.mirc) << step.what;
        EXPECT_EQ(aol.textsAt("input"), step.aol) << step.what;
        const Lines& calls = desktop.calls();
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "FindWindowA(\"mIRC\") = " + std::to_string(mirc.top())) > 0,
                  step.mircLookedFor)
            << step.what;
        if (*step.draft != L'\0') {
            EXPECT_EQ(mirc.text("input"), step.draft) << step.what << ": the draft is the user's";
        }
    }
}

}  // namespace
}  // namespace marquill::test

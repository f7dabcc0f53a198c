#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace marquill::peers {

// What the player does with the song its caption names: its caption shows " [Paused]" or " [Stopped]" after the
// plain one, and query 104 answers 1, 3 or 0.
enum class PlayState { Playing, Paused, Stopped };

// The captions of a player with no song: the player stopped with an empty playlist ("Winamp" and its version
// string, APP_VERSION_STRING of the player's released source, buildType.h), and a player that emulates this one's
// window before its first track.
inline constexpr const char* kIdleCaption = "Winamp 5.9.2 Build 10042";
inline constexpr const char* kEmulatorStartCaption = "Winamp v1.x";

// The replies of the player's queries: 0 version, 104 status, 105 with data 0 and 1, 124 playlist length, 125 the
// 0-based playlist position (which a caption shows only while the player's option to number it is on).
struct PlayerReplies {
    std::int32_t version = 0x5094;
    std::int32_t status = 1;
    std::int32_t positionMs = 0;
    std::int32_t lengthSeconds = 0;
    std::int32_t playlistLength = 0;
    std::int32_t listPosition = 0;
};

// The player's main window, class "Winamp v1.x". It answers the queries from its replies (other codes: 0), keeps
// the identifiers of the commands it receives and counts the queries. Its title is its real caption, since another
// process reads that without asking the window; a Unicode window, so a caption in any script is stored whole.
// Created and destroyed on one thread that pumps messages; the setters and readers may be called from any thread.
// Plays nothing and does not act on commands.
class FakePlayer {
public:
    FakePlayer(const std::string& title, const PlayerReplies& replies, bool visible = false);
    ~FakePlayer();
    FakePlayer(const FakePlayer&) = delete;
    FakePlayer& operator=(const FakePlayer&) = delete;

    HWND window() const { return window_; }

    // The plain caption of the song playing; a scrolling caption starts again from it.
    void setTitle(const std::string& title);  // ANSI bytes
    void setTitle(const std::wstring& title);
    // Scrolls the caption as the player's own option does, `stepsPerSecond` characters a second (0: still): at step
    // k the plain caption S from its k-th character on, " *** " and S whole; after " S", S again. Call it on the
    // player's thread.
    void setScroll(unsigned stepsPerSecond);
    // Until the next setTitle, which shows its plain caption again.
    void setPlayState(PlayState state);
    void setReplies(const PlayerReplies& replies);
    // The next song, title and replies together: it takes over right after the player has answered its next
    // playlist-length query (124), the last question of the program's polling tick, so no tick sees half of it.
    void queueSong(const std::string& title, const PlayerReplies& replies);
    std::vector<std::int32_t> commands() const;
    int queryCount() const;
    // The queries with this code (lParam) so far.
    int queryCount(std::int32_t queryCode) const;

    // Its window's messages, through attachedWindowProc.
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT answer(WPARAM wParam, LPARAM lParam);
    void restartScroll(std::wstring plain);
    void showTitle(const std::wstring& caption);
    void scrollOneStep();

    struct Song {
        std::string title;
        PlayerReplies replies;
    };

    mutable std::mutex mutex_;
    PlayerReplies replies_;
    std::optional<Song> queued_;
    std::vector<std::int32_t> commands_;
    int queryCount_ = 0;
    std::map<std::int32_t, int> queryCountByCode_;
    HWND window_ = nullptr;
    std::wstring plain_;    // the caption a scroll starts from
    std::size_t step_ = 0;  // how far it has scrolled
};

}  // namespace marquill::peers

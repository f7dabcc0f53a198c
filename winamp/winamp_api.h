#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/window_services.h"
#include "winamp/caption_scroll.h"

namespace marquill {

// A player window that did not answer a query within kAnswerTimeoutMs: the value asked for is not known. (No
// player window at all is no failure: its replies are 0.)
class NoAnswerError : public std::runtime_error {
public:
    NoAnswerError() : std::runtime_error("No answer") {}
};

// What one reading of the player gives the polling tick: the caption and the three replies it needs, nothing for
// a reply that did not come. The five values follow from it by the same rules as the members of the same names,
// and fail as they do.
// Names: the five values carry their members' requirement names; the fields follow the house style.
struct PlayerReading {
    std::wstring caption;  // backspaces dropped, a step of a scroll read as the plain caption it shows
    std::optional<std::int32_t> positionMs = 0;
    std::optional<std::int32_t> lengthSeconds = 0;
    std::optional<std::int32_t> playlistLength = 0;
    // The 0-based playlist position, asked only for a song whose caption holds no playlist number.
    std::optional<std::int32_t> listPosition;

    std::wstring SongTitle() const;
    std::wstring TrackTime() const;
    // The caption's playlist number; without one, the position the player answered, counted from 1.
    std::int16_t TrackNumber() const;
    // Nothing for a length of 0 or less: a percent of an unknown length means nothing to anyone.
    std::optional<std::int32_t> TrackTimePercent() const;
    std::int16_t TracksInPlaylist() const;
};

// The link to the media player: finds its main window by class and talks to it by window messages only.
// Every member looks the window up again, so the player may come and go between calls. The members that compute
// numbers throw OverflowError or DivisionByZeroError, and NoAnswerError when the player did not answer within
// kAnswerTimeoutMs; SongTitle and TrackNumber never throw. The other queries read an unanswered one as no player: 0.
// Names: the class, its 22 members (Stop_ and Next_ with their underscore), SendUserMessage, PostCommand,
// FindWinamp and hWinamp are the requirements'; read, query and titleText follow the house style.
class WinampAPI {
public:
    WinampAPI(WindowServices& windows, const Clock& clock, EventPump& events);

    std::wstring WinampVersion();
    std::wstring SongTitle();
    bool IsRunning();
    void Previous();
    void Play();
    void Pause();
    void Stop_();
    void Next_();
    std::wstring TrackTime();
    std::int32_t TrackTimePercent();
    std::int32_t OtherUser(std::int32_t queryCode, std::int32_t data);
    std::int32_t OtherCommand(std::int32_t commandId, std::int32_t extra);
    std::int32_t Status();
    void EndWinamp();
    void VolumeUp();
    void VolumeDown();
    std::int16_t TrackNumber();
    std::int16_t TracksInPlaylist();
    void JumpToFile();
    void ToggleShuffle();
    void FastForward();
    void Rewind();

    // The polling tick's reading of the player: one lookup, then the caption, position, length and playlist
    // length of the window found, in that order, and the playlist position where the caption needs it.
    PlayerReading read();

private:
    std::int32_t SendUserMessage(std::int32_t queryCode, std::int32_t data);
    // SendUserMessage for a value: a reply that did not come is a failure (NoAnswerError), not a 0.
    std::int32_t answeredQuery(std::int32_t queryCode, std::int32_t data);
    // A query to the window of the latest lookup: 0 without one, nothing when it did not answer.
    std::optional<std::int32_t> query(std::int32_t queryCode, std::int32_t data);
    // The player's playlist position for a song whose caption shows no number (the player's option is off).
    std::optional<std::int32_t> listPositionFor(const std::wstring& caption);
    std::int32_t PostCommand(std::int32_t commandId, std::int32_t extra);
    void FindWinamp();
    std::wstring titleText();

    WindowServices& windows_;
    const Clock& clock_;
    EventPump& events_;

    // The player's main window at the most recent lookup; 0 when there was none.
    WindowHandle hWinamp = 0;
    // What the caption showed so far, so that a scrolling caption reads as one song.
    CaptionScroll scroll_;
};

}  // namespace marquill

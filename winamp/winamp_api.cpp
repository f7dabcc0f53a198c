#include "winamp/winamp_api.h"

#include "platform/win32_numbers.h"
#include "winamp/checked_numbers.h"
#include "winamp/title_text.h"
#include "winamp/track_time.h"
#include "winamp/winamp_protocol.h"

namespace marquill {
namespace {

constexpr int kTitleBufferCharacters = 1024;  // 1,023 characters and the NUL
constexpr double kFailedPostWaitSeconds = 10;

}  // namespace

using namespace winamp;

namespace {

std::int32_t answered(const std::optional<std::int32_t>& reply) {
    if (!reply) {
        throw NoAnswerError();
    }
    return *reply;
}

std::int16_t trackNumberOf(const std::wstring& caption, const std::optional<std::int32_t>& listPosition) {
    if (!listPosition) {
        return trackNumberFrom(caption);
    }
    return *listPosition >= 0 && *listPosition < INT16_MAX ? static_cast<std::int16_t>(*listPosition + 1) : 0;
}

}  // namespace

std::wstring PlayerReading::SongTitle() const {
    return songTitleFrom(caption);
}

std::wstring PlayerReading::TrackTime() const {
    const std::int16_t elapsed = elapsedSeconds(answered(positionMs));
    return trackTimeText(elapsed, answered(lengthSeconds));
}

std::int16_t PlayerReading::TrackNumber() const {
    return trackNumberOf(caption, listPosition);
}

std::optional<std::int32_t> PlayerReading::TrackTimePercent() const {
    const std::int32_t position = answered(positionMs);
    const std::int32_t length = answered(lengthSeconds);
    if (length <= 0) {
        return std::nullopt;  // no share of a length nobody knows
    }
    return percentPlayed(position, length);
}

std::int16_t PlayerReading::TracksInPlaylist() const {
    return toInt16(answered(playlistLength));
}

WinampAPI::WinampAPI(WindowServices& windows, const Clock& clock, EventPump& events)
    : windows_(windows), clock_(clock), events_(events), scroll_(kTitleBufferCharacters - 1) {
    FindWinamp();
}

std::wstring WinampAPI::WinampVersion() {
    return std::to_wstring(SendUserMessage(kQueryVersion, 0));
}

std::wstring WinampAPI::SongTitle() {
    return songTitleFrom(titleText());
}

bool WinampAPI::IsRunning() {
    FindWinamp();
    return hWinamp != 0;
}

void WinampAPI::Previous() {
    PostCommand(kCommandPrevious, 0);
}

void WinampAPI::Play() {
    PostCommand(kCommandPlay, 0);
}

void WinampAPI::Pause() {
    PostCommand(kCommandPause, 0);
}

void WinampAPI::Stop_() {
    PostCommand(kCommandStop, 0);
}

void WinampAPI::Next_() {
    PostCommand(kCommandNext, 0);
}

std::wstring WinampAPI::TrackTime() {
    const std::int16_t elapsed = elapsedSeconds(answeredQuery(kQueryOutputTime, kOutputTimePosition));
    return trackTimeText(elapsed, answeredQuery(kQueryOutputTime, kOutputTimeLength));
}

std::int32_t WinampAPI::TrackTimePercent() {
    const std::int32_t length = answeredQuery(kQueryOutputTime, kOutputTimeLength);
    const std::int32_t position = answeredQuery(kQueryOutputTime, kOutputTimePosition);
    return percentPlayed(position, length);
}

std::int32_t WinampAPI::OtherUser(std::int32_t queryCode, std::int32_t data) {
    return SendUserMessage(queryCode, data);
}

std::int32_t WinampAPI::OtherCommand(std::int32_t commandId, std::int32_t extra) {
    return PostCommand(commandId, extra);
}

std::int32_t WinampAPI::Status() {
    return SendUserMessage(kQueryStatus, 0);
}

void WinampAPI::EndWinamp() {
    PostCommand(kCommandClose, 0);
}

void WinampAPI::VolumeUp() {
    PostCommand(kCommandVolumeUp, 0);
}

void WinampAPI::VolumeDown() {
    PostCommand(kCommandVolumeDown, 0);
}

std::int16_t WinampAPI::TrackNumber() {
    const std::wstring caption = titleText();
    return trackNumberOf(caption, listPositionFor(caption));
}

std::int16_t WinampAPI::TracksInPlaylist() {
    return toInt16(answeredQuery(kQueryPlaylistLength, 0));
}

void WinampAPI::JumpToFile() {
    // The player is brought forward with the handle of the previous lookup, before PostCommand looks again.
    windows_.showWindow(hWinamp, sw::kRestore);
    windows_.setForegroundWindow(hWinamp);
    windows_.bringWindowToTop(hWinamp);
    PostCommand(kCommandJumpToFile, 0);
    const WindowHandle dialog = windows_.findWindow(kJumpToFileClass);
    windows_.showWindow(dialog, sw::kRestore);
    windows_.setForegroundWindow(dialog);
    windows_.bringWindowToTop(dialog);
}

void WinampAPI::ToggleShuffle() {
    PostCommand(kCommandToggleShuffle, 0);
}

void WinampAPI::FastForward() {
    PostCommand(kCommandFastForward, 0);
}

void WinampAPI::Rewind() {
    PostCommand(kCommandRewind, 0);
}

PlayerReading WinampAPI::read() {
    PlayerReading reading;
    reading.caption = titleText();
    reading.positionMs = query(kQueryOutputTime, kOutputTimePosition);
    reading.lengthSeconds = query(kQueryOutputTime, kOutputTimeLength);
    reading.playlistLength = query(kQueryPlaylistLength, 0);
    reading.listPosition = listPositionFor(reading.caption);
    return reading;
}

std::int32_t WinampAPI::SendUserMessage(std::int32_t queryCode, std::int32_t data) {
    FindWinamp();
    return query(queryCode, data).value_or(0);
}

std::int32_t WinampAPI::answeredQuery(std::int32_t queryCode, std::int32_t data) {
    FindWinamp();
    return answered(query(queryCode, data));
}

std::optional<std::int32_t> WinampAPI::query(std::int32_t queryCode, std::int32_t data) {
    const std::optional<std::int32_t> reply = windows_.sendMessageTimeout(
        hWinamp, kQueryMessage, static_cast<std::uint32_t>(data), queryCode, kAnswerTimeoutMs);
    return hWinamp == 0 ? 0 : reply;  // without a window the call fails, and the failed call's result is 0
}

std::optional<std::int32_t> WinampAPI::listPositionFor(const std::wstring& caption) {
    if (hWinamp == 0 || hasPlaylistNumber(caption) || songTitleFrom(caption).empty()) {
        return std::nullopt;
    }
    return query(kQueryListPosition, 0);
}

std::int32_t WinampAPI::PostCommand(std::int32_t commandId, std::int32_t extra) {
    FindWinamp();
    const double startSecond = roundHalfEven(clock_.secondsSinceMidnight());
    const std::int32_t result =
        windows_.postMessage(hWinamp, kCommandMessage, static_cast<std::uint32_t>(commandId), extra);
    if (result != 0) {
        return result;
    }
    // A failed post waits up to ten seconds, processing events; the wait ends at midnight when the clock restarts.
    for (double now = clock_.secondsSinceMidnight(); now < startSecond + kFailedPostWaitSeconds && now >= 10;
         now = clock_.secondsSinceMidnight()) {
        events_.processPendingEvents();
    }
    return result;
}

void WinampAPI::FindWinamp() {
    hWinamp = windows_.findWindow(kWindowClass);
}

std::wstring WinampAPI::titleText() {
    FindWinamp();
    return scroll_.plainCaption(withoutBackspaces(windows_.getWindowText(hWinamp, kTitleBufferCharacters)));
}

}  // namespace marquill

// The main loop: sleeps until the next timer deadline or the next input, hands input to the
// game, fires due timers and draws a frame only when the picture changed.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <optional>

#include "platform/input_mapper.h"
#include "platform/main_window.h"
#include "platform/screen_renderer.h"
#include "platform/sdl_media_player.h"
#include "rules/clock.h"
#include "ui/screen.h"

namespace gnamm {
class Finestra;
}

namespace gnamm::platform {

// How long to sleep, in ms, before the earlier of two deadlines; -1 means until input.
// Capped so a clock jump can never put the loop to sleep for days.
int WaitTimeoutMs(int64_t nowMs, std::optional<int64_t> gameDeadline,
                  std::optional<int64_t> tooltipDeadline);
inline constexpr int kMaxWaitMs = 60'000;
// While cards move, a frame every this many ms at most (60 a second): the loop waits no longer
// than until the next one is due.
inline constexpr int kFrameMs = 16;
// How long to wait for the next frame of a motion whose last frame began at `lastFrameMs`.
int FrameWaitMs(int64_t nowMs, int64_t lastFrameMs);

class MainLoop {
  public:
    // audio, when given, has its device closed while the game is silent.
    MainLoop(Finestra& game, MainWindow& window, ScreenRenderer& renderer,
             SdlMediaPlayer* audio = nullptr)
        : game_(game), window_(window), renderer_(renderer), audio_(audio) {}

    // Runs until the game has finished or the window is closed.
    void run();

    // One turn of the loop without sleeping: events already queued, due timers, a frame if
    // anything changed. Returns false once the loop should end.
    bool step(int waitMs);
    // How long the next turn may sleep: until the next timer, tooltip or audio deadline, and
    // no longer than the next frame while cards move; -1 waits for input alone.
    int nextWaitMs();
    // As nextWaitMs(), but when the loop would sleep and nothing moves, makes one more picture
    // ahead of need first and does not sleep: input is looked at between two pictures, and once
    // all are made the loop sleeps as before.
    int idleWaitMs();

    int framesDrawn() const { return frames_; }

  private:
    void handle(const SDL_Event& ev);
    void drawIfChanged();
    // Brings the notice box up to date, draws, and draws again when drawing brought a notice
    // (a picture that would not load).
    void draw();
    Scale inputScale() const;

    Finestra& game_;
    MainWindow& window_;
    ScreenRenderer& renderer_;
    SdlMediaPlayer* audio_;
    InputMapper mapper_;
    std::optional<Screen> drawn_;  // the model as last drawn
    std::string drawnTooltip_;
    bool forceRedraw_ = true;
    bool wholeUpdate_ = true;  // the next frame shows the whole window, not just what changed
    bool quit_ = false;
    int frames_ = 0;
    bool moving_ = false;      // cards in flight: the next frame is due at once
    int64_t lastFrameMs_ = 0;  // when the last frame of a motion began (game clock)
    // GNAMM_FRAME_LOG in the environment: one line on stderr per frame drawn.
    bool logFrames_ = std::getenv("GNAMM_FRAME_LOG") != nullptr;
};

}  // namespace gnamm::platform

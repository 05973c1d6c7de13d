// Event, timer and drawing turns of the main loop.
#include "platform/main_loop.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/hangup_signal.h"
#include "ui/avvisi_view.h"
#include "ui/finestra.h"
#include "ui/torneo_ripresa.h"

namespace gnamm::platform {

int WaitTimeoutMs(int64_t nowMs, std::optional<int64_t> gameDeadline,
                  std::optional<int64_t> tooltipDeadline) {
    std::optional<int64_t> next = gameDeadline;
    if (tooltipDeadline && (!next || *tooltipDeadline < *next)) next = tooltipDeadline;
    if (!next) return -1;
    return static_cast<int>(std::clamp<int64_t>(*next - nowMs, 0, kMaxWaitMs));
}

int FrameWaitMs(int64_t nowMs, int64_t lastFrameMs) {
    return static_cast<int>(std::clamp<int64_t>(lastFrameMs + kFrameMs - nowMs, 0, kFrameMs));
}

Scale MainLoop::inputScale() const {
    const Size s = window_.size();
    return Scale::ForScreen(game_.screen, s.w, s.h);
}

void MainLoop::handle(const SDL_Event& ev) {
    if (ev.type == SDL_WINDOWEVENT) {
        if (ev.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            window_.resized(ev.window.data1, ev.window.data2);
        }
        forceRedraw_ = true;  // exposed, resized, shown again: the picture must be redrawn
        wholeUpdate_ = true;
    }
    if (ev.type == SDL_RENDER_TARGETS_RESET || ev.type == SDL_RENDER_DEVICE_RESET) {
        renderer_.reset();  // the textures went with the device
        forceRedraw_ = true;
        wholeUpdate_ = true;
    }
    const Translation t =
        mapper_.translate(game_.screen, ev, inputScale(), game_.game.clock.nowMs());
    switch (t.request) {
        case Request::Quit:
        case Request::CloseWindow:
            game_.close();
            quit_ = true;
            return;
        case Request::ToggleFullScreen:
            window_.toggleFullScreen();
            renderer_.forgetFrame();
            forceRedraw_ = true;
            wholeUpdate_ = true;
            break;
        case Request::None:
            break;
    }
    const int rows = renderer_.rowsShown(game_.screen.LstAlbo);
    for (const GameEvent& e : t.events) {
        Deliver(game_, e, rows);
        if (game_.finished) return;
    }
}

void MainLoop::drawIfChanged() {
    if (!forceRedraw_ && drawn_ && SameDrawing(*drawn_, game_.screen) &&
        drawnTooltip_ == mapper_.tooltip()) {
        return;
    }
    Overlay overlay;
    overlay.tooltip = mapper_.tooltip();
    overlay.tooltipX = mapper_.pointerX();
    overlay.tooltipY = mapper_.pointerY();
    overlay.caret = NameBoxActive(game_.screen);
    const int loads = renderer_.textures().loads();
    const auto start = std::chrono::steady_clock::now();
    renderer_.draw(game_.screen, overlay);
    const auto drawn = std::chrono::steady_clock::now();
    auto flushed = drawn;  // SDL's queued drawing done, before the pixels go to the display
    if (renderer_.drawsOnWindowSurface()) {
        // Only the changed pixels go to the display; all of them after the window was
        // exposed, resized or shown again.
        SDL_RenderFlush(window_.renderer());
        flushed = std::chrono::steady_clock::now();
        const std::vector<SDL_Rect>& areas = renderer_.lastAreas();
        if (wholeUpdate_) {
            SDL_UpdateWindowSurface(window_.window());
        } else if (!areas.empty()) {
            SDL_UpdateWindowSurfaceRects(window_.window(), areas.data(),
                                         static_cast<int>(areas.size()));
        }
    } else {
        SDL_RenderPresent(window_.renderer());
    }
    wholeUpdate_ = false;
    if (logFrames_) {
        // For bench/measure_window.sh: how long the frame took, when (wall clock) it was shown,
        // to set against the moment the program was started, and whether cards were moving;
        // of the presenting, the time spent sending the pixels (send_us) in `rects` pieces; how
        // many pictures the frame had to read from disk.
        const auto end = std::chrono::steady_clock::now();
        const auto wall = std::chrono::system_clock::now().time_since_epoch();
        SDL_RendererInfo info{};
        SDL_GetRendererInfo(window_.renderer(), &info);
        std::fprintf(
            stderr,
            "gnamm-frame %d draw_us=%lld present_us=%lld send_us=%lld rects=%zu redrawn_px=%lld "
            "shown_unix_ns=%lld renderer=%s moving=%d loads=%d\n",
            frames_ + 1,
            static_cast<long long>(
                std::chrono::duration_cast<std::chrono::microseconds>(end - start).count()),
            static_cast<long long>(
                std::chrono::duration_cast<std::chrono::microseconds>(end - drawn).count()),
            static_cast<long long>(
                std::chrono::duration_cast<std::chrono::microseconds>(end - flushed).count()),
            renderer_.lastAreas().size(), renderer_.lastRedrawnPixels(),
            static_cast<long long>(
                std::chrono::duration_cast<std::chrono::nanoseconds>(wall).count()),
            info.name ? info.name : "?", moving_ ? 1 : 0, renderer_.textures().loads() - loads);
    }
    drawn_ = game_.screen;
    drawnTooltip_ = overlay.tooltip;
    forceRedraw_ = false;
    ++frames_;
}

void MainLoop::draw() {
    // Notices come from outside the game's entry points too: a save at a quiet moment, a
    // picture that would not load while the last frame was drawn.
    MostraAvviso(game_.screen, game_.game.avvisi);
    drawIfChanged();
    if (MostraAvviso(game_.screen, game_.game.avvisi)) drawIfChanged();
}

bool MainLoop::step(int waitMs) {
    SDL_Event ev;
    const int got = waitMs < 0 ? SDL_WaitEvent(&ev) : SDL_WaitEventTimeout(&ev, waitMs);
    if (got) {
        handle(ev);
        while (!quit_ && !game_.finished && SDL_PollEvent(&ev)) handle(ev);
    }
    if (HangupCaught() && !quit_ && !game_.finished) {
        game_.close();
        quit_ = true;
    }
    if (quit_ || game_.finished) return false;
    game_.fireDueTimers();
    SalvaAlMomentoTranquillo(game_);
    mapper_.updateTooltip(game_.screen, game_.game.clock.nowMs());
    moving_ = Anima(game_);
    if (moving_) lastFrameMs_ = game_.game.clock.nowMs();
    // The name box takes typed text only while it shows.
    const bool typing = NameBoxActive(game_.screen);
    if (typing != (SDL_IsTextInputActive() == SDL_TRUE)) {
        typing ? SDL_StartTextInput() : SDL_StopTextInput();
    }
    draw();
    return !quit_ && !game_.finished;
}

void MainLoop::run() {
    if (std::getenv("GNAMM_WHOLE_FRAMES")) renderer_.setWholeFrames(true);
    draw();
    if (window_.finishOpening()) {
        renderer_.forgetFrame();
        forceRedraw_ = true;
        wholeUpdate_ = true;
        draw();
    }
    while (step(idleWaitMs())) {
    }
}

int MainLoop::nextWaitMs() {
    int wait = WaitTimeoutMs(game_.game.clock.nowMs(), game_.game.scheduler.nextDeadline(),
                             mapper_.tooltipDeadline());
    const int audioWait = audio_ ? audio_->closeWhenIdle(SDL_GetTicks64()) : -1;
    if (audioWait >= 0 && (wait < 0 || audioWait < wait)) wait = audioWait;
    if (moving_) {
        const int frame = FrameWaitMs(game_.game.clock.nowMs(), lastFrameMs_);
        if (wait < 0 || frame < wait) wait = frame;
    }
    return wait;
}

int MainLoop::idleWaitMs() {
    const int wait = nextWaitMs();
    if (wait == 0 || moving_) return wait;
    return renderer_.prepareAhead(game_.screen) ? 0 : wait;
}

}  // namespace gnamm::platform

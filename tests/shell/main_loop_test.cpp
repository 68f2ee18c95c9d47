// The event loop: what ends it, what reaches the game, and how ticks are paced.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <string>
#include <vector>

#include "command_line.h"
#include "game.h"
#include "main_loop.h"
#include "quit_signals.h"
#include "support/dummy_screen.h"
#include "support/program_run.h"
#include "support/work_dir.h"

namespace {

// Without input focus the loop never ticks, and only classic SDL's dummy display gives focus.
constexpr const char* kNoFocusOnCompat = "SDL2's dummy display never gives its window focus";

// The dummy display gives the loop an event queue and input focus; the game draws nothing.
class MainLoopTest : public DummyScreenTest {
protected:
    void SetUp() override {
        DummyScreenTest::SetUp();
        g_tickCounter = 1;  // no spawn due
        game.state = GameState::Playing;
    }

    static void pushKey(Uint8 type, SDLKey sym) {
        SDL_Event event = {};
        event.type = type;
        event.key.type = type;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = sym;
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }

    static void pushQuit() {
        SDL_Event event = {};
        event.type = SDL_QUIT;
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }

    Game game;
    MainLoop loop{game};
};

TEST_F(MainLoopTest, EscapeEndsTheLoopAfterDispatchingTheEventsQueuedBehindIt) {
    pushKey(SDL_KEYDOWN, SDLK_RIGHT);
    pushKey(SDL_KEYDOWN, SDLK_ESCAPE);
    pushKey(SDL_KEYDOWN, SDLK_RIGHT);
    EXPECT_FALSE(loop.pass());
    EXPECT_EQ(game.paddleLane, kMiddleLane + 2);
    EXPECT_EQ(g_tickCounter, 1u) << "no tick after Escape";
}

TEST_F(MainLoopTest, CloseRequestEndsTheLoop) {
    pushQuit();
    loop.run();
    EXPECT_EQ(g_tickCounter, 1u);
}

TEST_F(MainLoopTest, KeyReleasesReachTheGameButChangeNothing) {
    pushKey(SDL_KEYUP, SDLK_RIGHT);
    pushKey(SDL_KEYUP, SDLK_ESCAPE);
    EXPECT_TRUE(loop.pass()) << "releasing Escape does not end the loop";
    EXPECT_EQ(game.paddleLane, kMiddleLane);
}

TEST_F(MainLoopTest, QuittingEndsTheLoopAtTheNextTick) {
    if (onSdl12Compat()) {
        GTEST_SKIP() << kNoFocusOnCompat;
    }
    game.state = GameState::Quitting;
    loop.run();
    EXPECT_EQ(game.state, GameState::Quitting);
}

TEST_F(MainLoopTest, TicksAreAtLeastTheIntervalApart) {
    if (onSdl12Compat()) {
        GTEST_SKIP() << kNoFocusOnCompat;
    }
    const Uint32 start = SDL_GetTicks();
    while (SDL_GetTicks() - start < 8 * tickInterval) {
        ASSERT_TRUE(loop.pass());
    }
    const Uint32 elapsed = SDL_GetTicks() - start;
    const Uint32 ticks = g_tickCounter - 1;
    EXPECT_GE(ticks, 1u);
    EXPECT_LE(ticks, elapsed / tickInterval);
}

TEST(MainLoopWait, OnTheDisplayUntilTheNextTickThatDoesSomethingElseRestsBriefly) {
    const struct {
        Uint32 sinceLastTick;
        bool focused;
        bool tickDoesNothing;
        bool canWaitForInput;
        IdleWait wait;
    } cases[] = {
        // No display connection: short rests, also in the menus.
        {0, true, false, false, {kLongestRestMs, false}},
        {tickInterval - 3, true, false, false, {3, false}},
        {tickInterval - 3, true, true, false, {3, false}},
        {tickInterval, true, false, false, {0, false}},
        {tickInterval + 500, true, false, false, {0, false}},
        {0xFFFFFFF0u, true, false, false, {0, false}},
        {tickInterval + 500, false, false, false, {kLongestRestMs, false}},
        // On the display connection: until the next tick, or until input when none is coming.
        {0, true, false, true, {tickInterval, true}},
        {tickInterval - 3, true, false, true, {3, true}},
        {tickInterval + 500, true, false, true, {0, true}},
        {tickInterval - 3, true, true, true, {kUntilInput, true}},
        {tickInterval + 500, false, false, true, {kUntilInput, true}},
    };
    for (const auto& c : cases) {
        const IdleWait wait =
            idleWait(c.sinceLastTick, c.focused, c.tickDoesNothing, c.canWaitForInput);
        EXPECT_EQ(wait.ms, c.wait.ms) << c.sinceLastTick << " ms since the last tick, focused "
                                      << c.focused << ", tick does nothing " << c.tickDoesNothing
                                      << ", display connection " << c.canWaitForInput;
        EXPECT_EQ(wait.forInput, c.wait.forInput)
            << c.sinceLastTick << " ms, display connection " << c.canWaitForInput;
    }
}

// Before the loop answers them, also once SDL has started, they end the game at once: SDL may be
// ended and started again, or wait for ever for a compositor. Then the loop ends on the first.
TEST(QuitSignals, EndTheGameAtOnceUntilTheLoopAnswersThem) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            catchQuitSignals();
            SDL_Init(SDL_INIT_VIDEO);
            raise(SIGTERM);
        },
        testing::KilledBySignal(SIGTERM), "");
    EXPECT_EXIT(
        {
            catchQuitSignals();
            SDL_Init(SDL_INIT_VIDEO);
            letTheLoopAnswerQuitSignals();
            Game game;
            MainLoop loop(game);
            raise(SIGINT);
            _exit(loop.pass() ? 1 : 0);
        },
        testing::ExitedWithCode(0), "");
    // Ignored when the game starts (nohup, a background job), they stay ignored.
    EXPECT_EXIT(
        {
            signal(SIGINT, SIG_IGN);
            catchQuitSignals();
            raise(SIGINT);
            _exit(0);
        },
        testing::ExitedWithCode(0), "");
    // It also ends a wait for input that began after it came.
    EXPECT_EXIT(
        {
            catchQuitSignals();
            SDL_Init(SDL_INIT_VIDEO);
            letTheLoopAnswerQuitSignals();
            raise(SIGINT);
            signal(SIGALRM, SIG_DFL);  // classic SDL 1.2 ignores it
            alarm(10);                 // kills a wait that does not end
            waitForInput(-1, quitSignalWakeUp(), kUntilInput);
            _exit(0);
        },
        testing::ExitedWithCode(0), "");
    // A second one ends the game at once, also while it is still ending after the first.
    EXPECT_EXIT(
        {
            catchQuitSignals();
            letTheLoopAnswerQuitSignals();
            raise(SIGINT);
            raise(SIGTERM);
            _exit(0);
        },
        testing::KilledBySignal(SIGTERM), "");
}

TEST(CommandLineTest, OptionsAreReadAndAnythingElseRefusesTheLine) {
    using Action = CommandLine::Action;
    const struct {
        std::vector<const char*> arguments;
        Action action;
        bool fullscreen;
        int scale;
    } cases[] = {
        {{}, Action::Play, false, 0},
        {{"--fullscreen"}, Action::Play, true, 0},
        {{"--fullscreen", "--window"}, Action::Play, false, 0},
        {{"--scale", "2", "--fullscreen"}, Action::Play, true, 2},
        {{"--scale=12"}, Action::Play, false, 12},
        {{"--scale", "123456789012"}, Action::Play, false, kLargestScaleRead},
        {{"--version"}, Action::ShowVersion, false, 0},
        {{"--version", "--help"}, Action::ShowHelp, false, 0},
        {{"--help", "--bogus"}, Action::Refuse, false, 0},
        {{"--scale"}, Action::Refuse, false, 0},
        {{"--scale", "0"}, Action::Refuse, false, 0},
        {{"--scale", "02"}, Action::Refuse, false, 0},
        {{"--scale=2x"}, Action::Refuse, false, 0},
        {{"--scale="}, Action::Refuse, false, 0},
        {{"-h"}, Action::Refuse, false, 0},
        {{"fullscreen"}, Action::Refuse, false, 0},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv = {"plimsdl"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        std::string line;
        for (const char* argument : c.arguments) {
            line += std::string(argument) + " ";
        }
        const CommandLine read = readCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(read.action, c.action) << line;
        if (c.action == Action::Play) {
            EXPECT_EQ(read.fullscreen, c.fullscreen) << line;
            EXPECT_EQ(read.scale, c.scale) << line;
        }
    }
}

// Help, the version and a refused line end the game before SDL starts; a scale the desktop has
// no room for (the dummy display's is at most 1024x768) is refused once SDL tells its size.
TEST(Program, CommandLineAnswersWithItsCodeAndText) {
    WorkDir work;
    work.copyGameData();
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        std::string out;
        std::string messages;
    } cases[] = {
        {{"--help"}, 0, kUsage, ""},
        {{"--version"}, 0, "PlimSDL " + std::string(PLIMSDL_VERSION) + "\n", ""},
        {{"--full-screen"}, 2, "", kUsage},
        {{"--scale", "99"},
         2,
         "",
         "Die Skalierung 99 passt nicht auf den Bildschirm, höchstens 1!\n"},
    };
    for (const auto& c : cases) {
        const ProgramRun result = runGame(work.root(), {}, 10, c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments[0];
        EXPECT_EQ(result.out, c.out) << c.arguments[0];
        EXPECT_EQ(c.arguments[0] == "--full-screen" ? result.err : gameMessages(result.err),
                  c.messages)
            << c.arguments[0];
    }
}

TEST(Program, UnusableVideoDriverEndsWithCode1AndSdlsReason) {
    WorkDir work;
    const ProgramRun result =
        runGame(work.root(), {"SDL_VIDEODRIVER=nonexistent", "SDL_VIDEO_DRIVER=nonexistent"});
    EXPECT_EQ(result.exitCode, 1);
    const std::string message = gameMessages(result.err);
    const std::string prefix = "SDL konnte nicht initialisiert werden: ";
    ASSERT_EQ(message.compare(0, prefix.size(), prefix), 0) << result.err;
    EXPECT_GT(message.size(), prefix.size() + 1) << "SDL's own reason follows";
}

}  // namespace

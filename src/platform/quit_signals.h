// Ctrl+C and termination requests (SIGINT, SIGTERM), answered by the game itself. SDL would
// turn them into a quit event, but one that comes while SDL is ended and started again goes with
// SDL, and while SDL waits for the compositor to show the window nobody would look.
#pragma once

// Call before SDL starts, so that SDL leaves these signals to the game. Until the loop answers
// them, they end the game at once, as they end any program. Signals the game was started with
// ignored stay ignored.
void catchQuitSignals();

// Call once the game is set up: from then on the first quit signal only asks the loop to end, and
// a second one ends the game at once.
void letTheLoopAnswerQuitSignals();

// True once a quit signal came while the loop answers them.
bool quitSignalled();

// A descriptor that turns readable with the quit signal the loop answers, so that a wait for input
// ends on it too, also a wait that began just after it came; -1 where there is none.
int quitSignalWakeUp();

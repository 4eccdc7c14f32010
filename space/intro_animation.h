#pragma once
// The start-up intro of the space view: its two counters, moved on by each
// tick of the window's timer, and the lines of text that scroll past the planet.

#include <span>

// Where the text stands (it scrolls from 6 down to -40, then starts again)
// and how far the planet and its moon have turned, in degrees.
extern float IntroTextPos;
extern float IntroAngle;

void resetIntro();
// One tick: returns true when the text has just started again, which replays
// the intro's music.
bool advanceIntro();
// Milliseconds between ticks for the demonstration speed 1..3.
int introTickInterval(int deplace);

// What follows a line of text: a move in the text's own frame, or a turn
// about its x axis.
struct IntroStep {
    enum Kind { Translate, TurnAboutX } kind;
    float x, y, z;  // the move; x alone is the turn, in degrees
};

struct IntroLine {
    const char* text;  // UTF-8
    std::span<const IntroStep> steps;
};

std::span<const IntroLine> introLines();

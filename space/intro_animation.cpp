#include "space/intro_animation.h"

float IntroTextPos = 6;
float IntroAngle = 0;

namespace {

constexpr float TextStart = 6;
constexpr float TextEnd = -40;
constexpr float TextStep = 0.04f;
constexpr float AngleStep = 0.6f;

// Each move (dx, -2, 0) brings the next line back to the left margin, one line lower.
constexpr IntroStep Back(float dx) { return {IntroStep::Translate, dx, -2, 0}; }
constexpr IntroStep Lean{IntroStep::TurnAboutX, 2, 0, 0};

constexpr IntroStep After1[] = {Back(-2.5f)};
constexpr IntroStep After2[] = {Back(-3.8f)};
constexpr IntroStep After3[] = {Lean, Back(-5.3f)};
constexpr IntroStep After4[] = {Back(-7.2f)};
constexpr IntroStep After5[] = {Back(-10.2f), Lean};
constexpr IntroStep After6[] = {Back(-9.5f)};
constexpr IntroStep After7[] = {Back(-9.3f)};
constexpr IntroStep After8[] = {Back(-8.5f)};
constexpr IntroStep After9[] = {Back(-7.7f), Lean};
constexpr IntroStep After10[] = {Back(-11)};
constexpr IntroStep After11[] = {Back(-11.2f)};
constexpr IntroStep After12[] = {Back(-9.5f)};

constexpr IntroLine Lines[] = {
    {"LUMOVA", After1},
    {"PAR", After2},
    {"l'équipe Lumova", After3},
    {"Logiciel de ", After4},
    {"représentation graphique :", After5},
    {"fonctions d'une variable,", After6},
    {"équations paramétrées,", After7},
    {"équations cartésiennes,", After8},
    {"équations polaires,", After9},
    {"Repère de l'espace.", After10},
    {"Bienvenu dans l'espace graphique !", After11},
    {"Tout y est conçu pour", After12},
    {"comprendre et progresser.", {}},
};

}  // namespace

void resetIntro() {
    IntroTextPos = TextStart;
    IntroAngle = 0;
}

bool advanceIntro() {
    IntroTextPos -= TextStep;
    const bool restarted = IntroTextPos < TextEnd;
    if (restarted) IntroTextPos = TextStart;
    IntroAngle += AngleStep;
    return restarted;
}

int introTickInterval(int deplace) {
    switch (deplace) {
        case 1: return 70;
        case 2: return 30;
        default: return 10;
    }
}

std::span<const IntroLine> introLines() { return Lines; }

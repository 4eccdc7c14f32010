#include <cstring>
#include <string>
#include <string_view>

#include "expression/matutil.h"

// The rewriting works on 1-based positions so that each pass reads like its
// rule: "the character at i-1", "i < length". Every pass keeps its own loop
// bound: the passes with a fixed bound visit 1..N+1 of the length they started
// with, so their own insertions can push characters out of their reach.

namespace {

constexpr char SuperscriptTwo = '\xB2';

class Text {
public:
    explicit Text(std::string text) : text_(std::move(text)) {}

    int length() const { return static_cast<int>(text_.size()); }

    // False for a position outside the text: such a position holds no character.
    bool has(int i) const { return i >= 1 && i <= length(); }
    bool is(int i, char c) const { return has(i) && text_[i - 1] == c; }
    bool startsAt(int i, std::string_view word) const {
        return i >= 1 && i - 1 + static_cast<int>(word.size()) <= length()
               && text_.compare(i - 1, word.size(), word) == 0;
    }
    // True when position i holds a character and it is not one of the list.
    bool holdsNoneOf(int i, const char* list) const { return has(i) && !inList(i, list); }
    bool holdsOneOf(int i, const char* list) const { return has(i) && inList(i, list); }

    void insert(int i, std::string_view what) { text_.insert(i - 1, what); }
    void erase(int i) { text_.erase(i - 1, 1); }
    void replace(int i, std::string_view what) { text_.replace(i - 1, 1, what); }

    std::string take() { return std::move(text_); }

private:
    // A zero byte is an ordinary character here, not the end of the list.
    bool inList(int i, const char* list) const {
        const char c = text_[i - 1];
        return c != '\0' && std::strchr(list, c) != nullptr;
    }

    std::string text_;
};

// Visits positions 1..N+1, N being the length when the pass begins.
template <typename Step>
void visitFixedRange(Text& text, Step step) {
    const int last = text.length() + 1;
    for (int i = 1; i <= last; ++i) step(i);
}

// Visits positions while they are within the current length.
template <typename Step>
void visitCurrentLength(Text& text, Step step) {
    for (int i = 1; i <= text.length(); ++i) step(i);
}

// The characters that already separate a product from what precedes or follows it.
constexpr const char* OperatorsOrOpening = "*+-(/^";
constexpr const char* OperatorsOrClosing = "*+-)/^";
constexpr const char* OpeningOrOperators = "(*+-/^";

void insertProductBeforeWord(Text& text, std::string_view word, const char* allowedBefore) {
    visitFixedRange(text, [&](int i) {
        if (i > 1 && text.startsAt(i, word) && text.holdsNoneOf(i - 1, allowedBefore))
            text.insert(i, "*");
    });
}

}  // namespace

std::string NormaliseFormula(const std::string& input) {
    Text text(input);

    visitFixedRange(text, [&](int i) {
        if (text.is(i, '+') && i > 1 && text.is(i - 1, '-')) text.erase(i);
    });
    visitFixedRange(text, [&](int i) {
        if (text.is(i, '+') && i < text.length() && text.is(i + 1, '-')) text.erase(i);
    });
    visitFixedRange(text, [&](int i) {
        if (text.is(i, 'k')) text.replace(i, "y");
    });
    visitFixedRange(text, [&](int i) {
        if (text.is(i, 'v')) text.replace(i, "sqrt");
    });
    visitCurrentLength(text, [&](int i) {
        if (text.is(i, SuperscriptTwo)) text.replace(i, "^2");
    });
    // After an insertion the '*' sits at i and the variable at i+1, which the
    // next step visits and finds already separated.
    visitCurrentLength(text, [&](int i) {
        if (text.holdsOneOf(i, "xyz") && i > 1 && text.holdsNoneOf(i - 1, OperatorsOrOpening))
            text.insert(i, "*");
    });
    visitFixedRange(text, [&](int i) {
        if (text.holdsOneOf(i, "xyz") && i < text.length()
            && text.holdsNoneOf(i + 1, OperatorsOrClosing))
            text.insert(i + 1, "*");
    });
    insertProductBeforeWord(text, "pi", OperatorsOrOpening);
    visitFixedRange(text, [&](int i) {
        if (text.startsAt(i, "pi") && i < text.length() - 1
            && text.holdsNoneOf(i + 2, OperatorsOrClosing))
            text.insert(i + 2, "*");
    });
    visitFixedRange(text, [&](int i) {
        if (text.is(i, 'e') && !text.startsAt(i, "exp")) text.replace(i, "exp");
    });
    // Variables, e and the last letters of the function names keep a call's parenthesis.
    visitFixedRange(text, [&](int i) {
        if (text.is(i, '(') && text.holdsNoneOf(i - 1, "(*+-/xyz^snthpe")) text.insert(i, "*");
    });
    visitFixedRange(text, [&](int i) {
        if (text.is(i, ')') && i < text.length() && text.holdsNoneOf(i + 1, ")*+-/^"))
            text.insert(i + 1, "*");
    });
    insertProductBeforeWord(text, "ln", OpeningOrOperators);
    // The 'c' keeps the cos, sin and tan inside arccos, arcsin and arctan whole.
    visitFixedRange(text, [&](int i) {
        if (i > 1 && text.holdsNoneOf(i - 1, "(c*+-/^")
            && (text.startsAt(i, "cos") || text.startsAt(i, "sin") || text.startsAt(i, "tan")
                || text.startsAt(i, "exp")))
            text.insert(i, "*");
    });
    insertProductBeforeWord(text, "sqrt", OpeningOrOperators);
    visitFixedRange(text, [&](int i) {
        if (i > 1 && text.holdsNoneOf(i - 1, OpeningOrOperators)
            && (text.startsAt(i, "arccos") || text.startsAt(i, "arcsin")
                || text.startsAt(i, "arctan")))
            text.insert(i, "*");
    });
    return text.take();
}

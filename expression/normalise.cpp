#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

#include "expression/matutil.h"

// Each pass reads the text once and writes the rewritten text as it goes, so a
// pass costs time in proportion to the length however many characters it
// inserts. Positions are 1-based, as in the rules: "the character at i-1" is
// the last one written, "the character at i+1" the next one still to read.
// The passes with a fixed bound visit positions 1..N+1 of the length they
// started with, so their own insertions push characters out of their reach.

namespace {

constexpr char SuperscriptTwo = '\xB2';

enum class Bound { FixedRange, CurrentLength };

class Pass {
public:
    Pass(std::string_view text, Bound bound)
        : input_(text),
          last_(bound == Bound::FixedRange ? static_cast<int>(text.size()) + 1
                                           : std::numeric_limits<int>::max()) {
        output_.reserve(text.size() + text.size() / 2);
    }

    // Visits the positions one after another; a step that does nothing keeps
    // the character.
    template <typename Step>
    std::string run(Step step) && {
        while (next_ < input_.size() && position() <= last_) {
            acted_ = false;
            step(*this, position());
            if (!acted_) keep();
        }
        output_.append(input_.substr(next_));
        return std::move(output_);
    }

    int length() const { return static_cast<int>(output_.size() + input_.size() - next_); }

    // False for a position outside the text: such a position holds no character.
    bool has(int i) const { return i >= 1 && i <= length(); }
    bool is(int i, char c) const { return has(i) && at(i) == c; }
    // Words are only looked for at the current position.
    bool startsHere(std::string_view word) const { return input_.substr(next_).starts_with(word); }
    // True when position i holds a character and it is not one of the list.
    bool holdsNoneOf(int i, const char* list) const { return has(i) && !inList(at(i), list); }
    bool holdsOneOf(int i, const char* list) const { return has(i) && inList(at(i), list); }

    // The character that moves into the current position is not visited again.
    void erase() {
        act();
        ++next_;
        if (next_ < input_.size()) keep();
    }
    void replace(std::string_view what) {
        act();
        output_.append(what);
        ++next_;
    }
    // Visiting the character again at the next position would find the '*'
    // before it and change nothing.
    void insertBefore(char what) {
        act();
        output_ += what;
        keep();
    }
    // The word (one character or more) stays at the current position.
    void insertAfter(char what, std::size_t wordLength = 1) {
        act();
        for (std::size_t k = 0; k < wordLength; ++k) keep();
        output_ += what;
    }

private:
    int position() const { return static_cast<int>(output_.size()) + 1; }

    char at(int i) const {
        const auto written = static_cast<int>(output_.size());
        return i <= written ? output_[i - 1] : input_[next_ + (i - written - 1)];
    }

    // A zero byte is an ordinary character here, not the end of the list.
    static bool inList(char c, const char* list) {
        return c != '\0' && std::strchr(list, c) != nullptr;
    }

    void act() { acted_ = true; }
    void keep() { output_ += input_[next_++]; }

    std::string_view input_;
    std::size_t next_ = 0;
    int last_;
    std::string output_;
    bool acted_ = false;
};

// The characters that already separate a product from what precedes or follows it.
constexpr const char* OperatorsOrOpening = "*+-(/^";
constexpr const char* OperatorsOrClosing = "*+-)/^";
constexpr const char* OpeningOrOperators = "(*+-/^";

template <typename Step>
std::string Rewrite(const std::string& text, Bound bound, Step step) {
    return Pass(text, bound).run(step);
}

std::string InsertProductBeforeWord(const std::string& text, std::string_view word,
                                    const char* allowedBefore) {
    return Rewrite(text, Bound::FixedRange, [&](Pass& p, int i) {
        if (i > 1 && p.startsHere(word) && p.holdsNoneOf(i - 1, allowedBefore))
            p.insertBefore('*');
    });
}

}  // namespace

std::string NormaliseFormula(const std::string& input) {
    std::string text = Rewrite(input, Bound::FixedRange, [](Pass& p, int i) {
        if (p.is(i, '+') && i > 1 && p.is(i - 1, '-')) p.erase();
    });
    text = Rewrite(text, Bound::FixedRange, [](Pass& p, int i) {
        if (p.is(i, '+') && i < p.length() && p.is(i + 1, '-')) p.erase();
    });
    text = Rewrite(text, Bound::FixedRange, [](Pass& p, int i) {
        if (p.is(i, 'k')) p.replace("y");
    });
    text = Rewrite(text, Bound::FixedRange, [](Pass& p, int i) {
        if (p.is(i, 'v')) p.replace("sqrt");
    });
    text = Rewrite(text, Bound::CurrentLength, [](Pass& p, int i) {
        if (p.is(i, SuperscriptTwo)) p.replace("^2");
    });
    text = Rewrite(text, Bound::CurrentLength, [](Pass& p, int i) {
        if (p.holdsOneOf(i, "xyz") && i > 1 && p.holdsNoneOf(i - 1, OperatorsOrOpening))
            p.insertBefore('*');
    });
    text = Rewrite(text, Bound::FixedRange, [](Pass& p, int i) {
        if (p.holdsOneOf(i, "xyz") && i < p.length() && p.holdsNoneOf(i + 1, OperatorsOrClosing))
            p.insertAfter('*');
    });
    text = InsertProductBeforeWord(text, "pi", OperatorsOrOpening);
    text = Rewrite(text, Bound::FixedRange, [](Pass& p, int i) {
        if (p.startsHere("pi") && i < p.length() - 1 && p.holdsNoneOf(i + 2, OperatorsOrClosing))
            p.insertAfter('*', 2);
    });
    text = Rewrite(text, Bound::FixedRange, [](Pass& p, int i) {
        if (p.is(i, 'e') && !p.startsHere("exp")) p.replace("exp");
    });
    // Variables, e and the last letters of the function names keep a call's parenthesis.
    text = Rewrite(text, Bound::FixedRange, [](Pass& p, int i) {
        if (p.is(i, '(') && p.holdsNoneOf(i - 1, "(*+-/xyz^snthpe")) p.insertBefore('*');
    });
    text = Rewrite(text, Bound::FixedRange, [](Pass& p, int i) {
        if (p.is(i, ')') && i < p.length() && p.holdsNoneOf(i + 1, ")*+-/^")) p.insertAfter('*');
    });
    text = InsertProductBeforeWord(text, "ln", OpeningOrOperators);
    // The 'c' keeps the cos, sin and tan inside arccos, arcsin and arctan whole.
    text = Rewrite(text, Bound::FixedRange, [](Pass& p, int i) {
        if (i > 1 && p.holdsNoneOf(i - 1, "(c*+-/^")
            && (p.startsHere("cos") || p.startsHere("sin") || p.startsHere("tan")
                || p.startsHere("exp")))
            p.insertBefore('*');
    });
    text = InsertProductBeforeWord(text, "sqrt", OpeningOrOperators);
    return Rewrite(text, Bound::FixedRange, [](Pass& p, int i) {
        if (i > 1 && p.holdsNoneOf(i - 1, OpeningOrOperators)
            && (p.startsHere("arccos") || p.startsHere("arcsin") || p.startsHere("arctan")))
            p.insertBefore('*');
    });
}

// The vocabulary: each quality's tones from its formula, and the spellings songs use for it.
#include "chordvocabulary.h"

namespace {

constexpr ToneRole R = ToneRole::Required;
constexpr ToneRole U = ToneRole::Usual;
constexpr ToneRole S = ToneRole::Spare;

// Intervals by name, so the table reads like a theory book.
enum : int {
    Root = 0,
    Flat9 = 13,
    Ninth = 14,
    Sharp9 = 15,
    Second = 2,
    Min3 = 3,
    Maj3 = 4,
    Fourth = 5,
    Eleventh = 17,
    Flat5 = 6,
    Fifth = 7,
    Sharp5 = 8,
    Sixth = 9,
    Thirteenth = 21,
    Dim7 = 9,
    Min7 = 10,
    Maj7 = 11,
};

std::vector<ChordFormula> makeFormulas()
{
    return {
        {"", {{Root, R}, {Maj3, R}, {Fifth, R}}, {"maj"}},
        {"m", {{Root, R}, {Min3, R}, {Fifth, R}}, {"min", "mi", "-"}},
        {"5", {{Root, R}, {Fifth, R}}, {}},
        {"sus2", {{Root, R}, {Second, R}, {Fifth, R}}, {}},
        {"sus4", {{Root, R}, {Fourth, R}, {Fifth, R}}, {"sus"}},
        {"dim", {{Root, R}, {Min3, R}, {Flat5, R}}, {"o"}},
        {"aug", {{Root, R}, {Maj3, R}, {Sharp5, R}}, {"+"}},
        {"6", {{Root, R}, {Maj3, R}, {Fifth, U}, {Sixth, R}}, {}},
        {"m6", {{Root, R}, {Min3, R}, {Fifth, U}, {Sixth, R}}, {"min6"}},
        {"add9", {{Root, R}, {Maj3, R}, {Fifth, U}, {Ninth, R}}, {"(add9)", "add2"}},
        {"m(add9)", {{Root, R}, {Min3, R}, {Fifth, U}, {Ninth, R}}, {"madd9"}},
        {"6/9", {{Root, R}, {Maj3, R}, {Fifth, U}, {Sixth, R}, {Ninth, R}}, {"69"}},
        {"7", {{Root, R}, {Maj3, R}, {Fifth, U}, {Min7, R}}, {}},
        {"m7", {{Root, R}, {Min3, R}, {Fifth, U}, {Min7, R}}, {"min7", "mi7", "-7"}},
        {"maj7", {{Root, R}, {Maj3, R}, {Fifth, U}, {Maj7, R}}, {"ma7"}},
        {"m(maj7)", {{Root, R}, {Min3, R}, {Fifth, U}, {Maj7, R}}, {"mmaj7", "mM7", "m(M7)"}},
        {"7sus4", {{Root, R}, {Fourth, R}, {Fifth, U}, {Min7, R}}, {"7sus"}},
        {"dim7", {{Root, R}, {Min3, R}, {Flat5, R}, {Dim7, R}}, {"o7"}},
        {"m7b5", {{Root, R}, {Min3, R}, {Flat5, R}, {Min7, R}}, {"m7(b5)", "m7-5"}},
        {"7b5", {{Root, R}, {Maj3, R}, {Flat5, R}, {Min7, R}}, {"7(b5)", "7-5"}},
        {"7#5", {{Root, R}, {Maj3, R}, {Sharp5, R}, {Min7, R}}, {"7(#5)", "7+5", "aug7", "+7"}},
        {"9", {{Root, R}, {Maj3, R}, {Fifth, U}, {Min7, R}, {Ninth, R}}, {}},
        {"m9", {{Root, R}, {Min3, R}, {Fifth, U}, {Min7, R}, {Ninth, R}}, {"min9"}},
        {"maj9", {{Root, R}, {Maj3, R}, {Fifth, U}, {Maj7, R}, {Ninth, R}}, {"ma9"}},
        {"7b9", {{Root, R}, {Maj3, R}, {Fifth, U}, {Min7, R}, {Flat9, R}}, {"7(b9)", "7-9"}},
        {"7#9", {{Root, R}, {Maj3, R}, {Fifth, U}, {Min7, R}, {Sharp9, R}}, {"7(#9)", "7+9"}},
        // The major third of an 11 chord rubs against the eleventh, so players drop it (and often the ninth).
        {"11", {{Root, R}, {Maj3, S}, {Fifth, U}, {Min7, R}, {Ninth, U}, {Eleventh, R}}, {}},
        {"m11", {{Root, R}, {Min3, R}, {Fifth, U}, {Min7, R}, {Ninth, U}, {Eleventh, R}}, {"min11"}},
        // A dominant 13th leaves the eleventh out: it clashes with the major third. Only a name that asks for
        // it ("11", "13#11") sounds it.
        {"13", {{Root, R}, {Maj3, R}, {Fifth, U}, {Min7, R}, {Ninth, U}, {Thirteenth, R}}, {}},
    };
}

std::vector<SlashChord> makeSlashChords()
{
    return {
        {"", 4},   {"", 7},   {"", 10},   {"", 11},    {"", 2},  // C/E C/G C/Bb C/B, and F/G over the second
        {"m", 3},  {"m", 7},  {"m", 10},  {"m", 11},   {"m", 9}, // Am/C Am/E Am/G Am/G# Am/F#: the descending line
        {"7", 4},  {"7", 7},  {"7", 10},                         // the seventh chords' own tones in the bass
        {"m7", 3}, {"m7", 7}, {"m7", 10}, {"maj7", 4}, {"maj7", 7}, {"maj7", 11},
    };
}

} // namespace

const std::vector<ChordFormula> &ChordVocabulary::formulas()
{
    static const std::vector<ChordFormula> formulas = makeFormulas();
    return formulas;
}

const ChordFormula *ChordVocabulary::find(const std::string &suffix)
{
    for (const ChordFormula &formula : formulas())
        if (formula.suffix == suffix)
            return &formula;
    return nullptr;
}

const std::vector<SlashChord> &ChordVocabulary::slashChords()
{
    static const std::vector<SlashChord> slashChords = makeSlashChords();
    return slashChords;
}

// The fingering search: a depth-first walk over the strings, pruned by the hand's stretch.
#include "fretsearch.h"

#include "chordformula.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <map>

namespace {

constexpr int Muted = Playability::Muted;
// No hand covers more frets than this anywhere on the neck; the exact limit is checked per fingering.
constexpr int WidestSpan = 5;

int toneOf(int pitch)
{
    return ((pitch % 12) + 12) % 12;
}

struct Candidate
{
    Frets frets;
    int difficulty = INT_MAX;
};

// One search for one chord: the frets each string may take, and the best fingering found per position.
class Walk
{
public:
    Walk(const FretSearch &search, const ChordTarget &target)
        : m_search(search)
        , m_target(target)
        , m_frets(search.board().strings(), Muted)
    {
        const Fretboard &board = search.board();
        const unsigned allowed = target.allowedTones();
        m_options.resize(board.strings());
        for (int string = 0; string < board.strings(); ++string) {
            m_options[string].push_back(Muted);
            for (int fret = 0; fret <= board.highestFret; ++fret)
                if (allowed & (1u << toneOf(board.pitch(string, fret))))
                    m_options[string].push_back(fret);
        }
    }

    std::map<int, Candidate> run()
    {
        visit(0, 0, 0);
        return std::move(m_bestByPosition);
    }

private:
    void visit(int string, int lowest, int highest)
    {
        if (string == static_cast<int>(m_frets.size())) {
            consider();
            return;
        }
        for (int fret : m_options[string]) {
            int newLowest = lowest;
            int newHighest = highest;
            if (fret > 0) {
                newLowest = lowest == 0 ? fret : std::min(lowest, fret);
                newHighest = std::max(highest, fret);
                if (newHighest - newLowest + 1 > WidestSpan || newLowest > m_search.board().highestPosition)
                    continue;
            }
            m_frets[string] = fret;
            visit(string + 1, newLowest, newHighest);
        }
        m_frets[string] = Muted;
    }

    void consider()
    {
        const int position = FretSearch::position(m_frets);
        if (m_search.judge(m_frets, m_target) != FretSearch::Verdict::Playable)
            return;
        const int difficulty = m_search.difficulty(m_frets, m_target);
        Candidate &best = m_bestByPosition[position];
        if (difficulty < best.difficulty)
            best = {m_frets, difficulty};
    }

    const FretSearch &m_search;
    const ChordTarget &m_target;
    std::vector<std::vector<int>> m_options;
    Frets m_frets;
    std::map<int, Candidate> m_bestByPosition;
};

} // namespace

FretSearch::FretSearch(Fretboard board)
    : m_board(std::move(board))
{}

unsigned FretSearch::soundedTones(const Frets &frets, int &lowestPitch) const
{
    unsigned tones = 0;
    lowestPitch = INT_MAX;
    for (int string = 0; string < static_cast<int>(frets.size()); ++string) {
        if (frets[string] == Muted)
            continue;
        const int pitch = m_board.pitch(string, frets[string]);
        tones |= 1u << toneOf(pitch);
        lowestPitch = std::min(lowestPitch, pitch);
    }
    return tones;
}

int FretSearch::mutingCost(const Frets &frets) const
{
    const int muted = static_cast<int>(std::count(frets.begin(), frets.end(), Muted));
    if (m_board.strumsAllStrings)
        return 14 * muted;
    // A strum may start at the first sounded bass string; stopping it before the top strings is harder,
    // and a muted string inside needs a damping finger.
    const auto sounded = [](int fret) { return fret != Muted; };
    const int bassSide = static_cast<int>(std::find_if(frets.begin(), frets.end(), sounded) - frets.begin());
    const int inner = Playability::innerMutedStrings(frets);
    const int trebleSide = muted - bassSide - inner;
    return 4 * bassSide + 10 * trebleSide + 20 * inner;
}

// How often the stopped strings sound a tone; an open string's doubling comes free with an open shape.
int FretSearch::frettedSoundings(const Frets &frets, int tone) const
{
    if (tone == ChordTarget::NoTone)
        return 0;
    int count = 0;
    for (int string = 0; string < static_cast<int>(frets.size()); ++string)
        count += frets[string] > 0 && toneOf(m_board.pitch(string, frets[string])) == tone;
    return count;
}

// The E- and A-shapes moved up the neck: the index finger lies across every string from the root in the bass
// to the top, and the other fingers make the open chord's shape above it.
bool FretSearch::isMovableForm(const Frets &frets, const HandShape &shape, const ChordTarget &target) const
{
    if (!shape.barre || !m_board.rootInBass || frets.back() != shape.lowestFret)
        return false;
    const auto bass = std::find_if(frets.begin(), frets.end(), [](int fret) { return fret != Muted; });
    const int string = static_cast<int>(bass - frets.begin());
    return *bass == shape.lowestFret && toneOf(m_board.pitch(string, *bass)) == target.root;
}

// Open strings cost where they are awkward: beside a hand off the nut they ring among stopped notes of another
// position, and inside a grip that takes all four fingers without a barre a finger leans on them. A slash
// chord's bass on the lowest string near the nut is the thumb's (D/F#: 200232), not a finger's.
int FretSearch::openStringCost(const Frets &frets, const HandShape &shape, const ChordTarget &target) const
{
    const auto pressed = [](int fret) { return fret > 0; };
    const auto firstPressed = std::find_if(frets.begin(), frets.end(), pressed);
    if (shape.highestFret >= 4)
        return 7 * static_cast<int>(std::count(firstPressed, frets.end(), 0));
    const bool thumbBass = target.bass != ChordTarget::NoBass && m_board.rootInBass && frets.front() > 0;
    const auto firstFingered = thumbBass ? std::find_if(firstPressed + 1, frets.end(), pressed) : firstPressed;
    if (shape.fingers - thumbBass < Playability::MaxFingers || shape.barre)
        return 0;
    const auto lastPressed = std::find_if(frets.rbegin(), frets.rend(), pressed).base();
    return 5 * static_cast<int>(std::count(firstFingered, lastPressed, 0));
}

// The note above the bass is the root or the fifth, as in the E and A shapes; chords without a fifth pass.
bool FretSearch::hasFifthOverTheBass(const Frets &frets, const ChordTarget &target) const
{
    std::vector<int> pitches;
    for (int string = 0; string < static_cast<int>(frets.size()); ++string)
        if (frets[string] != Muted)
            pitches.push_back(m_board.pitch(string, frets[string]));
    std::sort(pitches.begin(), pitches.end());
    if (pitches.size() < 2 || !(target.formula->toneMask() & (1u << 7)))
        return true;
    const int above = toneOf(pitches[1] - target.root);
    return above == 0 || above == 7;
}

int FretSearch::position(const Frets &frets)
{
    if (std::find(frets.begin(), frets.end(), 0) != frets.end())
        return 0;
    return Playability::handShape(frets).lowestFret;
}

FretSearch::Verdict FretSearch::judge(const Frets &frets, const ChordTarget &target) const
{
    const int sounded = static_cast<int>(std::count_if(frets.begin(), frets.end(), [](int f) { return f != Muted; }));
    if (sounded < std::min(3, m_board.strings()))
        return Verdict::TooFewStrings;
    int lowestPitch = 0;
    const unsigned tones = soundedTones(frets, lowestPitch);
    if (tones & ~target.allowedTones())
        return Verdict::ForeignTone;
    if ((tones & target.requiredTones()) != target.requiredTones())
        return Verdict::MissingTone;
    const int bass = target.lowestTone(m_board.rootInBass);
    if (bass != ChordTarget::NoBass && toneOf(lowestPitch) != bass)
        return Verdict::WrongBass;
    // One muted string inside a six-string grip is a known trick (3x0003); more, or on smaller necks, is not.
    if (Playability::innerMutedStrings(frets) > (m_board.strings() >= 6 ? 1 : 0))
        return Verdict::InnerMutes;
    if (!Playability::withinReach(Playability::handShape(frets)))
        return Verdict::OutOfReach;
    return Verdict::Playable;
}

int FretSearch::difficulty(const Frets &frets, const ChordTarget &target) const
{
    return score(frets, target).total();
}

// The rules a teacher gives when choosing which grip to learn first, each as a cost.
GripScore FretSearch::score(const Frets &frets, const ChordTarget &target) const
{
    const HandShape shape = Playability::handShape(frets);
    int lowestPitch = 0;
    const unsigned tones = soundedTones(frets, lowestPitch);
    const int stretch = std::max(0, shape.span - 1);
    GripScore score;
    score.add("frets", 2 * shape.highestFret);                               // open positions first,
    score.add("lowest fret", 2 * std::max(0, shape.lowestFret - 3));         // a hand far up the neck last
    score.add("strings", mutingCost(frets));                                 // a full-sounding grip first
    score.add("fingers", 2 * shape.fingers);                                 // fewer fingers first
    score.add("barre", shape.barre ? 6 : 0);                                 // a barre is work,
    score.add("movable form", isMovableForm(frets, shape, target) ? -4 : 0); // but the E and A shapes are known
    score.add("span", stretch * stretch); // a full stretch is much harder than two half ones
    score.add("open strings", openStringCost(frets, shape, target));
    score.add("missing tones", std::popcount(target.usualTones() & ~tones));              // the full chord first,
    score.add("clashing tones", std::popcount(target.spareTones() & tones));              // without its clashing tones
    score.add("root in the bass", toneOf(lowestPitch) != target.root ? 1 : 0);            // root position first
    score.add("doubled third", std::max(0, frettedSoundings(frets, target.third()) - 1)); // one stopped third
    score.add("fifth over the bass", hasFifthOverTheBass(frets, target) ? 0 : 3);         // a full bass: root, fifth
    return score;
}

std::vector<Frets> FretSearch::fingerings(const ChordTarget &target, int maxCount) const
{
    std::vector<Candidate> best;
    for (auto &[position, candidate] : Walk(*this, target).run())
        best.push_back(std::move(candidate));
    // Stable: among equals the lower position comes first, as the map delivered them.
    std::stable_sort(best.begin(), best.end(),
                     [](const Candidate &a, const Candidate &b) { return a.difficulty < b.difficulty; });
    std::vector<Frets> result;
    for (int i = 0; i < std::min(maxCount, static_cast<int>(best.size())); ++i)
        result.push_back(std::move(best[i].frets));
    return result;
}

std::string FretSearch::whyUnplayable(const ChordTarget &target) const
{
    if (!fingerings(target, 1).empty())
        return {};
    if (target.requiredCount() > m_board.strings())
        return "needs " + std::to_string(target.requiredCount()) + " different notes, the instrument has " +
               std::to_string(m_board.strings()) + " strings";
    unsigned reachable = 0;
    for (int string = 0; string < m_board.strings(); ++string)
        for (int fret = 0; fret <= m_board.highestFret; ++fret)
            reachable |= 1u << toneOf(m_board.pitch(string, fret));
    if ((reachable & target.requiredTones()) != target.requiredTones())
        return "a note it needs lies between the frets";
    if (target.lowestTone(m_board.rootInBass) != ChordTarget::NoBass)
        return "no grip with its bass note lowest fits four fingers and the stretch";
    return "no grip fits four fingers and the stretch";
}

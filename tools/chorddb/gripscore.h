// Why one fingering comes before another, in the words a teacher would use: each rule a named cost.
#pragma once

#include <string>
#include <vector>

class GripScore
{
public:
    struct Term
    {
        const char *rule;
        int cost; // lower is easier; a negative cost is a reward
    };

    void add(const char *rule, int cost);
    int total() const;
    // The rules that count for this fingering, as "rule cost" pairs: "fingers 6, frets 6, strings 5".
    std::string describe() const;

private:
    std::vector<Term> m_terms;
};

// The named costs of one fingering.
#include "gripscore.h"

void GripScore::add(const char *rule, int cost)
{
    if (cost != 0)
        m_terms.push_back({rule, cost});
}

int GripScore::total() const
{
    int sum = 0;
    for (const Term &term : m_terms)
        sum += term.cost;
    return sum;
}

std::string GripScore::describe() const
{
    std::string text;
    for (const Term &term : m_terms) {
        if (!text.empty())
            text += ", ";
        text += term.rule;
        text += ' ';
        text += std::to_string(term.cost);
    }
    return text;
}

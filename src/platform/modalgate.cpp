#include "modalgate.h"

#include <QPointer>
#include <QTimer>

#include <vector>

namespace {
struct Waiting
{
    QPointer<QObject> context;
    std::function<void()> action;
};

int questions = 0;
std::vector<Waiting> waiting;

void runWaiting()
{
    // An action may ask a question of its own; the ones after it wait for that one in turn.
    while (questions == 0 && !waiting.empty()) {
        Waiting next = std::move(waiting.front());
        waiting.erase(waiting.begin());
        if (next.context)
            next.action();
    }
}
} // namespace

ModalGate::Question::Question()
{
    ++questions;
}

ModalGate::Question::~Question()
{
    if (--questions > 0 || waiting.empty())
        return;
    // Not from here: the asker has not yet seen the answer. The event loop runs the actions after it.
    QTimer::singleShot(0, [] { runWaiting(); });
}

int ModalGate::openQuestions()
{
    return questions;
}

void ModalGate::whenNoQuestion(QObject *context, std::function<void()> action)
{
    if (questions == 0 && waiting.empty()) {
        action();
        return;
    }
    waiting.push_back({context, std::move(action)});
}

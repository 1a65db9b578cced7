// Counts the modal questions open in the program, and holds back work that must not run inside one.
#pragma once

#include <QObject>

#include <functional>

// Qt runs queued calls inside a dialog's own event loop, so work that arrives from outside (a song chosen
// by a device or a peer) could switch the song under an open question. Every question holds a Question
// while it is shown; such work goes through whenNoQuestion(). Main thread only.
class ModalGate
{
public:
    // Held for the time one question is shown.
    class Question
    {
    public:
        Question();
        ~Question();
        Question(const Question &) = delete;
        Question &operator=(const Question &) = delete;
    };

    static int openQuestions();

    // Runs the action at once when no question is open; else after the last one has closed and its asker
    // has had the answer (from the event loop, in the order the actions came). Dropped when the context
    // object is destroyed first.
    static void whenNoQuestion(QObject *context, std::function<void()> action);
};

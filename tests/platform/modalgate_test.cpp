// The modal-question gate: work from outside runs at once, or after the last open question has been answered.
#include "modalgate.h"

#include <QCoreApplication>
#include <QObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

TEST(ModalGate, RunsAtOnceWithoutQuestion)
{
    QObject context;
    bool ran = false;
    ModalGate::whenNoQuestion(&context, [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(ModalGate::openQuestions(), 0);
}

TEST(ModalGate, WaitsForTheLastQuestionAndItsAnswer)
{
    QObject context;
    QStringList ran;
    {
        std::optional<ModalGate::Question> outer(std::in_place);
        {
            const ModalGate::Question inner;
            EXPECT_EQ(ModalGate::openQuestions(), 2);
            ModalGate::whenNoQuestion(&context, [&] { ran.append(QStringLiteral("first")); });
        }
        QCoreApplication::processEvents();
        EXPECT_TRUE(ran.isEmpty()) << "one question is still open";
        ModalGate::whenNoQuestion(&context, [&] { ran.append(QStringLiteral("second")); });
        outer.reset();
        EXPECT_TRUE(ran.isEmpty()) << "the asker gets the answer before the waiting work runs";
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
}

TEST(ModalGate, WorkAskingAQuestionHoldsBackTheWorkAfterIt)
{
    QObject context;
    QStringList ran;
    auto question = std::make_unique<ModalGate::Question>();
    ModalGate::whenNoQuestion(&context, [&] {
        ran.append(QStringLiteral("asks"));
        const ModalGate::Question own;
        QCoreApplication::processEvents(); // a dialog's event loop
        ran.append(QStringLiteral("answered"));
    });
    ModalGate::whenNoQuestion(&context, [&] { ran.append(QStringLiteral("after")); });
    question.reset();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, (QStringList{QStringLiteral("asks"), QStringLiteral("answered"), QStringLiteral("after")}));
}

TEST(ModalGate, WorkOfADestroyedContextIsDropped)
{
    bool ran = false;
    {
        const ModalGate::Question question;
        auto context = std::make_unique<QObject>();
        ModalGate::whenNoQuestion(context.get(), [&] { ran = true; });
        context.reset();
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
}

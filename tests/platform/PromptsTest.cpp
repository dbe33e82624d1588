#include "ScriptedPrompts.h"

#include "platform/Prompts.h"

#include <gtest/gtest.h>

TEST(Prompts, WithoutHandlerQuestionsAreAnsweredNegatively) {
    Prompts::Handler* previous = Prompts::installed();
    Prompts::install(nullptr);
    EXPECT_EQ(Prompts::show(Prompts::Icon::Question, QStringLiteral("t"), QStringLiteral("?"), Prompts::Buttons::YesNo),
              Prompts::Answer::No);
    EXPECT_EQ(Prompts::show(Prompts::Icon::Information, QStringLiteral("t"), QStringLiteral("i")),
              Prompts::Answer::Ok);
    EXPECT_FALSE(Prompts::dialog(QLatin1String(Prompts::Dialog::Login)).isValid());
    Prompts::install(previous);
}

TEST(Prompts, ScriptedHandlerRecordsAnswersAndRestoresThePrevious) {
    Prompts::Handler* before = Prompts::installed();
    {
        ScriptedPrompts outer;
        {
            ScriptedPrompts inner;
            inner.queueAnswer(Prompts::Answer::Yes);
            EXPECT_EQ(Prompts::show(Prompts::Icon::Warning, QStringLiteral("T"), QStringLiteral("A\r\nB"),
                                    Prompts::Buttons::YesNo),
                      Prompts::Answer::Yes);
            // Unscripted questions are declined, never silently accepted.
            EXPECT_EQ(Prompts::show(Prompts::Icon::Question, QStringLiteral("T"), QStringLiteral("?"),
                                    Prompts::Buttons::YesNo),
                      Prompts::Answer::No);
            ASSERT_EQ(inner.messages().size(), 2);
            EXPECT_EQ(inner.messages()[0].icon, Prompts::Icon::Warning);
            EXPECT_EQ(inner.messages()[0].text, QStringLiteral("A\r\nB"));
        }
        EXPECT_EQ(Prompts::installed(), &outer);
        EXPECT_TRUE(outer.messages().isEmpty());
    }
    EXPECT_EQ(Prompts::installed(), before);
}

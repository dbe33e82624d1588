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

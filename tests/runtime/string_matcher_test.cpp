#include "runtime/choices.h"
#include "runtime/string_matcher.h"

#include <gtest/gtest.h>

using namespace bv;

TEST(StringMatcher, OptionsSwitchCaseAndWildcards) {
  StringMatcher m;
  m.setOption(1, true);
  EXPECT_TRUE(m.matches("rojo", "ROJO  "));
  EXPECT_TRUE(m.matches("ámbar", "ÁMBAR"));
  EXPECT_FALSE(m.matches("ro*", "ROJO"));
  m.setOption(2, true);
  EXPECT_TRUE(m.matches("ro*", "ROJO"));
  EXPECT_TRUE(m.matches("r?jo", "ROJO"));
  m.setOption(1, false);
  EXPECT_FALSE(m.matches("ro*", "ROJO"));
}

TEST(Choices, ScriptAnswersThenDefaults) {
  ScriptedChoices script;
  script.answer("orden", QStringLiteral("3"));
  script.answer("orden", std::nullopt);
  ChoicesScope scope(script);
  const Choice c{"orden", "Orden", "Orden del listado", {"1", "2", "3"}, "1"};
  EXPECT_EQ(Choices::ask(c), QStringLiteral("3"));
  EXPECT_EQ(Choices::ask(c), std::nullopt);
  EXPECT_EQ(Choices::ask(c), QStringLiteral("1"));
  EXPECT_EQ(script.asked().size(), 3u);
}

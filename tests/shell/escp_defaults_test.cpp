#include "runtime/escp_manager.h"
#include "shell/escp_defaults.h"

#include <gtest/gtest.h>

using namespace bv;

TEST(EscpDefaults, TwentyFourCodesWithTheirBytes) {
  const auto codes = defaultEscpCodes();
  ASSERT_EQ(codes.size(), 24);
  const int lengths[24] = {3, 3, 3, 3, 3, 3, 2, 2, 2, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1};
  for (int i = 0; i < 24; ++i) {
    EXPECT_EQ(codes[i].size(), lengths[i]) << "code " << i + 1;
    if (i < 21) EXPECT_EQ(codes[i][0], '\x1B') << "code " << i + 1;
  }
  EXPECT_EQ(codes[0], QByteArray("\x1Bk1"));
  EXPECT_EQ(codes[9], QByteArray("\x1BS1"));
  EXPECT_EQ(codes[15], QByteArray("\x1B\x14"));
  EXPECT_EQ(codes[16], QByteArray("\x1B\x0E"));
  EXPECT_EQ(codes[18], QByteArray("\x1B\x0F"));
  EXPECT_EQ(codes[20], QByteArray("\x1BP"));
  EXPECT_EQ(codes[21], QByteArray("\x0C"));
  EXPECT_EQ(codes[22], QByteArray("\x0A"));
  EXPECT_EQ(codes[23], QByteArray("\x0D"));
}

TEST(EscpDefaults, ManagerUsesThemAfterInit) {
  KalEscpManagerClass escp;
  escp.SETDEFAULTESCP(defaultEscpCodes());
  EXPECT_TRUE(escp.code(15).isEmpty());
  escp.INIT();
  EXPECT_EQ(escp.code(15), QByteArray("\x1B" "E"));
  EXPECT_EQ(escp.code(24), QByteArray("\x0D"));
  EXPECT_TRUE(escp.code(25).isEmpty());
}

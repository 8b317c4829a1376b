#include <QTest>

#include "tests/shell/window_fixture.h"

namespace shell {
namespace {

TEST_F(WindowTest, ClientAreaHasFixedSize) {
  EXPECT_EQ(Window().size(), QSize(453, 535));
  EXPECT_EQ(Window().minimumSize(), Window().maximumSize());
}

}  // namespace
}  // namespace shell

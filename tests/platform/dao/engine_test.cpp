#include <gtest/gtest.h>

#include "platform/dao/dao_errors.hpp"
#include "platform/dao/engine.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik::test {
namespace {

TEST(EngineTransactions, CommitOrRollbackWithoutOne) {
    dao::Workspace& ws = dao::dbEngine().Workspaces(0);
    EXPECT_EQ(errorNumberOf([&] { ws.CommitTrans(); }), dao::kNoTransaction);
    EXPECT_EQ(errorNumberOf([&] { ws.Rollback(); }), dao::kNoTransaction);
}

}  // namespace
}  // namespace kalvik::test

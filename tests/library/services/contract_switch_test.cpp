#include "library/services/contract_switch.hpp"

#include <gtest/gtest.h>

namespace {

// Only the exact text counts: another letter case or a blank beside it is not the contract.
TEST(ContractSwitch, OnlyTheExactTextSelectsTheContract) {
    EXPECT_TRUE(kalvik::isContract("Дог"));
    for (const char* other : {"", "дог", "ДОГ", " Дог", "Дог ", "Dog"})
        EXPECT_FALSE(kalvik::isContract(other)) << other;
}

}  // namespace

// Propiss called by name through its dispatch interface, as a scripting front-end calls it:
// arguments converted to the parameter types, in/out arguments written back, failures reported.
#include <gtest/gtest.h>

#include <vector>

#include "library/com/class_factory.hpp"
#include "library/com/ipropiss.hpp"
#include "platform/com/inproc_server.hpp"
#include "platform/oleaut/datetime.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik {
namespace {

using oleaut::Variant;
using test::errorNumberOf;

std::shared_ptr<com::IDispatch> createPropiss() {
    std::shared_ptr<com::IUnknown> factory;
    EXPECT_EQ(getClassObject(IPropiss::kClsid, com::kIidIClassFactory, factory), com::kOk);
    std::shared_ptr<com::IUnknown> object;
    EXPECT_EQ(
        com::interfaceCast<com::IClassFactory>(factory)->CreateInstance(com::kIidIDispatch, object),
        com::kOk);
    return com::interfaceCast<com::IDispatch>(object);
}

Variant call(com::IDispatch& object, std::string_view method, std::vector<Variant>& variables) {
    std::vector<Variant*> arguments;
    for (Variant& v : variables)
        arguments.push_back(&v);
    return com::callByName(object, method, arguments);
}

struct CallCase {
    const char* method;
    std::vector<Variant> arguments;
    Variant result;
    std::vector<Variant> argumentsAfter;
};

TEST(PropissDispatchTest, CallsByName) {
    const auto propiss = createPropiss();
    ASSERT_TRUE(propiss);
    const Variant zero(int16_t{0});
    const CallCase cases[] = {
        {"СуммаПрописью",
         {oleaut::Currency{52347500}},
         "Пять тысяч двести тридцать пять рублей",
         {oleaut::Currency{52347500}}},
        {"СуммаПрописью",
         {oleaut::Currency{192500}},
         "Девятнадцать рублей",
         {oleaut::Currency{192500}}},
        {"Единицы", {int32_t{2}, "мужской"}, "две ", {int32_t{2}, "мужской"}},
        {"Тысячи", {int32_t{21}}, "тысяч ", {int32_t{21}}},
        {"Рубли", {int32_t{3}}, "рубля", {int32_t{3}}},
        {"КопейкиТекст", {0.21}, " копейка", {0.21}},
        {"КопейкиТекст_10_11_03", {oleaut::kNull}, " копеек", {zero}},
        {"СумКоп", {-5.999}, "-6-00", {-5.999}},
        {"Коп", {oleaut::kNull}, "00", {zero}},
        {"Коп", {-12.05}, "05", {-12.05}},
        {"Руб_10_11_03", {oleaut::kNull}, int32_t{0}, {zero}},
        {"Руб_10_11_03", {12.999}, int32_t{13}, {12.999}},
        {"РабочиеДни",
         {oleaut::DateSerial(2024, 2, 10), int16_t{2}},
         int16_t{21},
         {oleaut::DateSerial(2024, 2, 10), int16_t{2}}},
        {"Proper", {"john SMITH"}, "John Smith", {"john SMITH"}},
        {"Proper", {oleaut::kNull}, Variant(), {oleaut::kNull}},
    };
    for (const auto& c : cases) {
        std::vector<Variant> variables = c.arguments;
        const Variant result = call(*propiss, c.method, variables);
        EXPECT_TRUE(identical(result, c.result)) << c.method << ": " << oleaut::CStr(result);
        ASSERT_EQ(variables.size(), c.argumentsAfter.size());
        for (size_t i = 0; i < variables.size(); ++i) {
            EXPECT_TRUE(identical(variables[i], c.argumentsAfter[i])) << c.method << " arg " << i;
        }
    }
}

TEST(PropissDispatchTest, FailuresComeBackWithTheirNumbers) {
    const auto propiss = createPropiss();
    ASSERT_TRUE(propiss);
    const struct {
        const char* method;
        std::vector<Variant> arguments;
        int32_t error;
    } cases[] = {
        {"РабочиеДни", {oleaut::kNull, int16_t{1}}, oleaut::kInvalidUseOfNull},
        {"РабочиеДни", {true, int16_t{1}}, oleaut::kTypeMismatch},
        {"Руб_10_11_03", {2147483647.999}, oleaut::kOverflow},
        {"КопейкиТекст_10_11_03", {3e9}, oleaut::kOverflow},
        {"Proper", {std::string(32768, 'x')}, oleaut::kOverflow},
    };
    for (const auto& c : cases) {
        std::vector<Variant> variables = c.arguments;
        EXPECT_EQ(errorNumberOf([&] { call(*propiss, c.method, variables); }), c.error) << c.method;
    }
}

}  // namespace
}  // namespace kalvik

// Fiz_par called by name through its dispatch interface, as the calculations and a scripting
// front-end call it: dispatch identifiers, result kinds, write-backs into the caller's variables.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "library/com/class_factory.hpp"
#include "library/com/ifiz_par.hpp"
#include "platform/com/inproc_server.hpp"
#include "tests/library/services/property_test_support.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik {
namespace {

using kalvik::test::errorNumberOf;
using kalvik::testing::kSingleTolerance;
using kalvik::testing::nearRelative;
using oleaut::Variant;
using oleaut::VarType;

std::shared_ptr<com::IDispatch> createFizPar() {
    std::shared_ptr<com::IUnknown> factory;
    EXPECT_EQ(getClassObject(IFiz_par::kClsid, com::kIidIClassFactory, factory), com::kOk);
    std::shared_ptr<com::IUnknown> object;
    EXPECT_EQ(
        com::interfaceCast<com::IClassFactory>(factory)->CreateInstance(com::kIidIDispatch, object),
        com::kOk);
    return com::interfaceCast<com::IDispatch>(object);
}

class FizParDispatch : public ::testing::Test {
  protected:
    std::shared_ptr<com::IDispatch> fizPar = createFizPar();

    Variant call(std::string_view method, std::vector<Variant*> arguments) {
        return com::callByName(*fizPar, method, arguments);
    }
};

TEST_F(FizParDispatch, DispatchIdentifiersStartAtOne) {
    const char* const names[] = {"Ivs", "Vvs",  "Tsp",     "Isp",     "Iv",     "Vsp",
                                 "Vv",  "Muvs", "nu_vozd", "lb_vozd", "Pr_vozd"};
    int32_t expected = 0x60030001;
    for (const char* name : names) {
        int32_t dispid = 0;
        EXPECT_EQ(fizPar->GetIDsOfNames(name, dispid), com::kOk) << name;
        EXPECT_EQ(dispid, expected++) << name;
    }
    int32_t dispid = 0;
    EXPECT_NE(fizPar->GetIDsOfNames("Psp", dispid), com::kOk) << "Psp is private";
}

TEST_F(FizParDispatch, ResultsAreSinglesAndMuvsADouble) {
    struct Case {
        const char* method;
        std::vector<Variant> arguments;
        VarType kind;
        double expected;
    };
    const Case cases[] = {
        {"Ivs", {Variant(int16_t{20})}, VarType::Single, 20.031538},
        {"Vvs", {Variant(100.0)}, VarType::Single, 0.0010437161},
        {"Tsp", {Variant(10.0)}, VarType::Single, 179.03627},
        {"Isp", {Variant(int16_t{10})}, VarType::Single, 663.07147},
        {"Iv", {Variant(int16_t{11}), Variant(150.0)}, VarType::Single, 154.34799},
        {"Vsp", {Variant(10.0f)}, VarType::Single, 0.19791976},
        {"Vv", {Variant(int16_t{1}), Variant(int16_t{20})}, VarType::Single, 0.0010016831},
        {"Muvs", {Variant(int16_t{100})}, VarType::Double, 2.8217890e-4},
        {"nu_vozd", {Variant(20.0)}, VarType::Single, 1.5105561e-5},
        {"lb_vozd", {Variant(20.0)}, VarType::Single, 0.025914006},
        {"Pr_vozd", {Variant(20.0)}, VarType::Single, 0.70354801},
    };
    for (const Case& c : cases) {
        std::vector<Variant> variables = c.arguments;
        std::vector<Variant*> arguments;
        for (Variant& v : variables)
            arguments.push_back(&v);
        const Variant result = call(c.method, arguments);
        EXPECT_EQ(result.type(), c.kind) << c.method;
        EXPECT_TRUE(nearRelative(oleaut::CDbl(result), c.expected, kSingleTolerance)) << c.method;
    }
}

TEST_F(FizParDispatch, NullWriteBacksReachTheCallersVariables) {
    Variant PV(oleaut::kNull);
    Variant tv(oleaut::kNull);
    EXPECT_TRUE(identical(call("Iv", {&PV, &tv}), Variant(0.0f)));
    EXPECT_TRUE(identical(PV, Variant(int16_t{1})));
    EXPECT_TRUE(identical(tv, Variant(int16_t{0})));

    // One variable for both arguments: the pressure's 1 is read as the temperature.
    Variant x(oleaut::kNull);
    Variant one(int16_t{1});
    Variant alsoOne(int16_t{1});
    const Variant aliased = call("Vv", {&x, &x});
    EXPECT_TRUE(identical(x, Variant(int16_t{1})));
    EXPECT_TRUE(identical(aliased, call("Vv", {&one, &alsoOne})));
}

TEST_F(FizParDispatch, FailuresComeBackWithTheirNumbers) {
    struct Case {
        const char* method;
        Variant argument;
        int32_t number;
    };
    const Case cases[] = {
        {"Ivs", Variant(oleaut::kNull), oleaut::kInvalidUseOfNull},
        {"Muvs", Variant(oleaut::kNull), oleaut::kInvalidUseOfNull},
        {"Tsp", Variant(int16_t{0}), oleaut::kDivisionByZero},
        {"Ivs", Variant(int16_t{450}), oleaut::kInvalidProcedureCall},
        {"lb_vozd", Variant("warm"), oleaut::kTypeMismatch},
    };
    for (const Case& c : cases) {
        Variant argument = c.argument;
        EXPECT_EQ(errorNumberOf([&] { call(c.method, {&argument}); }), c.number) << c.method;
    }
}

}  // namespace
}  // namespace kalvik

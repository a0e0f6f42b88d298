#include <gtest/gtest.h>

#include <vector>

#include "library/com/class_factory.hpp"
#include "library/com/com_object.hpp"
#include "library/com/dispatch_table.hpp"
#include "platform/ado/constants.hpp"
#include "platform/com/inproc_server.hpp"

namespace {

using oleaut::Variant;

// Each interface's methods in the order the library's interface description lists them.
struct InterfaceRow {
    const char* clsid;
    int32_t firstDispid;
    std::vector<const char*> methods;
};
const InterfaceRow kInterfaces[] = {
    {"{738E20F2-23DF-404A-AAF0-A1FDC7BF28DA}",
     0x60030000,
     {"CalculationVent", "CalculationVent_old"}},
    {"{752E1C20-DACB-4F91-A79D-A5ED93043142}",
     0x60030001,
     {"Ivs", "Vvs", "Tsp", "Isp", "Iv", "Vsp", "Vv", "Muvs", "nu_vozd", "lb_vozd", "Pr_vozd"}},
    {"{91A777E5-670F-406B-9E4D-4E1D43BDEEF8}",
     0x60030000,
     {"Calc_Potr", "Calc_Potr_13_11_04", "SQ_Потр_пот", "Save_Rst"}},
    {"{91DBF026-A95D-4FBB-BBD6-80A45EF466DD}", 0x60030000, {"Obnovl_mest_Poter"}},
    {"{C9FF5B01-FC5C-4FF0-A6F3-90D57D684EB8}",
     0x60030000,
     {"LogFileVs_FSB", "LogFileVs", "Open_RST_otkl_proc", "Open_RST_proc_no_Otkl",
      "Open_RST_no_Otkl", "Open_RST_otkl", "Open_RST_otkl_Proc_Prm", "Open_RST_Proc_Prm",
      "Open_RST_proc", "Open_RST_otkl_tabl", "Open_RST_tabl", "Open_RST_otkl_Update", "S_Vs_FSB"}},
    {"{20AC0CE2-51A3-463A-A450-6C4CC08372EC}",
     0x60030000,
     {"РабочиеДни", "КопейкиТекст", "КопейкиТекст_10_11_03", "СумКоп", "Десятки", "Единицы",
      "Миллионы", "Рубли", "Сотни", "СуммаПрописью", "Тысячи", "Коп", "Руб_10_11_03", "Триллионы",
      "Proper", "Миллиарды"}},
    {"{A7203511-B69B-4D2D-BE5F-3C806DD5E576}",
     0x60030000,
     {"Ras_Calc_Vent", "Ras_Calc_Vent_03_01_05", "Ras_Calc_Vent_23_10_04", "ФРасчВент_Pr",
      "ФРасчВентТ12"}},
    {"{00600C54-2278-49D6-9D6F-4D95C6AD4EEA}",
     0x60030000,
     {"ВремяОтключений", "ВремяРаботы", "РасчВремДлитОткл", "ДлитНачало", "ДлитКонец",
      "Час_в_месяц", "ВремяНач", "ВремяКон", "ТемперГрафик", "maxF", "Nz_f"}},
    {"{A2B8DA77-1A05-4319-8F8C-B172220577C6}",
     0x60030000,
     {"Ras_Calc_Potr", "Ras_Calc_Potr_02_01_05", "Ras_Calc_Potr_21_04_08",
      "Ras_Calc_Potr_23_01_08"}},
    {"{9F9A8C83-50C2-402C-9816-3AB6FFB836A4}", 0x60030000, {"Расчет_Пар_ADO"}},
};

std::shared_ptr<com::IDispatch> createByClsid(const char* clsid) {
    std::shared_ptr<com::IUnknown> factory;
    EXPECT_EQ(kalvik::getClassObject(com::Guid::parse(clsid), com::kIidIClassFactory, factory),
              com::kOk);
    std::shared_ptr<com::IUnknown> object;
    EXPECT_EQ(
        com::interfaceCast<com::IClassFactory>(factory)->CreateInstance(com::kIidIDispatch, object),
        com::kOk);
    return com::interfaceCast<com::IDispatch>(object);
}

std::string upper(std::string_view latin) {
    std::string text(latin);
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST(Dispatch, EveryMethodNameResolvesToItsPositionDispid) {
    for (const InterfaceRow& row : kInterfaces) {
        SCOPED_TRACE(row.clsid);
        const auto object = createByClsid(row.clsid);
        ASSERT_TRUE(object);
        for (size_t i = 0; i < row.methods.size(); ++i) {
            const int32_t expected = row.firstDispid + static_cast<int32_t>(i);
            int32_t dispid = 0;
            EXPECT_EQ(object->GetIDsOfNames(row.methods[i], dispid), com::kOk) << row.methods[i];
            EXPECT_EQ(dispid, expected) << row.methods[i];
            // Latin letters in another case name the same method.
            dispid = 0;
            EXPECT_EQ(object->GetIDsOfNames(upper(row.methods[i]), dispid), com::kOk);
            EXPECT_EQ(dispid, expected) << row.methods[i];
        }
        int32_t dispid = 0;
        EXPECT_EQ(object->GetIDsOfNames("NoSuchMethod", dispid), com::kUnknownName);
        EXPECT_EQ(object->GetIDsOfNames("", dispid), com::kUnknownName);
    }
}

TEST(Dispatch, CyrillicNamesFoldTheirCase) {
    const auto object = createByClsid("{00600C54-2278-49D6-9D6F-4D95C6AD4EEA}");
    int32_t dispid = 0;
    EXPECT_EQ(object->GetIDsOfNames("ЧАС_В_МЕСЯЦ", dispid), com::kOk);
    EXPECT_EQ(dispid, 0x60030005);
    EXPECT_EQ(object->GetIDsOfNames("времяработы", dispid), com::kOk);
    EXPECT_EQ(dispid, 0x60030001);
}

// A class made for these tests, so that the calls do something visible.
class IProbe {
  public:
    static constexpr std::string_view kClassName = "Probe";
    static constexpr com::Guid kClsid = com::Guid::parse("{11111111-2222-3333-4444-555555555555}");
    static constexpr com::Guid kIid = com::Guid::parse("{11111111-2222-3333-4444-666666666666}");
    virtual ~IProbe() = default;
    // a <-> b.
    virtual void Swap(Variant& a, Variant& b) = 0;
    // total += x * factor; the callee then changes its copies of x and factor.
    virtual float Scale(const Variant& x, int16_t factor, double& total) = 0;
    // first += 1, second += 10.
    virtual void AddBoth(double& first, double& second) = 0;
    // text doubled, count + 1; returns the new text.
    virtual std::string Twice(std::string& text, int32_t& count) = 0;
    // Fails with error `number`.
    virtual void Fail(int32_t number) = 0;
};

class Probe : public IProbe {
  public:
    void Swap(Variant& a, Variant& b) override { std::swap(a, b); }
    float Scale(const Variant& x, int16_t factor, double& total) override {
        total += oleaut::CDbl(x) * factor;
        factor = 0;
        return static_cast<float>(total);
    }
    void AddBoth(double& first, double& second) override {
        first += 1;
        second += 10;
    }
    std::string Twice(std::string& text, int32_t& count) override {
        text += text;
        ++count;
        return text;
    }
    void Fail(int32_t number) override { throw oleaut::Error(number, "probe failure"); }
};

}  // namespace

template <>
const kalvik::DispatchTable<IProbe>& kalvik::dispatchTable<IProbe>() {
    static const DispatchMethod<IProbe> methods[] = {
        dispatchMethod<&IProbe::Swap, IProbe>("Swap"),
        dispatchMethod<&IProbe::Scale, IProbe>("Scale"),
        dispatchMethod<&IProbe::AddBoth, IProbe>("AddBoth"),
        dispatchMethod<&IProbe::Twice, IProbe>("Twice"),
        dispatchMethod<&IProbe::Fail, IProbe>("Fail"),
    };
    static const DispatchTable<IProbe> table{kFirstDispid, methods};
    return table;
}

namespace {

std::shared_ptr<com::IDispatch> probe() {
    return std::make_shared<kalvik::ComObject<IProbe, Probe>>();
}

Variant call(com::IDispatch& object, const char* method, std::vector<Variant*> args) {
    return com::callByName(object, method, args);
}

TEST(Dispatch, InOutVariantsAreTheCallersVariables) {
    const auto object = probe();
    Variant a = 1.5, b = "text";
    call(*object, "Swap", {&a, &b});
    EXPECT_TRUE(identical(a, Variant("text")));
    EXPECT_TRUE(identical(b, Variant(1.5)));
    // The same variable twice: swapped with itself, unchanged.
    call(*object, "swap", {&a, &a});
    EXPECT_TRUE(identical(a, Variant("text")));
}

TEST(Dispatch, InArgumentsAreCopiesAndInOutArgumentsAreWrittenBack) {
    struct Case {
        Variant x, factor, total;
        Variant result, totalAfter;
    };
    const Case cases[] = {
        // total converted to Double, factor from Double 3 to Integer 3, x read as 2.5.
        {Variant(2.5), Variant(3.0), Variant(int16_t{1}), Variant(8.5f), Variant(8.5)},
        {Variant("4"), Variant(int32_t{-2}), Variant(0.5), Variant(-7.5f), Variant(-7.5)},
        {Variant(true), Variant(int16_t{5}), Variant(), Variant(-5.0f), Variant(-5.0)},
    };
    const auto object = probe();
    for (const Case& c : cases) {
        Variant x = c.x, factor = c.factor, total = c.total;
        const Variant result = call(*object, "Scale", {&x, &factor, &total});
        EXPECT_TRUE(identical(result, c.result)) << oleaut::CStr(result);
        EXPECT_TRUE(identical(total, c.totalAfter)) << oleaut::CStr(total);
        // The callee changed its copies of the in arguments, never the caller's variables.
        EXPECT_TRUE(identical(x, c.x));
        EXPECT_TRUE(identical(factor, c.factor));
    }
}

TEST(Dispatch, TwoInOutArgumentsNamingOneVariableShareIt) {
    const auto object = probe();
    Variant first = 1.0, second = 2.0;
    call(*object, "AddBoth", {&first, &second});
    EXPECT_TRUE(identical(first, Variant(2.0)));
    EXPECT_TRUE(identical(second, Variant(12.0)));
    Variant same = int16_t{1};
    call(*object, "AddBoth", {&same, &same});
    EXPECT_TRUE(identical(same, Variant(12.0)));
}

TEST(Dispatch, TextAndLongInOut) {
    const auto object = probe();
    Variant text = "ab", count = 41.0;
    const Variant result = call(*object, "Twice", {&text, &count});
    EXPECT_TRUE(identical(result, Variant("abab")));
    EXPECT_TRUE(identical(text, Variant("abab")));
    EXPECT_TRUE(identical(count, Variant(int32_t{42})));
}

struct FailureCase {
    const char* method;
    std::vector<Variant> args;
    com::HResult status;
    int32_t number;
    const char* description;
};

TEST(Dispatch, FailedCallsReturnTheErrorAndTheObjectWorksOnAfterwards) {
    const FailureCase cases[] = {
        {"Fail",
         {Variant(int32_t{oleaut::kDivisionByZero})},
         com::kException,
         oleaut::kDivisionByZero,
         "probe failure"},
        {"Fail",
         {},
         com::kBadParamCount,
         com::kWrongArgumentCountError,
         "Wrong number of arguments or invalid property assignment: Probe.Fail takes 1, given 0"},
        {"Fail",
         {Variant("x")},
         com::kException,
         oleaut::kTypeMismatch,
         "Probe.Fail argument 1: Type mismatch"},
        {"Fail",
         {Variant(oleaut::kNull)},
         com::kException,
         oleaut::kInvalidUseOfNull,
         "Probe.Fail argument 1: Invalid use of Null"},
        {"Scale",
         {Variant(1.0), Variant(1e6), Variant(0.0)},
         com::kException,
         oleaut::kOverflow,
         "Probe.Scale argument 2: Overflow"},
        {"Twice",
         {Variant("a"), Variant(oleaut::kNull)},
         com::kException,
         oleaut::kInvalidUseOfNull,
         "Probe.Twice argument 2: Invalid use of Null"},
        // Converted inside the method: the method and the argument that could not be read.
        {"Scale",
         {Variant("abc"), Variant(2.0), Variant(0.0)},
         com::kException,
         oleaut::kTypeMismatch,
         "Probe.Scale argument 1: Type mismatch"},
        {"Twice",
         {Variant("a\xC3"), Variant(1.0)},
         com::kException,
         oleaut::kInvalidProcedureCall,
         "Probe.Twice argument 1: Invalid procedure call or argument: the text is not valid UTF-8"},
    };
    const auto object = probe();
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.description);
        int32_t dispid = 0;
        ASSERT_EQ(object->GetIDsOfNames(c.method, dispid), com::kOk);
        std::vector<Variant> variables = c.args;
        std::vector<Variant*> args;
        for (Variant& v : variables)
            args.push_back(&v);
        Variant result = "stale";
        com::ErrorInfo error;
        EXPECT_EQ(object->Invoke(dispid, args, result, error), c.status);
        EXPECT_EQ(error.number, c.number);
        EXPECT_EQ(error.description, c.description);
        EXPECT_EQ(error.source, "Kalvik_dll.Probe");
        EXPECT_TRUE(result.isEmpty());
        // The same object answers the next call normally.
        Variant a = 1.0, b = 2.0;
        EXPECT_NO_THROW(call(*object, "Swap", {&a, &b}));
        EXPECT_TRUE(identical(a, Variant(2.0)));
    }
    Variant result;
    com::ErrorInfo error;
    EXPECT_EQ(object->Invoke(0x60030005, {}, result, error), com::kMemberNotFound);
    EXPECT_EQ(error.number, com::kMemberNotFoundError);
}

TEST(Dispatch, AFailureReachesTheCallerWithItsSource) {
    const auto potr = createByClsid("{91A777E5-670F-406B-9E4D-4E1D43BDEEF8}");
    Variant connection = "x", digits = int16_t{0}, town = "y", control;
    try {
        call(*potr, "Calc_Potr_13_11_04", {&connection, &digits, &digits, &digits, &control});
        FAIL() << "Calc_Potr_13_11_04 opened a malformed connection string";
    } catch (const oleaut::Error& e) {
        EXPECT_EQ(e.number(), ado::adErrInvalidConnection);
        EXPECT_EQ(e.source(), "ADODB.Connection");
    }
    EXPECT_THROW(call(*potr, "Calc_Potr", {&connection}), oleaut::Error);
    try {
        call(*potr, "Calc_Potr", {&connection, &town, &town, &control});
        FAIL() << "text is no short";
    } catch (const oleaut::Error& e) {
        EXPECT_EQ(e.number(), oleaut::kTypeMismatch);
        EXPECT_EQ(e.description(), "Potr.Calc_Potr argument 2: Type mismatch");
    }
}

}  // namespace

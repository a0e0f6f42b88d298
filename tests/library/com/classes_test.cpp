#include "library/com/classes.hpp"

#include <gtest/gtest.h>

#include "library/com/class_factory.hpp"
#include "library/com/ipotr.hpp"
#include "library/com/iras_potr.hpp"
#include "library/com/service.hpp"
#include "platform/com/module_count.hpp"

namespace {

// The ten classes with their identifiers as the library's interface description lists them.
struct ClassRow {
    const char* identifier;
    const char* clsid;
    const char* iid;
};
const ClassRow kClassRows[] = {
    {"Kalvik_dll.Vent", "{738E20F2-23DF-404A-AAF0-A1FDC7BF28DA}",
     "{8E34D676-91B8-429D-9AAD-40A3D9596B0A}"},
    {"Kalvik_dll.Fiz_par", "{752E1C20-DACB-4F91-A79D-A5ED93043142}",
     "{487CC2D3-BF39-4D5B-A6B8-4403C7C7895F}"},
    {"Kalvik_dll.Potr", "{91A777E5-670F-406B-9E4D-4E1D43BDEEF8}",
     "{26DB7377-5F5D-468A-96FC-399EC8C58E6B}"},
    {"Kalvik_dll.Poteri_vneshn", "{91DBF026-A95D-4FBB-BBD6-80A45EF466DD}",
     "{28F01DE2-AF60-42CC-8451-A3A445A9168C}"},
    {"Kalvik_dll.Open_RST", "{C9FF5B01-FC5C-4FF0-A6F3-90D57D684EB8}",
     "{C693C4FC-973D-4E6E-A4CB-A007C4ACC486}"},
    {"Kalvik_dll.Propiss", "{20AC0CE2-51A3-463A-A450-6C4CC08372EC}",
     "{8DAB9820-B429-4BCE-8A46-320F9E4F14B5}"},
    {"Kalvik_dll.Ras_Vent", "{A7203511-B69B-4D2D-BE5F-3C806DD5E576}",
     "{3E162FFC-7A6B-4EB2-AEE4-E7429A4DA567}"},
    {"Kalvik_dll.Ras_Vrem", "{00600C54-2278-49D6-9D6F-4D95C6AD4EEA}",
     "{BBF2D4B7-FC0F-4D41-B38F-E1071F63603B}"},
    {"Kalvik_dll.Ras_Potr", "{A2B8DA77-1A05-4319-8F8C-B172220577C6}",
     "{CCDFF673-3A6C-4FDA-8D5F-5D3402D740C7}"},
    {"Kalvik_dll.Ras_Potr_Par", "{9F9A8C83-50C2-402C-9816-3AB6FFB836A4}",
     "{706B5294-5B0E-4E68-B287-25393A0023B8}"},
};
const char kIUnknown[] = "{00000000-0000-0000-C000-000000000046}";
const char kIDispatch[] = "{00020400-0000-0000-C000-000000000046}";
const char kIClassFactory[] = "{00000001-0000-0000-C000-000000000046}";
const char kRasPotrAlias[] = "{AE8B69AF-96E1-44C7-B70A-0893159D58EF}";

com::Guid guid(const char* text) {
    return com::Guid::parse(text);
}

std::shared_ptr<com::IUnknown> create(const com::Guid& clsid, const com::Guid& iid) {
    std::shared_ptr<com::IUnknown> factory;
    EXPECT_EQ(kalvik::getClassObject(clsid, guid(kIClassFactory), factory), com::kOk);
    if (!factory) return nullptr;
    std::shared_ptr<com::IUnknown> object;
    EXPECT_EQ(com::interfaceCast<com::IClassFactory>(factory)->CreateInstance(iid, object),
              com::kOk);
    return object;
}

TEST(Classes, TheTenClassesAreFoundByIdentifierNameAndClsid) {
    ASSERT_EQ(kalvik::classes().size(), std::size(kClassRows));
    for (const ClassRow& row : kClassRows) {
        const std::string identifier = row.identifier;
        const std::string bareName = identifier.substr(identifier.find('.') + 1);
        const kalvik::ClassInfo* byIdentifier = kalvik::findClass(identifier);
        ASSERT_NE(byIdentifier, nullptr) << identifier;
        EXPECT_EQ(byIdentifier->name, bareName);
        EXPECT_EQ(byIdentifier->clsid, guid(row.clsid)) << identifier;
        EXPECT_EQ(byIdentifier->iid, guid(row.iid)) << identifier;
        EXPECT_EQ(kalvik::findClass(bareName), byIdentifier);
        EXPECT_EQ(kalvik::findClass(guid(row.clsid)), byIdentifier);
        const int minor = bareName == "Ras_Potr" ? 1 : 0;
        EXPECT_EQ(byIdentifier->versionMajor, 1);
        EXPECT_EQ(byIdentifier->versionMinor, minor) << identifier;
    }
    EXPECT_EQ(kalvik::findClass("Kalvik_dll.Nothing"), nullptr);
    EXPECT_EQ(kalvik::findClass("Other.Potr"), nullptr);
}

TEST(Classes, EachClassIsCreatedByClsidAndAnswersItsInterfaces) {
    for (const ClassRow& row : kClassRows) {
        SCOPED_TRACE(row.identifier);
        const auto object = create(guid(row.clsid), guid(kIUnknown));
        ASSERT_TRUE(object);
        for (const char* iid : {kIUnknown, kIDispatch, row.iid}) {
            std::shared_ptr<com::IUnknown> seen;
            EXPECT_EQ(object->QueryInterface(guid(iid), seen), com::kOk) << iid;
            EXPECT_EQ(seen, object);
        }
        std::shared_ptr<com::IUnknown> none;
        EXPECT_EQ(object->QueryInterface(guid(kIClassFactory), none), com::kNoInterface);
        EXPECT_FALSE(none);
        // Another class's interface is not answered.
        const ClassRow& other = &row == &kClassRows[0] ? kClassRows[1] : kClassRows[0];
        EXPECT_EQ(object->QueryInterface(guid(other.iid), none), com::kNoInterface);
        // The earlier version of _Ras_Potr is answered by Ras_Potr alone.
        const bool isRasPotr = std::string(row.identifier) == "Kalvik_dll.Ras_Potr";
        EXPECT_EQ(object->QueryInterface(guid(kRasPotrAlias), none),
                  isRasPotr ? com::kOk : com::kNoInterface);
    }
}

TEST(Classes, UnknownClsidHasNoFactory) {
    std::shared_ptr<com::IUnknown> factory;
    EXPECT_EQ(kalvik::getClassObject(guid(kIUnknown), guid(kIClassFactory), factory),
              com::kClassNotAvailable);
    EXPECT_FALSE(factory);
}

TEST(Classes, AliasQueryYieldsTheRasPotrInterface) {
    const auto object = create(guid("{A2B8DA77-1A05-4319-8F8C-B172220577C6}"), guid(kRasPotrAlias));
    ASSERT_TRUE(object);
    EXPECT_TRUE(std::dynamic_pointer_cast<kalvik::IRas_Potr>(object));
}

TEST(Service, CreatesOnFirstUseAndReleasesAtTheEnd) {
    const long before = com::liveObjects();
    {
        kalvik::Service<kalvik::IPotr> potr;
        EXPECT_FALSE(potr.created());
        EXPECT_EQ(com::liveObjects(), before);
        oleaut::Variant control;
        try {
            potr->Calc_Potr("", 0, "", control);
            FAIL() << "Calc_Potr is not built";
        } catch (const oleaut::Error& e) {
            EXPECT_EQ(e.number(), oleaut::kNotImplemented);
            EXPECT_EQ(e.description(), "not implemented: Potr.Calc_Potr");
        }
        EXPECT_TRUE(potr.created());
        EXPECT_EQ(com::liveObjects(), before + 1);
        potr.release();
        EXPECT_EQ(com::liveObjects(), before);
        int16_t connected = 0;
        double share = 0, loss = 0;
        EXPECT_THROW(potr->SQ_Потр_пот(connected, share, loss), oleaut::Error);
        EXPECT_EQ(com::liveObjects(), before + 1);
    }
    EXPECT_EQ(com::liveObjects(), before);
    EXPECT_TRUE(com::canUnloadNow() == (before == 0));
}

}  // namespace

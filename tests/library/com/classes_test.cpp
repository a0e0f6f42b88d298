#include "library/com/classes.hpp"

#include <gtest/gtest.h>

#include "library/com/class_factory.hpp"
#include "library/com/ipotr.hpp"
#include "library/com/iras_potr.hpp"
#include "library/com/service.hpp"
#include "platform/com/module_count.hpp"
#include "tests/library/com/class_rows.hpp"

namespace {

using kalvik::testing::ClassRow;
using kalvik::testing::kClassRows;
using kalvik::testing::kIClassFactory;
using kalvik::testing::kIDispatch;
using kalvik::testing::kIUnknown;
using kalvik::testing::kRasPotrAlias;

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
            potr->Calc_Potr_13_11_04("", 0, 0, 0, control);
            FAIL() << "Calc_Potr_13_11_04 ran without a connection string";
        } catch (const oleaut::Error& e) {
            EXPECT_NE(e.number(), oleaut::kNotImplemented);
        }
        EXPECT_TRUE(potr.created());
        EXPECT_EQ(com::liveObjects(), before + 1);
        potr.release();
        EXPECT_EQ(com::liveObjects(), before);
        int16_t connected = 0;
        double share = 0, loss = 0;
        EXPECT_NO_THROW(potr->SQ_Потр_пот(connected, share, loss));
        EXPECT_EQ(com::liveObjects(), before + 1);
    }
    EXPECT_EQ(com::liveObjects(), before);
    EXPECT_TRUE(com::canUnloadNow() == (before == 0));
}

}  // namespace

// Finding a class of the table by CLSID or by name.

#include "library/com/classes.hpp"

#include "library/com/type_library.hpp"
#include "platform/com/names.hpp"

namespace kalvik {

const ClassInfo* findClass(const com::Guid& clsid) noexcept {
    for (const ClassInfo& info : classes()) {
        if (info.clsid == clsid) return &info;
    }
    return nullptr;
}

const ClassInfo* findClass(std::string_view name) noexcept {
    for (const ClassInfo& info : classes()) {
        if (com::sameName(name, info.name) || com::sameName(name, classIdentifier(info.name)))
            return &info;
    }
    return nullptr;
}

}  // namespace kalvik

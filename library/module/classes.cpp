// The table of the library's ten classes. It names every subsystem, so it lives above them all;
// library/com declares it for the factories and registration, which find a class through it.

#include "library/com/classes.hpp"

#include "library/amount_in_words/propiss.hpp"
#include "library/com/com_object.hpp"
#include "library/com/dispatch_tables.hpp"
#include "library/com/type_library.hpp"
#include "library/consumption/ras_potr.hpp"
#include "library/load_update/poteri_vneshn.hpp"
#include "library/load_update/potr.hpp"
#include "library/load_update/vent.hpp"
#include "library/services/fiz_par.hpp"
#include "library/services/open_rst.hpp"
#include "library/services/ras_vrem.hpp"
#include "library/ventilation_steam/ras_potr_par.hpp"
#include "library/ventilation_steam/ras_vent.hpp"

namespace kalvik {
namespace {

template <class Interface, class Impl>
std::shared_ptr<com::IUnknown> create() {
    return std::make_shared<ComObject<Interface, Impl>>();
}

template <class Interface, class Impl>
constexpr ClassInfo entry(int versionMajor = 1, int versionMinor = 0) {
    const com::Guid* alias = nullptr;
    if constexpr (requires { Interface::kIidAlias; }) alias = &Interface::kIidAlias;
    return {Interface::kClassName, Interface::kClsid, Interface::kIid,         alias,
            versionMajor,          versionMinor,      &create<Interface, Impl>};
}

const ClassInfo kClasses[] = {
    entry<IVent, Vent>(),
    entry<IFiz_par, Fiz_par>(),
    entry<IPotr, Potr>(),
    entry<IPoteri_vneshn, Poteri_vneshn>(),
    entry<IOpen_RST, Open_RST>(),
    entry<IPropiss, Propiss>(),
    entry<IRas_Vent, Ras_Vent>(),
    entry<IRas_Vrem, Ras_Vrem>(),
    entry<IRas_Potr, Ras_Potr>(1, 1),
    entry<IRas_Potr_Par, Ras_Potr_Par>(),
};

}  // namespace

std::span<const ClassInfo> classes() noexcept {
    return kClasses;
}

}  // namespace kalvik

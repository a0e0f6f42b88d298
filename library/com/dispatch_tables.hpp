#pragma once
// The dispatch tables of the ten interfaces.

#include "library/com/dispatch_table.hpp"
#include "library/com/ifiz_par.hpp"
#include "library/com/iopen_rst.hpp"
#include "library/com/ipoteri_vneshn.hpp"
#include "library/com/ipotr.hpp"
#include "library/com/ipropiss.hpp"
#include "library/com/iras_potr.hpp"
#include "library/com/iras_potr_par.hpp"
#include "library/com/iras_vent.hpp"
#include "library/com/iras_vrem.hpp"
#include "library/com/ivent.hpp"

namespace kalvik {

template <>
const DispatchTable<IVent>& dispatchTable<IVent>();
template <>
const DispatchTable<IFiz_par>& dispatchTable<IFiz_par>();
template <>
const DispatchTable<IPotr>& dispatchTable<IPotr>();
template <>
const DispatchTable<IPoteri_vneshn>& dispatchTable<IPoteri_vneshn>();
template <>
const DispatchTable<IOpen_RST>& dispatchTable<IOpen_RST>();
template <>
const DispatchTable<IPropiss>& dispatchTable<IPropiss>();
template <>
const DispatchTable<IRas_Vent>& dispatchTable<IRas_Vent>();
template <>
const DispatchTable<IRas_Vrem>& dispatchTable<IRas_Vrem>();
template <>
const DispatchTable<IRas_Potr>& dispatchTable<IRas_Potr>();
template <>
const DispatchTable<IRas_Potr_Par>& dispatchTable<IRas_Potr_Par>();

}  // namespace kalvik

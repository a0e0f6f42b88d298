#include "library/com/dispatch_tables.hpp"

// Each entry names the method and calls it through the typed interface; the order is the
// interface's order, which fixes the dispatch identifiers.
#define KALVIK_METHOD(Interface, Name) dispatchMethod<&Interface::Name, Interface>(#Name)

namespace kalvik {

template <>
const DispatchTable<IVent>& dispatchTable<IVent>() {
    static const DispatchMethod<IVent> methods[] = {
        KALVIK_METHOD(IVent, CalculationVent),
        KALVIK_METHOD(IVent, CalculationVent_old),
    };
    static const DispatchTable<IVent> table{kFirstDispid, methods};
    return table;
}

template <>
const DispatchTable<IFiz_par>& dispatchTable<IFiz_par>() {
    static const DispatchMethod<IFiz_par> methods[] = {
        KALVIK_METHOD(IFiz_par, Ivs),     KALVIK_METHOD(IFiz_par, Vvs),
        KALVIK_METHOD(IFiz_par, Tsp),     KALVIK_METHOD(IFiz_par, Isp),
        KALVIK_METHOD(IFiz_par, Iv),      KALVIK_METHOD(IFiz_par, Vsp),
        KALVIK_METHOD(IFiz_par, Vv),      KALVIK_METHOD(IFiz_par, Muvs),
        KALVIK_METHOD(IFiz_par, nu_vozd), KALVIK_METHOD(IFiz_par, lb_vozd),
        KALVIK_METHOD(IFiz_par, Pr_vozd),
    };
    static const DispatchTable<IFiz_par> table{kFirstDispid + 1, methods};
    return table;
}

template <>
const DispatchTable<IPotr>& dispatchTable<IPotr>() {
    static const DispatchMethod<IPotr> methods[] = {
        KALVIK_METHOD(IPotr, Calc_Potr),
        KALVIK_METHOD(IPotr, Calc_Potr_13_11_04),
        KALVIK_METHOD(IPotr, SQ_Потр_пот),
        KALVIK_METHOD(IPotr, Save_Rst),
    };
    static const DispatchTable<IPotr> table{kFirstDispid, methods};
    return table;
}

template <>
const DispatchTable<IPoteri_vneshn>& dispatchTable<IPoteri_vneshn>() {
    static const DispatchMethod<IPoteri_vneshn> methods[] = {
        KALVIK_METHOD(IPoteri_vneshn, Obnovl_mest_Poter),
    };
    static const DispatchTable<IPoteri_vneshn> table{kFirstDispid, methods};
    return table;
}

template <>
const DispatchTable<IOpen_RST>& dispatchTable<IOpen_RST>() {
    static const DispatchMethod<IOpen_RST> methods[] = {
        KALVIK_METHOD(IOpen_RST, LogFileVs_FSB),
        KALVIK_METHOD(IOpen_RST, LogFileVs),
        KALVIK_METHOD(IOpen_RST, Open_RST_otkl_proc),
        KALVIK_METHOD(IOpen_RST, Open_RST_proc_no_Otkl),
        KALVIK_METHOD(IOpen_RST, Open_RST_no_Otkl),
        KALVIK_METHOD(IOpen_RST, Open_RST_otkl),
        KALVIK_METHOD(IOpen_RST, Open_RST_otkl_Proc_Prm),
        KALVIK_METHOD(IOpen_RST, Open_RST_Proc_Prm),
        KALVIK_METHOD(IOpen_RST, Open_RST_proc),
        KALVIK_METHOD(IOpen_RST, Open_RST_otkl_tabl),
        KALVIK_METHOD(IOpen_RST, Open_RST_tabl),
        KALVIK_METHOD(IOpen_RST, Open_RST_otkl_Update),
        KALVIK_METHOD(IOpen_RST, S_Vs_FSB),
    };
    static const DispatchTable<IOpen_RST> table{kFirstDispid, methods};
    return table;
}

template <>
const DispatchTable<IPropiss>& dispatchTable<IPropiss>() {
    static const DispatchMethod<IPropiss> methods[] = {
        KALVIK_METHOD(IPropiss, РабочиеДни),
        KALVIK_METHOD(IPropiss, КопейкиТекст),
        KALVIK_METHOD(IPropiss, КопейкиТекст_10_11_03),
        KALVIK_METHOD(IPropiss, СумКоп),
        KALVIK_METHOD(IPropiss, Десятки),
        KALVIK_METHOD(IPropiss, Единицы),
        KALVIK_METHOD(IPropiss, Миллионы),
        KALVIK_METHOD(IPropiss, Рубли),
        KALVIK_METHOD(IPropiss, Сотни),
        KALVIK_METHOD(IPropiss, СуммаПрописью),
        KALVIK_METHOD(IPropiss, Тысячи),
        KALVIK_METHOD(IPropiss, Коп),
        KALVIK_METHOD(IPropiss, Руб_10_11_03),
        KALVIK_METHOD(IPropiss, Триллионы),
        KALVIK_METHOD(IPropiss, Proper),
        KALVIK_METHOD(IPropiss, Миллиарды),
    };
    static const DispatchTable<IPropiss> table{kFirstDispid, methods};
    return table;
}

template <>
const DispatchTable<IRas_Vent>& dispatchTable<IRas_Vent>() {
    static const DispatchMethod<IRas_Vent> methods[] = {
        KALVIK_METHOD(IRas_Vent, Ras_Calc_Vent),
        KALVIK_METHOD(IRas_Vent, Ras_Calc_Vent_03_01_05),
        KALVIK_METHOD(IRas_Vent, Ras_Calc_Vent_23_10_04),
        KALVIK_METHOD(IRas_Vent, ФРасчВент_Pr),
        KALVIK_METHOD(IRas_Vent, ФРасчВентТ12),
    };
    static const DispatchTable<IRas_Vent> table{kFirstDispid, methods};
    return table;
}

template <>
const DispatchTable<IRas_Vrem>& dispatchTable<IRas_Vrem>() {
    static const DispatchMethod<IRas_Vrem> methods[] = {
        KALVIK_METHOD(IRas_Vrem, ВремяОтключений),
        KALVIK_METHOD(IRas_Vrem, ВремяРаботы),
        KALVIK_METHOD(IRas_Vrem, РасчВремДлитОткл),
        KALVIK_METHOD(IRas_Vrem, ДлитНачало),
        KALVIK_METHOD(IRas_Vrem, ДлитКонец),
        KALVIK_METHOD(IRas_Vrem, Час_в_месяц),
        KALVIK_METHOD(IRas_Vrem, ВремяНач),
        KALVIK_METHOD(IRas_Vrem, ВремяКон),
        KALVIK_METHOD(IRas_Vrem, ТемперГрафик),
        KALVIK_METHOD(IRas_Vrem, maxF),
        KALVIK_METHOD(IRas_Vrem, Nz_f),
    };
    static const DispatchTable<IRas_Vrem> table{kFirstDispid, methods};
    return table;
}

template <>
const DispatchTable<IRas_Potr>& dispatchTable<IRas_Potr>() {
    static const DispatchMethod<IRas_Potr> methods[] = {
        KALVIK_METHOD(IRas_Potr, Ras_Calc_Potr),
        KALVIK_METHOD(IRas_Potr, Ras_Calc_Potr_02_01_05),
        KALVIK_METHOD(IRas_Potr, Ras_Calc_Potr_21_04_08),
        KALVIK_METHOD(IRas_Potr, Ras_Calc_Potr_23_01_08),
    };
    static const DispatchTable<IRas_Potr> table{kFirstDispid, methods};
    return table;
}

template <>
const DispatchTable<IRas_Potr_Par>& dispatchTable<IRas_Potr_Par>() {
    static const DispatchMethod<IRas_Potr_Par> methods[] = {
        KALVIK_METHOD(IRas_Potr_Par, Расчет_Пар_ADO),
    };
    static const DispatchTable<IRas_Potr_Par> table{kFirstDispid, methods};
    return table;
}

}  // namespace kalvik

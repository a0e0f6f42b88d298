#pragma once
// The phases of a consumer's pass, in the order consumer_pass.cpp calls them, each in a file named
// after what it computes. Beside each: what it reads of the consumer's context, what it writes
// there and which columns of the pending main row it sets. A context member has one writer (the
// pass itself writes `K_G_gvs`, `PAR`, `Qgvs` and `Qtgvs` before the first phase); a phase that
// only reads the context takes it as const. What sets the methods apart a phase reads from
// run.traits() and run.variant().

#include "library/consumption/consumer_context.hpp"
#include "library/consumption/run.hpp"
#include "library/services/row_fields.hpp"

namespace kalvik::consumption {

// working_hours.cpp: working hours of each load before outages.
// Reads Qgvs, Qtgvs. Writes workingHours. Row: none.
void workingHours(Run& run, ConsumerContext& c, MainRecordset& row);

// outages.cpp: net working hours and disconnection hours of each load.
// Reads workingHours. Writes netHours, disconnectionHours. Row: none.
void outages(Run& run, ConsumerContext& c, MainRecordset& row);

// long_outages.cpp: the month share of each load left by its long outages.
// Reads Qgvs, Qtgvs. Writes monthShares. Row: none.
void longOutages(Run& run, ConsumerContext& c, MainRecordset& row);

// flushing_sums.cpp: flushing and withdrawal sums.
// Reads nothing. Writes flushings. Row: none.
void flushingSums(Run& run, ConsumerContext& c, MainRecordset& row);

// main_row_copies.cpp: the main row's copied and derived columns and the source coefficients.
// Reads nothing. Writes coefficients. Row: the identity, tax, place, tariff, temperature, period
// and coefficient columns, `Год`, `Месяц`, `Т_гв_потр`, `Кцирк`, `Коэфф_Перетопа_Потр`,
// `КциркМО`, `К_Сн_ГВС` (as read), `ПериодИзмПодкл`, `Ккот`.
void mainRowCopies(Run& run, ConsumerContext& c, MainRecordset& row);

// heating_heat.cpp: heating heat, losses and leak; the construction factors.
// Reads PAR, netHours, coefficients. Writes heating. Row: `Qот`, `Птот_п_р`, `Утот_п`; under the
// T12 trait `QотТ12`, `Птот_п_рТ12`.
void heatingHeat(Run& run, ConsumerContext& c, MainRecordset& row);

// hot_water_heat.cpp: hot-water heat, losses and leaks of both kinds; the hot-water factors.
// Reads K_G_gvs, Qgvs, netHours, coefficients, the climate row. Writes hotWater. Row: `К_Сн_ГВС`
// (under the inter-heating rule), `Qгвс`, `Птгвс_п_р`, `Утгвс_п`, `Qгвс_пс`, `Птгвс_Пс_п_р`,
// `Утгвс_Пс_п`.
void hotWaterHeat(Run& run, ConsumerContext& c, MainRecordset& row);

// technology_heat.cpp: technology and technological hot-water heat, losses and leaks.
// Reads Qtgvs, netHours, coefficients, hotWater. Writes technology. Row: `Qтех`, `Пттех_п_р`,
// `Уттех_п`, `Qтехгвс`, `ПттехГВС_п_р`, `УттехГВС_п`; under the T12 trait `QтехТ12`,
// `Пттех_п_рТ12`.
void technologyHeat(Run& run, ConsumerContext& c, MainRecordset& row);

// hot_water_enthalpy.cpp: the enthalpy of the hot water.
// Reads nothing. Writes hotWaterEnthalpy. Row: none.
void hotWaterEnthalpy(Run& run, ConsumerContext& c, MainRecordset& row);

// ventilation_heat.cpp: ventilation from the summed ventilation results.
// Reads nothing. Writes ventilation. Row: `Qвент12`, `Qвент26`, `Птвент26_п_р`, `Птвент12_п_р`,
// `Утвент26_п`, `Утвент12_п`; under the T12 trait `Qвент12Т12`, `Qвент26Т12`, `Птвент26_п_рТ12`,
// `Птвент12_п_рТ12`.
void ventilationHeat(Run& run, ConsumerContext& c, MainRecordset& row);

// hot_water_flows.cpp: hot-water flows of an open system (the final ones: the revisions' second
// write of the flows gives the same values).
// Reads PAR, K_G_gvs, coefficients, hotWater, technology, hotWaterEnthalpy. Writes flows.
// Row: `ГВС_Тн`, `Техн_ГВС_Тн`, `Расх_ГВС_Тгсв`, `ГВС_Тн_Nr`, `Техн_ГВС_Тн_Nr`.
void hotWaterFlows(Run& run, ConsumerContext& c, MainRecordset& row);

// leak_loss_totals.cpp: leak and loss totals, the loss mode, flushings and withdrawals.
// Reads ventilation, flushings. Writes rowLosses, rowLossesT12. Row: `Утечки_м3`, `Потери`,
// `ПотериТ12` (or, without own losses, the leaks and losses of every load but ventilation
// cleared), `Промывки_Гкал`, `Промывки_т_час`, `Otbor_Gk`, `Otbor_Tn`, `Ут_потр_п`, `Птпотр_п_р`.
void leakAndLossTotals(Run& run, ConsumerContext& c, MainRecordset& row);

// consumer_totals.cpp: "Всего Гкал", `Всего_тн` and the connected losses and loads.
// Reads Qgvs, Qtgvs, monthShares, flushings, heating, hotWater, technology, ventilation, flows,
// rowLosses. Row: `Всего_Гкал`, "Всего ГкалТ12", `Всего_тн`, `ТПподкл`, `ТПподкл_корр`, `SQподкл`,
// `SQподкл_корр`.
void consumerTotals(Run& run, const ConsumerContext& c, MainRecordset& row);

// load_hours.cpp: the hours of each load, the connection shares and the copied loads.
// Reads Qgvs, Qtgvs, netHours, monthShares, heating, ventilation. Row: the hours of each load and
// their `_ЖСК` copies, `ПодклОтоп`, `ПодклГВС`, the design loads, `k_ctr`, `k_ctr_пдкл`,
// `Доп_потери`, `План`.
void loadHours(Run& run, const ConsumerContext& c, MainRecordset& row);

// coefficient_write_back.cpp: the coefficient row written back and saved.
// Reads K_G_gvs, hotWater, technology, flows. Row: none; the coefficient row's nine columns.
void coefficientWriteBack(Run& run, const ConsumerContext& c, MainRecordset& row);

// closing_columns.cpp: the copied connection values, the cleared columns and the remark.
// Reads netHours, ventilation. Row: the connection copies, `Год_Прасч`, `Месяц_Прасч`, the
// cleared columns, `PAR`, `Примечание`.
void closingColumns(Run& run, const ConsumerContext& c, MainRecordset& row);

// hours_row.cpp: the used and actual hours of the hours row, their maxima and `Время_тс`.
// Reads netHours, disconnectionHours, heating, hotWater, technology, ventilation. Row:
// `Время_тс`; the hours row's hours and maxima.
void hoursRow(Run& run, const ConsumerContext& c, MainRecordset& row);

}  // namespace kalvik::consumption

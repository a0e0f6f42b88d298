#include "library/ventilation_steam/steam_phases.hpp"

#include <string>

#include "platform/oleaut/datetime.hpp"

namespace kalvik::steam {

using oleaut::Variant;

namespace {

// Column copies, source to row, unchanged (Null included).
struct Copy {
    res::C to;
    src::C from;
};

constexpr Copy kIdentityCopies[] = {
    {res::NNрасчТепл, src::NNрасчТепл},
    {res::NDOG, src::NDOG},
    {res::Главная, src::Главная},
    {res::Nobkt, src::Nobkt},
    {res::Npotr, src::Npotr},
    {res::Период_н_табл, src::Период_н_табл},
    {res::Период_к_табл, src::Период_к_табл},
};

constexpr Copy kLossCopies[] = {
    {res::S_G_пот_местн_ит, src::Ут_потр_п},
    {res::S_Q_пот_местн_ит, src::Птпотр_п_р},
    {res::S_G_пот_тсеть_ит, src::ДоляУтечекТсетях},
    {res::S_Q_пот_тсеть_ит, src::Потери_в_тсетях},
    {res::Par_ит, src::PAR},
};

// Row copies of the totals.
struct RowCopy {
    res::C to;
    res::C from;
};

constexpr RowCopy kTotalCopies[] = {
    {res::SQ_Пар_Итого, res::SQ_Пар_ит},     {res::SG_пар_Итого, res::SG_пар_ит},
    {res::SG_Конд_Итого, res::SG_Конд_ит},   {res::SQ_Пар_все_Итого, res::SQ_Пар_ит},
    {res::SG_пар_все_Итого, res::SG_пар_ит}, {res::SG_Конд_все_Итого, res::SG_Конд_ит},
};

template <std::size_t N>
void copy(SourceRecordset& source, ResultRecordset& row, const Copy (&copies)[N]) {
    for (const Copy& c : copies)
        row.set(c.to, source[c.from]);
}

// Each kind's source flow × k, rounded, then their sum from the row in kind order.
void kindTotals(SourceRecordset& source, ResultRecordset& row, const Ratios& k, int16_t decimals,
                src::C LoadKind::*flow, res::C LoadKind::*total, res::C sum) {
    for (int i = 0; i < kLoadKinds; ++i) {
        const LoadKind& kind = kLoadKindTable[static_cast<std::size_t>(i)];
        row.set(
            kind.*total,
            oleaut::Round(source[kind.*flow] * Variant(k[static_cast<std::size_t>(i)]), decimals));
    }
    Variant s = row[kLoadKindTable[0].*total];
    for (int i = 1; i < kLoadKinds; ++i)
        s = s + row[kLoadKindTable[static_cast<std::size_t>(i)].*total];
    row.set(sum, s);
}

}  // namespace

void identityColumns(SourceRecordset& source, ResultRecordset& row, oleaut::Date Кон) {
    copy(source, row, kIdentityCopies);
    row.set(res::Год_Прасч, Variant(oleaut::kNull));
    row.set(res::Месяц_Прасч, Variant(oleaut::kNull));
    row.set(res::Год, Variant(int32_t{oleaut::Year(Кон)}));
    row.set(res::Месяц, Variant(int32_t{oleaut::Month(Кон)}));
    row.set(res::Users, source[src::Users]);
    row.set(res::Parole, source[src::Parole]);
    row.set(res::ДатаРед_SR, Variant(oleaut::Now()));
}

Ratios loadRatios(SourceRecordset& source) {
    Ratios k{};
    for (int i = 0; i < kLoadKinds; ++i) {
        const LoadKind& kind = kLoadKindTable[static_cast<std::size_t>(i)];
        const Variant load = source[kind.designLoad];
        if (!oleaut::isTrue(oleaut::ne(load, Variant(int16_t{0})))) continue;  // 0 or Null
        k[static_cast<std::size_t>(i)] = number(source[kind.monthHeat] / load, kind.monthHeat.name);
    }
    return k;
}

void steamTotals(SourceRecordset& source, ResultRecordset& row, const Ratios& k, int16_t G_znk) {
    kindTotals(source, row, k, G_znk, &LoadKind::steamFlow, &LoadKind::steamTotal, res::SG_пар_ит);
}

void condensateTotals(SourceRecordset& source, ResultRecordset& row, const Ratios& k,
                      int16_t G_znk) {
    kindTotals(source, row, k, G_znk, &LoadKind::returnedCondensate, &LoadKind::condensateTotal,
               res::S_Gvkn_Конд_ит);
}

void notReturnedCondensate(ResultRecordset& row) {
    for (const LoadKind& kind : kLoadKindTable)
        row.set(kind.notReturned, row[kind.steamTotal] - row[kind.condensateTotal]);
    Variant s = row[kLoadKindTable[0].notReturned];
    for (int i = 1; i < kLoadKinds; ++i)
        s = s + row[kLoadKindTable[static_cast<std::size_t>(i)].notReturned];
    row.set(res::SG_Конд_ит, s);
}

void requireSteamSums(SourceRecordset& source, ResultRecordset& row) {
    if (!row[res::SG_пар_ит].isNull() && !row[res::S_Gvkn_Конд_ит].isNull()) return;
    std::string_view column = res::SG_пар_ит.name;
    for (const LoadKind& kind : kLoadKindTable) {
        if (source[kind.steamFlow].isNull()) {
            column = kind.steamFlow.name;
            break;
        }
        if (source[kind.returnedCondensate].isNull()) {
            column = kind.returnedCondensate.name;
            break;
        }
    }
    throw oleaut::invalidUseOfNullError().withContext("column " + std::string(column));
}

void returnedHeatTotals(SourceRecordset& source, ResultRecordset& row, const Ratios& k,
                        int16_t Q_znk) {
    kindTotals(source, row, k, Q_znk, &LoadKind::returnedHeat, &LoadKind::returnedHeatTotal,
               res::S_Qvkn_Конд_ит);
}

void steamHeat(SourceRecordset& source, ResultRecordset& row) {
    row.set(res::SQ_Пар_ит,
            source[src::Всего_Гкал] -
                ((source[src::Потери] + source[src::Промывки_Гкал]) + source[src::Otbor_Gk]));
}

void closingCopies(SourceRecordset& source, ResultRecordset& row) {
    for (const RowCopy& c : kTotalCopies)
        row.set(c.to, row[c.from]);
    copy(source, row, kLossCopies);
}

}  // namespace kalvik::steam

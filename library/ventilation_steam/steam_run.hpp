#pragma once
// One run of the steam calculation: the variant's source rows read through its procedure, one
// result row appended and saved per source row, and the three journal lines of the run.

#include <cstdint>
#include <string>

#include "library/services/appending_table.hpp"
#include "library/services/run_database.hpp"
#include "library/ventilation_steam/steam_phases.hpp"
#include "library/ventilation_steam/steam_variant.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik::steam {

// The arguments the run reads; `Okryg`, `Qpk_znk` and `Нач` are not among them.
struct SteamParameters {
    std::string ConnString_Fin;
    int16_t Q_znk = 0;  // decimals of the returned-condensate heat totals
    int16_t G_znk = 0;  // decimals of the steam and returned-condensate totals
    oleaut::Date Кон;   // last day of the period: the year and month of the rows
    std::string Дог;
    int16_t План = 0;
};

class SteamRun {
  public:
    explicit SteamRun(SteamParameters parameters);

    // Preparation, the row loop and the final line. The first failure ends the run with an error
    // that names the consumer; rows saved before stay.
    void execute();

  private:
    void prepare();
    void rowLoop();
    void buildRow();

    SteamParameters parameters_;
    SteamVariant variant_;
    RunDatabase database_;
    SourceRecordset source_;
    int32_t sourceCount_ = 0;
    AppendingTable<ResultRow> result_;
};

}  // namespace kalvik::steam

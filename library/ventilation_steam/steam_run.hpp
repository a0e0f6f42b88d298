#pragma once
// One run of the steam calculation: the variant's source rows read through its procedure, one
// result row appended and saved per source row, and the three journal lines of the run.

#include <cstdint>
#include <string>

#include "library/com/iopen_rst.hpp"
#include "library/com/service.hpp"
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
    // Result rows opened afresh now and then, so that a run's memory does not grow with its rows
    // (the appending selection is empty, so nothing else changes).
    static constexpr int32_t kRowsPerOpening = 500;

    void prepare();
    void openResultTable();
    void rowLoop();
    void buildRow();
    void journal(const std::string& message);

    SteamParameters parameters_;
    SteamVariant variant_;
    Service<IOpen_RST> openRst_;
    SourceRecordset source_;
    int32_t sourceCount_ = 0;
    ResultRecordset result_;
};

}  // namespace kalvik::steam

#pragma once
// A run over the demonstration data of the consumption calculation, in one of its three periods,
// with a test's own consumers added where a branch needs them; the main rows are read back by
// consumer, with each consumer's working values.

#include <map>
#include <string>

#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik::consumption::test {

enum class DemoPeriod { January, HalfJune, AprilToMay };

class DemoRun {
  public:
    DemoRun() : db_(true) {}

    ConsumptionDatabase& db() { return db_; }

    // Makes the period's actual and plan figures the current ones.
    void choose(DemoPeriod period) {
        const char* ids = period == DemoPeriod::January    ? "1, 2"
                          : period == DemoPeriod::HalfJune ? "3, 4"
                                                           : "5, 6";
        db_.execute(std::string("UPDATE \"ПериодРасчета\" SET \"Текущий\" = (\"id\" IN (") + ids +
                    "))");
        period_ = period;
    }

    // Run arguments of the chosen period: actual variant, nothing rounded.
    RunParameters parameters() const {
        RunParameters p;
        switch (period_) {
            case DemoPeriod::January:
                p = runParameters(db_, oleaut::DateSerial(2009, 1, 1),
                                  oleaut::DateSerial(2009, 1, 31));
                break;
            case DemoPeriod::HalfJune:
                p = runParameters(db_, oleaut::DateSerial(2009, 6, 1),
                                  oleaut::DateSerial(2009, 6, 15));
                break;
            case DemoPeriod::AprilToMay:
                p = runParameters(db_, oleaut::DateSerial(2009, 4, 25),
                                  oleaut::DateSerial(2009, 5, 5));
                break;
        }
        return p;
    }

    void run(const RunParameters& p) {
        // The ventilation results, those a test added included, are the run's period's.
        const std::string first = oleaut::isoDate(p.Нач);
        const std::string last = oleaut::isoDate(p.Кон);
        db_.stampVentilationResults(first.c_str(), last.c_str());
        kept_ = runAndKeep(p);
        table_ = std::string(chooseVariant(traitsOf(p.revision), p.План, p.Дог, p.Пл_Сн).mainTable);
    }
    void run() { run(parameters()); }
    // A run with the rounding switch on (`Okryg` 0).
    void runRounded(int16_t Q_znk, int16_t G_znk) {
        RunParameters p = parameters();
        p.Okryg = 0;
        p.Q_znk = Q_znk;
        p.G_znk = G_znk;
        run(p);
    }

    const ConsumerContext& context(int npotr) const { return kept_.at(npotr); }

    oleaut::Variant column(int npotr, const std::string& name) const {
        return db_.scalar("SELECT \"" + name + "\" FROM \"" + table_ +
                          "\" WHERE \"Npotr\" = " + std::to_string(npotr));
    }
    double number(int npotr, const std::string& name) const {
        return oleaut::CDbl(column(npotr, name));
    }

  private:
    ConsumptionDatabase db_;
    DemoPeriod period_ = DemoPeriod::January;
    std::map<int, ConsumerContext> kept_;
    std::string table_;
};

}  // namespace kalvik::consumption::test

// kalvik demo: builds the demonstration database, then runs through the registered library what
// it can run so far, printing each step and where its results are; a method not built yet says so.

#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>

#include "demo/builder.hpp"
#include "demo/demo_path.hpp"
#include "demo/run_steps.hpp"
#include "host/commands.hpp"
#include "host/demo_consumer_update.hpp"
#include "host/demo_consumption.hpp"
#include "host/demo_load_update.hpp"
#include "host/demo_steam.hpp"
#include "host/demo_ventilation.hpp"
#include "host/variant_text.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/com/inproc_server.hpp"
#include "platform/files/held_folder.hpp"

namespace host {
namespace {

struct SampleCall {
    const char* className;
    const char* method;
    std::vector<std::string> words;
};

// A January outage of a 24-hour consumer, heating at -10 °C, money amounts in words.
const SampleCall kSampleCalls[] = {
    {"Fiz_par", "Ivs", {"70"}},
    {"Fiz_par", "Vvs", {"70"}},
    {"Fiz_par", "Tsp", {"7"}},
    {"Fiz_par", "Isp", {"7"}},
    {"Fiz_par", "Iv", {"7", "150"}},
    {"Fiz_par", "Vsp", {"7"}},
    {"Fiz_par", "Vv", {"7", "150"}},
    {"Fiz_par", "Muvs", {"70"}},
    {"Fiz_par", "nu_vozd", {"20"}},
    {"Fiz_par", "lb_vozd", {"20"}},
    {"Fiz_par", "Pr_vozd", {"20"}},
    {"Ras_Vrem",
     "ВремяОтключений",
     {"8", "str:+++++--", "8", "17", "date:2009-01-13T10:30", "date:2009-01-14T12:00", "2009-01-01",
      "2009-01-31"}},
    {"Ras_Vrem", "ВремяРаботы", {"24", "str:+++++++", "0", "24", "2009-01-01", "2009-01-31"}},
    {"Ras_Vrem", "РасчВремДлитОткл", {"2008-12-20", "2009-01-10", "2009-01-01", "2009-01-31"}},
    {"Ras_Vrem", "ДлитНачало", {"2008-12-20", "2009-01-01"}},
    {"Ras_Vrem", "ДлитКонец", {"2008-12-20", "null", "2009-01-31"}},
    {"Ras_Vrem", "Час_в_месяц", {"date:2009-02-01"}},
    {"Ras_Vrem", "ВремяНач", {"str:--------++++++++++------"}},
    {"Ras_Vrem", "ВремяКон", {"str:--------++++++++++------"}},
    {"Ras_Vrem", "ТемперГрафик", {"18", "-10", "18", "-26", "150", "70", "95", "empty", "empty"}},
    {"Ras_Vrem", "maxF", {"3", "5"}},
    {"Ras_Vrem", "Nz_f", {"null"}},
    {"Propiss", "РабочиеДни", {"2009-02-01", "int:1"}},
    {"Propiss", "КопейкиТекст", {"double:1234.56"}},
    {"Propiss", "КопейкиТекст_10_11_03", {"1234.56"}},
    {"Propiss", "СумКоп", {"double:1234.56"}},
    {"Propiss", "Десятки", {"long:45"}},
    {"Propiss", "Единицы", {"long:2", "str:м"}},
    {"Propiss", "Миллионы", {"long:2"}},
    {"Propiss", "Рубли", {"long:21"}},
    {"Propiss", "Сотни", {"long:345"}},
    {"Propiss", "СуммаПрописью", {"cy:1234.56"}},
    {"Propiss", "Тысячи", {"long:21"}},
    {"Propiss", "Коп", {"1234.56"}},
    {"Propiss", "Руб_10_11_03", {"1234.56"}},
    {"Propiss", "Триллионы", {"long:1"}},
    {"Propiss", "Proper", {"str:иванов иван"}},
    {"Propiss", "Миллиарды", {"long:3"}},
    {"Potr", "SQ_Потр_пот", {"int:1", "double:0.1", "double:2.5"}},
    {"Ras_Vent",
     "ФРасчВент_Pr",
     {"0.5", "-10", "18", "-26", "-15", "8", "16", "8", "0", "1", "0", "0"}},
    {"Ras_Vent",
     "ФРасчВентТ12",
     {"0.5", "-10", "18", "-26", "-15", "8", "16", "8", "0", "1", "0", "0", "150", "70", "150",
      "70", "150", "70"}},
};

bool notBuilt(const oleaut::Error& e) {
    return e.number() == oleaut::kNotImplemented && e.description().starts_with("not implemented:");
}

com::Registry registeredRegistry() {
    com::Registry registry = com::Registry::load(com::registryPath());
    if (!com::findClassIdentifier(registry, "Kalvik_dll.Ras_Potr")) {
        com::InprocServer(defaultLibraryFile()).registerServer();
        std::cout << "registered " << defaultLibraryFile().string() << '\n';
        registry = com::Registry::load(com::registryPath());
    }
    return registry;
}

void listClasses(const com::Registry& registry) {
    std::cout << "Classes registered in " << com::registryPath().string() << ":\n";
    for (const auto& [key, clsid] : registry.entries()) {
        if (!key.ends_with("\\CLSID") || key.find('\\') != key.rfind('\\')) continue;
        const std::string identifier = key.substr(0, key.size() - 6);
        const auto file = registry.value("CLSID\\" + clsid + "\\InprocServer32");
        std::cout << "  " << identifier << "  " << clsid << "  " << file.value_or("?") << '\n';
    }
}

void runSample(const com::Registry& registry, const SampleCall& sample) {
    std::cout << sample.className << "." << sample.method;
    for (const std::string& word : sample.words)
        std::cout << ' ' << word;
    std::cout << '\n';
    std::vector<oleaut::Variant> variables;
    for (const std::string& word : sample.words)
        variables.push_back(parseArgument(word));
    try {
        const oleaut::Variant result =
            callMethod(registry, sample.className, sample.method, variables);
        printOutcome(std::cout, result, variables, "    ");
    } catch (const oleaut::Error& e) {
        if (notBuilt(e)) {
            std::cout << "    not built yet\n";
        } else {
            std::cout << "    error " << e.number() << ": " << e.description() << '\n';
        }
    }
}

// Calls a method of the library with text arguments, printing the call.
void callWithTexts(const com::Registry& registry, const char* className, const char* method,
                   const std::vector<std::string>& texts) {
    std::vector<oleaut::Variant> variables(texts.begin(), texts.end());
    callMethod(registry, className, method, variables);
}

}  // namespace

std::optional<double> timedCall(const com::Registry& registry, const char* className,
                                const char* method, std::vector<oleaut::Variant>& arguments) {
    const auto start = std::chrono::steady_clock::now();
    try {
        callMethod(registry, className, method, arguments);
    } catch (const oleaut::Error& e) {
        std::cout << "    error " << e.number() << ": " << e.description() << '\n';
        return std::nullopt;
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int32_t tableRows(const std::string& connectionString, const std::string& table) {
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(connectionString);
    return oleaut::CLng(
        connection->Execute("SELECT count(*) FROM \"" + table + "\"")->Fields(0).Value());
}

int runDemo(const std::string& databaseFile, std::optional<int32_t> generatedConsumers) {
    try {
        // The file the path leads to; a path a run cannot take is refused before anything is made.
        const std::string file = kalvik::demo::demoFilePath(databaseFile).string();
        // Held to the end of the run: another run on the file, whatever its path is spelt like,
        // waits until this one is done.
        kalvik::demo::DemoLock lock(file, [&file] {
            std::cout << "Another kalvik demo is running on " << file << "; waiting for it to end"
                      << std::endl;
        });
        std::cout << "Building the demonstration database " << file << '\n';
        // Holds the file from its copy-in to the end of the run, as a calculation run holds its
        // database, so that no other copy-in lands between the run's steps.
        const kalvik::demo::DemoDatabase database =
            kalvik::demo::buildDemoDatabase(lock, generatedConsumers, [&file] {
                std::cout << "Another connection has " << file << " open; waiting for it to close"
                          << std::endl;
            });
        // Every step reaches the database through the folder the lock holds, whatever the
        // folder's path leads to meanwhile, and first looks at it again.
        const std::string& connectionString = database.connectionString;
        const auto nextStep = [&lock, &database] { kalvik::demo::beforeRunStep(lock, database); };
        if (generatedConsumers) {
            std::cout << "    with " << *generatedConsumers
                      << " generated consumers, their outages, flushings and ventilation\n";
        }

        const com::Registry registry = registeredRegistry();
        listClasses(registry);

        std::cout << "\nJournal: Open_RST.LogFileVs_FSB, S_Vs_FSB and LogFileVs\n";
        nextStep();
        callWithTexts(registry, "Open_RST", "LogFileVs_FSB",
                      {connectionString, "kalvik demo. начало", ""});
        callWithTexts(registry, "Open_RST", "S_Vs_FSB",
                      {connectionString, "kalvik demo", "kalvik", "demo", ""});
        callWithTexts(registry, "Open_RST", "LogFileVs",
                      {connectionString, "kalvik demo: a line of the text log"});
        std::cout << "    text log: LogFile_Vs.Log in $KALVIK_LOG_DIR, else in "
                     "${XDG_STATE_HOME:-~/.local/state}/kalvik\n";

        std::cout << "\nOne call of each method that needs no database:\n";
        for (const SampleCall& sample : kSampleCalls)
            runSample(registry, sample);
        // The month's calculations in their order, then the revisions.
        const std::function<bool()> calculations[] = {
            [&] { return runLoadUpdateDemo(registry, connectionString); },
            [&] { return runConsumerUpdateDemo(registry, connectionString); },
            [&] { return runVentilationDemo(registry, connectionString); },
            [&] { return runConsumptionDemo(registry, connectionString, ConsumptionRuns::Month); },
            [&] { return runSteamDemo(registry, connectionString); },
            [&] { return runVentilationRevisionsDemo(registry, connectionString); },
            [&] {
                return runConsumptionDemo(registry, connectionString, ConsumptionRuns::Revisions);
            },
        };
        bool calculated = true;
        for (const std::function<bool()>& calculation : calculations) {
            nextStep();
            calculated = calculation() && calculated;
        }

        nextStep();
        callWithTexts(registry, "Open_RST", "LogFileVs_FSB",
                      {connectionString, "kalvik demo. конец", ""});
        // Where the file is by now: its folder may have been moved during the run.
        std::cout << "\nJournal: " << tableRows(connectionString, "FSB") << " rows in table FSB of "
                  << files::shownPath(lock.reach()).string() << '\n';
        return calculated ? 0 : 1;
    } catch (...) {
        return reportError();
    }
}

}  // namespace host

-- Source data of the ventilation calculation: the ventilation units of the consumers with their
-- schedules, regime temperatures, loads, leaks, flags and loss codes; their short outages (hours
-- already computed) and their long outages. Dates are OLE date numbers.

CREATE TABLE "ВентУстановки" (
    "NN_вент" INTEGER PRIMARY KEY,
    "Npotr" INTEGER NOT NULL,
    -- design load (Gcal/h), heat lost with the leak (Gcal/h), leak (m³/h)
    "Qв_расч" REAL DEFAULT 0.1,
    "Тпот_вент" REAL DEFAULT 0.002,
    "Ут_Вент" REAL DEFAULT 0.01,
    -- design inputs of the unit update (Vent): gauge pressures (kgf/cm²) of the cold water,
    -- supply (a steam unit's steam) and return, supply and return temperatures (°C); a steam
    -- unit's leak (%), returned condensate temperature (°C) and share (%); the given system
    -- volume (m³, 0: not given); what the update writes besides: flow (t/h), system volume (m³)
    "P гв" REAL DEFAULT 3,
    "P подающ" REAL DEFAULT 6,
    "P обрат" REAL DEFAULT 3,
    "Т подающ" REAL DEFAULT 150,
    "Т обрат" REAL DEFAULT 70,
    "Ут_дол" REAL,
    "QVENT26_t_vkn" REAL,
    "QVENT26_p_vkn" REAL,
    "V_вент_п" REAL DEFAULT 0,
    "G_vent" REAL,
    "V_вент_р" REAL,
    -- 0: round the clock; otherwise the schedule: daily hours, weekday mask, daily window
    "АвтомВент" SMALLINT DEFAULT 0,
    "Час_дн" REAL DEFAULT 24,
    "Дни_неделю" TEXT DEFAULT '+++++++',
    "Нач_В" REAL DEFAULT 0,
    "Кон_В" REAL DEFAULT 24,
    -- regime start and end, design outdoor temperature of ventilation
    "Тнач" REAL DEFAULT -25,
    "Ткон" REAL DEFAULT 8,
    "Тнрво" REAL DEFAULT -25,
    "QVENT26_pr" REAL DEFAULT 1,
    "R_tn_t12" SMALLINT DEFAULT 0,
    "Vent_leto" BIT DEFAULT 0,
    "Дубль_Вент" BIT DEFAULT 0,
    "Коэфф_Сниж" REAL DEFAULT 1,
    "Подкл с потерями" SMALLINT DEFAULT 2,
    "Расчет с потерями" SMALLINT DEFAULT 2
);
CREATE INDEX "ВентУстановки_Npotr" ON "ВентУстановки" ("Npotr");

-- Short outages: `План` 0 actual, otherwise plan.
CREATE TABLE "ОтключенияВент" (
    "id" INTEGER PRIMARY KEY,
    "NNвентотк" INTEGER NOT NULL,
    "План" SMALLINT NOT NULL DEFAULT 0,
    "ВентВр_откл_р" REAL
);
CREATE INDEX "ОтключенияВент_NNвентотк" ON "ОтключенияВент" ("NNвентотк");

-- Long outages; `ВремПостВент` is the part of the outage that does not count.
CREATE TABLE "ДлитОтключенияВент" (
    "id" INTEGER PRIMARY KEY,
    "NNВентТабл" INTEGER NOT NULL,
    "ПотНачВент" DATETIME,
    "ПотКонВент" DATETIME,
    "ВремПостВент" REAL
);
CREATE INDEX "ДлитОтключенияВент_NNВентТабл" ON "ДлитОтключенияВент" ("NNВентТабл");

-- Source data of the consumption calculation: consumers with their design loads, schedules and
-- coefficients (the defaults describe a dwelling house with heating and hot water); the periods'
-- climate and network temperatures; tariffs; outages, long outages, flushings; the consumers'
-- hot-water coefficient rows. Dates are OLE date numbers (days since 30 December 1899).

CREATE TABLE "Потребители" (
    "Npotr" INTEGER PRIMARY KEY,
    "NDOG" INTEGER,
    "Главная" INTEGER DEFAULT 1,
    "Главная1" INTEGER DEFAULT 1,
    "Nobkt" INTEGER,
    "Зона" TEXT DEFAULT 'Центр',
    "ЦТП" INTEGER DEFAULT 1,
    "NTAX" INTEGER DEFAULT 1,
    "PAR" INTEGER DEFAULT 0,
    -- design loads, Gcal/h
    "QHEAT26" REAL DEFAULT 0.2,
    "QVENT26" REAL DEFAULT 0,
    "Qgvs" REAL DEFAULT 0.05,
    "QGV_Пс" REAL DEFAULT 0,
    "QTS" REAL DEFAULT 0,
    "Qtgvs" REAL DEFAULT 0,
    -- weekly values, weekday masks (Monday first, "+" = worked) and daily windows
    "Nheat" REAL DEFAULT 24,
    "Dheat" TEXT DEFAULT '+++++++',
    "NGVS" REAL DEFAULT 24,
    "DGVS" TEXT DEFAULT '+++++++',
    "Нач_ГВС" REAL DEFAULT 0,
    "Кон_ГВС" REAL DEFAULT 24,
    "NTS" REAL DEFAULT 24,
    "DTS" TEXT DEFAULT '+++++++',
    "Нач_Тех" REAL DEFAULT 0,
    "Кон_Тех" REAL DEFAULT 24,
    "NTGVS" REAL DEFAULT 24,
    "DTGVS" TEXT DEFAULT '+++++++',
    "Нач_ТГВС" REAL DEFAULT 0,
    "Кон_ТГВС" REAL DEFAULT 24,
    "QUS" REAL DEFAULT 100,
    "SROOM" REAL DEFAULT 2500,
    -- coefficients
    "Кбал_кот" REAL DEFAULT 1,
    "K_Q_sn_ny" REAL DEFAULT 1,
    "Кбал_G" REAL DEFAULT 1,
    "K_G_sn_ny" REAL DEFAULT 1,
    "Т_гв_потр" REAL DEFAULT 55,
    "Кцирк" REAL DEFAULT 1,
    "R_tn_t12" SMALLINT DEFAULT 0,
    "Коэфф_Перетопа" REAL DEFAULT 1,
    "КциркМО" REAL DEFAULT 1,
    "Ot_leto" BIT DEFAULT 0,
    "К_ГВС" REAL DEFAULT 1,
    "Твн TVNUT" REAL DEFAULT 20,
    "QHEAT26_pr" REAL DEFAULT 1,
    -- hourly losses (Gcal/h) and leaks (m³/h) per load
    "Птот_п" REAL DEFAULT 0.002,
    "Утот_п" REAL DEFAULT 0.01,
    -- construction surcharges, percent, and the construction period
    "Стр_проц" REAL DEFAULT 0,
    "Стр_проц_подкл" REAL DEFAULT 0,
    "Дат_нач_стр" DATETIME,
    "Дат_кон_стр" DATETIME,
    -- hot water
    "ГВС в меж  отоп" BIT DEFAULT 1,
    "К сниж ГВС (K3)" BIT DEFAULT 0,
    "Norma_Gk" REAL DEFAULT 0,
    "QGVS_pr" REAL DEFAULT 1,
    "Ed_izm_Gk" TEXT DEFAULT 'Гкал',
    "Птгвс_п" REAL DEFAULT 0.0005,
    "Утгвс_п" REAL DEFAULT 0.002,
    "QGV_Пс_pr" REAL DEFAULT 1,
    "Птгвс_Пс_п" REAL DEFAULT 0,
    "Утгвс_Пс_п" REAL DEFAULT 0,
    -- technology and technological hot water
    "QTS_pr" REAL DEFAULT 1,
    "Пттех_п" REAL DEFAULT 0,
    "Уттех_п" REAL DEFAULT 0,
    "QTGVS_pr" REAL DEFAULT 1,
    "ПттехГВС_п" REAL DEFAULT 0,
    "УттехГВС_п" REAL DEFAULT 0,
    -- hot-water system: gauge pressure, open (1) or closed
    "P1_гвс" REAL DEFAULT 4,
    "Закр_Отк_Обк" SMALLINT DEFAULT 1,
    -- loss and connection modes, duplicate loads, network shares
    "Расчет с потерями" SMALLINT DEFAULT 2,
    "Дубль_ГВС" BIT DEFAULT 0,
    "Дубль_Тех" BIT DEFAULT 0,
    "Дубль_ТехГВС" BIT DEFAULT 0,
    "Подкл с потерями" SMALLINT DEFAULT 2,
    "ДоляПотерьТсетях" REAL DEFAULT 0.001,
    "Доп_потери" REAL DEFAULT 0,
    "SQсрчас" REAL DEFAULT 0.25,
    "SQсрчас с пот" REAL DEFAULT 0.26,
    "Утпотр_п" REAL DEFAULT 0.012,
    "Птпотр_п" REAL DEFAULT 0.0025,
    "ДоляУтечекТсетях" REAL DEFAULT 0.0001
);

-- Calculation periods with their climate and network temperatures: `План` 0 holds the actual
-- figures, 1 the plan figures; `pr_Isxod_Potr` takes the rows marked `Текущий`.
CREATE TABLE "ПериодРасчета" (
    "id" INTEGER PRIMARY KEY,
    "План" SMALLINT NOT NULL,
    "Текущий" BIT NOT NULL DEFAULT 0,
    "Период_н" DATETIME,
    "Период_к" DATETIME,
    "Тн" REAL,
    "Тгр" REAL,
    "Т1" REAL,
    "Т2" REAL,
    "Т1_р" REAL,
    "Т2_р" REAL,
    "Тгв" REAL,
    "Тхв" REAL,
    "Тхвот" REAL,
    "Тнро_рт" REAL,
    "Тнро_нач" REAL,
    "КотоплМО" REAL,
    "TMO" REAL,
    "TMO_СНиП" REAL,
    "КоэффГВС" REAL,
    "КоэффГВС_СНиП" REAL
);

-- The norm climate of each month: mean outdoor temperature and hot-water coefficient.
CREATE TABLE "ТемператураМесяцСНиП" (
    "NMES" INTEGER PRIMARY KEY,
    "TMO" REAL,
    "КоэффГВС" REAL
);

CREATE TABLE "Тарифы" (
    "NTAX" INTEGER PRIMARY KEY,
    "Стоимость 1 Гкал" MONEY,
    "Стоимость 1 Гкал/час" MONEY,
    "СтоимостьВоды_руб/т" MONEY,
    "Стоим_Гкал_ГВС" MONEY
);

-- Outages of the period, hours per load; `План` 0 actual, otherwise plan.
CREATE TABLE "ОтключенияПотр" (
    "id" INTEGER PRIMARY KEY,
    "Npotr" INTEGER NOT NULL,
    "План" SMALLINT NOT NULL DEFAULT 0,
    "ОтВр_откл" REAL,
    "ГвсВр_откл" REAL,
    "ГвсВр_откл_Пс" REAL,
    "ТехВр_откл" REAL,
    "ТгвсВр_откл" REAL,
    "От_откл" REAL,
    "ГВС_откл" REAL,
    "Тех_откл" REAL,
    "Техгвс_откл" REAL
);
CREATE INDEX "ОтключенияПотр_Npotr" ON "ОтключенияПотр" ("Npotr");

-- Long outages per load, with the share of the time the load stays on (`...ВремПост`).
CREATE TABLE "ДлитОтключенияПотр" (
    "id" INTEGER PRIMARY KEY,
    "Npotr" INTEGER NOT NULL,
    "ПотопНач" DATETIME,
    "ПотопКон" DATETIME,
    "ОтВремПост" REAL,
    "ПгвсНач" DATETIME,
    "ПгвсКон" DATETIME,
    "ГВСВремПост" REAL,
    "ПтехНач" DATETIME,
    "ПтехКон" DATETIME,
    "ТехВремПост" REAL,
    "ПтгвсНач" DATETIME,
    "ПтгвсКон" DATETIME,
    "ТГВСВремПост" REAL
);
CREATE INDEX "ДлитОтключенияПотр_Npotr" ON "ДлитОтключенияПотр" ("Npotr");

-- Flushings and withdrawals; `План` 0 actual, otherwise plan.
CREATE TABLE "Промывки" (
    "id" INTEGER PRIMARY KEY,
    "NNпотр пром" INTEGER NOT NULL,
    "План" SMALLINT NOT NULL DEFAULT 0,
    "Пром Гкал" REAL,
    "Пром т/час" REAL,
    "Otbor_Gk" REAL,
    "Otbor_Tn" REAL
);
CREATE INDEX "Промывки_NNпотр" ON "Промывки" ("NNпотр пром");

-- A consumer's hot-water coefficient (Gcal per tonne) and what the calculation writes back.
CREATE TABLE "Потребитель_K_G_gvs" (
    "Npotr" INTEGER PRIMARY KEY,
    "K_G_gvs" REAL,
    "Q_gvs_K_G_gvs_r" REAL,
    "G_gvs_K_G_gvs_r" REAL,
    "Q_texgvs_K_G_gvs_r" REAL,
    "G_texgvs_K_G_gvs_r" REAL,
    "Q_gvs_пр_r" REAL,
    "G_gvs_пр_r" REAL,
    "Q_texgvs_пр_r" REAL,
    "G_texgvs_пр_r" REAL,
    "K_G_fiz" REAL
);

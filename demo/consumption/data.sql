-- Demonstration data of the consumption calculation: seventeen consumers that between them take
-- every branch of the calculation, three periods with actual and plan figures, tariffs, outages,
-- long outages, flushings and coefficient rows; the ventilation results come from the
-- ventilation calculation.
-- Dates are OLE date numbers: julianday(...) - 2415018.5.

-- Periods: a winter month (1-31 January 2009), half a summer month (1-15 June 2009) and a period
-- across a month's end (25 April - 5 May 2009). The winter month is current.
INSERT INTO "ПериодРасчета" ("id", "План", "Текущий", "Период_н", "Период_к", "Тн", "Тгр", "Т1",
    "Т2", "Т1_р", "Т2_р", "Тгв", "Тхв", "Тхвот", "Тнро_рт", "Тнро_нач", "КотоплМО", "TMO",
    "TMO_СНиП", "КоэффГВС", "КоэффГВС_СНиП") VALUES
    (1, 0, 1, julianday('2009-01-01') - 2415018.5, julianday('2009-01-31') - 2415018.5,
        -8.5, 150, 80, 60, 95, 70, 60, 5, 5, -26, 8, 1, -8.5, -10, 1, 1),
    (2, 1, 1, julianday('2009-01-01') - 2415018.5, julianday('2009-01-31') - 2415018.5,
        -10, 150, 85, 62, 95, 70, 60, 5, 5, -26, 8, 1, -10, -10, 1, 1),
    (3, 0, 0, julianday('2009-06-01') - 2415018.5, julianday('2009-06-15') - 2415018.5,
        17, 70, 70, 45, 95, 70, 60, 15, 5, -26, 8, 0, 17, 16, 0.8, 0.85),
    (4, 1, 0, julianday('2009-06-01') - 2415018.5, julianday('2009-06-15') - 2415018.5,
        16, 70, 70, 45, 95, 70, 60, 15, 5, -26, 8, 0, 16, 16, 0.8, 0.85),
    (5, 0, 0, julianday('2009-04-25') - 2415018.5, julianday('2009-05-05') - 2415018.5,
        12, 70, 75, 55, 95, 70, 60, 10, 5, -26, 8, 0.5, 12, 0, 0.9, 0.9),
    (6, 1, 0, julianday('2009-04-25') - 2415018.5, julianday('2009-05-05') - 2415018.5,
        11, 70, 75, 55, 95, 70, 60, 10, 5, -26, 8, 0.5, 11, 0, 0.9, 0.9);

-- The norm climate; January, April and June differ from the periods' `_СНиП` figures.
INSERT INTO "ТемператураМесяцСНиП" ("NMES", "TMO", "КоэффГВС") VALUES
    (1, -9.5, 0.95), (2, -8.6, 1), (3, -3.3, 1), (4, 4.5, 0.88), (5, 11.6, 0.85),
    (6, 16.5, 0.82), (7, 18.1, 0.8), (8, 16.3, 0.8), (9, 10.7, 0.85), (10, 4.3, 0.9),
    (11, -1.9, 1), (12, -7.3, 1);

INSERT INTO "Тарифы" ("NTAX", "Стоимость 1 Гкал", "Стоимость 1 Гкал/час", "СтоимостьВоды_руб/т",
    "Стоим_Гкал_ГВС") VALUES
    (1, 1250.5, 350000, 25.3, 1300),
    (2, 1100, 300000, 0, 0);

-- 101: a dwelling house, load-based hot water, open system, with a coefficient, ventilation,
--      outage hours of 2.5 and two flushings.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt") VALUES (101, 1001, 1);
-- 102: norm-based hot water in tonnes with a coefficient, closed system, outage hours of 3.5,
--      a long outage of 48 hours weighted 0.25 (heating) and 0.5 (hot water).
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "QUS", "Norma_Gk", "Ed_izm_Gk",
    "Закр_Отк_Обк") VALUES (102, 1002, 2, 120, 3.6, 'Тонн/чел', 0);
-- 103: norm-based hot water in Gcal without a coefficient row, no hot water between heating
--      seasons; losses and connection without losses (modes 0).
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "QUS", "Norma_Gk", "Ed_izm_Gk",
    "ГВС в меж  отоп", "Расчет с потерями", "Подкл с потерями") VALUES
    (103, 1003, 3, 80, 0.2, 'Гкал/чел', 0, 0, 0);
-- 104: a steam consumer with technology on working days 8 to 17 h, no hot water; modes 1.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "NTAX", "PAR", "QHEAT26_pr", "Qgvs",
    "QTS", "NTS", "DTS", "Нач_Тех", "Кон_Тех", "Пттех_п", "Уттех_п", "Т_гв_потр",
    "Расчет с потерями", "Подкл с потерями") VALUES
    (104, 1004, 4, 2, 1, 0, 0, 0.5, 9, '+++++--', 8, 17, 0.001, 0.005, NULL, 1, 1);
-- 105: network temperatures (T12) with an overheating coefficient, heating in summer; modes 3;
--      a coefficient row holding 0.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "R_tn_t12", "Коэфф_Перетопа", "Ot_leto",
    "Расчет с потерями", "Подкл с потерями") VALUES (105, 1005, 5, 1, 1.15, 1, 3, 3);
-- 106: second hot water, technology on six days, technological hot water on working days 7 to
--      19 h, reduced hot water between heating seasons; with a coefficient.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "QGV_Пс", "Птгвс_Пс_п", "Утгвс_Пс_п",
    "QTS", "DTS", "Пттех_п", "Уттех_п", "Qtgvs", "NTGVS", "DTGVS", "Нач_ТГВС", "Кон_ТГВС",
    "ПттехГВС_п", "УттехГВС_п", "К сниж ГВС (K3)") VALUES
    (106, 1006, 6, 0.02, 0.0002, 0.001, 0.1, '++++++-', 0.0004, 0.002, 0.03, 12, '+++++--', 7,
     19, 0.0003, 0.001, 1);
-- 107: under construction from 16 January without an end date: surcharges 10 and 5 percent.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "Стр_проц", "Стр_проц_подкл",
    "Дат_нач_стр", "Дат_кон_стр", "Доп_потери") VALUES
    (107, 1007, 7, 10, 5, julianday('2009-01-16') - 2415018.5, NULL, 0.01);
-- 108: heating on working days only, outages longer than the working hours, hot water 6 to 22 h.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "Dheat", "Нач_ГВС", "Кон_ГВС") VALUES
    (108, 1008, 8, '+++++--', 6, 22);
-- 109: long outages: one without an end date, one counted in full, one without share columns.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "QTS", "Qtgvs") VALUES
    (109, 1009, 9, 0.05, 0.01);
-- 110: copied columns that are Null.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "Зона", "SQсрчас", "SQсрчас с пот",
    "Утпотр_п", "Птпотр_п") VALUES (110, 1010, 10, NULL, NULL, NULL, NULL, NULL);
-- 111: duplicate hot-water, technology and technological hot-water loads; two outage rows.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "QTS", "Qtgvs", "Дубль_ГВС", "Дубль_Тех",
    "Дубль_ТехГВС", "Доп_потери") VALUES (111, 1011, 11, 0.05, 0.01, 1, 1, 1, 0.005);
-- 112: a warehouse kept at 12 °C: a warm month as soon as the outdoor temperature reaches it.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "Твн TVNUT", "QHEAT26", "Qgvs") VALUES
    (112, 1012, 12, 12, 0.1, 0);
-- 113: heating only; the hot-water masks are filled but the load is 0.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "Qgvs", "DGVS", "Нач_ГВС", "Кон_ГВС") VALUES
    (113, 1013, 13, 0, '++++++-', 6, 22);
-- 114: ventilation only, from two ventilation units.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "QHEAT26", "QVENT26", "Qgvs", "Птот_п",
    "Утот_п") VALUES (114, 1014, 14, 0, 0.3, 0, 0, 0);
-- 115: heating on working days, withdrawals, plan outages and flushings, connection mode 1.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "Dheat", "Подкл с потерями",
    "ДоляПотерьТсетях") VALUES (115, 1015, 15, '+++++--', 1, 0.002);
-- 116: steam for heating and for the ventilation of its unit 5 (ventilation data); its steam
--      columns are in the steam data.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "PAR", "QHEAT26", "QVENT26", "Qgvs") VALUES
    (116, 1016, 16, 1, 0.3, 0.15, 0);
-- 118: a steam consumer marked -1, open system, boiler balance 1.05.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "PAR", "Закр_Отк_Обк", "Кбал_кот") VALUES
    (118, 1018, 18, -1, 1, 1.05);
-- 119: connection mode 1 without hourly losses and without ventilation.
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "Птот_п", "Птгвс_п", "Подкл с потерями")
    VALUES (119, 1019, 19, 0, 0, 1);

INSERT INTO "Потребитель_K_G_gvs" ("Npotr", "K_G_gvs") VALUES
    (101, 0.0625), (102, 0.06), (105, 0), (106, 0.065);

-- Outages: actual (`План` 0) and plan (1).
INSERT INTO "ОтключенияПотр" ("Npotr", "План", "ОтВр_откл", "ГвсВр_откл", "ГвсВр_откл_Пс",
    "ТехВр_откл", "ТгвсВр_откл", "От_откл", "ГВС_откл", "Тех_откл", "Техгвс_откл") VALUES
    (101, 0, 2.5, 0, 0, 0, 0, 2.5, 0, 0, 0),
    (102, 0, 3.5, 1.5, 0, 0, 0, 3.5, 1.5, 0, 0),
    (106, 0, 0, 0, 12, 4, 2, 0, 0, 4, 2),
    (108, 0, 800, 6, 0, 0, 0, 48, 6, 0, 0),
    (111, 0, 1.25, NULL, NULL, NULL, NULL, 1.25, NULL, NULL, NULL),
    (111, 0, 1.25, 0.5, NULL, NULL, NULL, 1.25, 0.5, NULL, NULL),
    (101, 1, 5, 0, 0, 0, 0, 5, 0, 0, 0),
    (115, 1, 24, 0, 0, 0, 0, 24, 0, 0, 0);

-- Long outages (every variant).
INSERT INTO "ДлитОтключенияПотр" ("Npotr", "ПотопНач", "ПотопКон", "ОтВремПост", "ПгвсНач",
    "ПгвсКон", "ГВСВремПост", "ПтехНач", "ПтехКон", "ТехВремПост", "ПтгвсНач", "ПтгвсКон",
    "ТГВСВремПост") VALUES
    (102, julianday('2009-01-05') - 2415018.5, julianday('2009-01-06') - 2415018.5, 0.25,
          julianday('2009-01-05') - 2415018.5, julianday('2009-01-06') - 2415018.5, 0.5,
          NULL, NULL, 0, NULL, NULL, 0),
    (109, julianday('2009-01-10') - 2415018.5, NULL, 0, NULL, NULL, 0, NULL, NULL, 0, NULL,
          NULL, 0),
    (109, julianday('2009-01-20') - 2415018.5, julianday('2009-01-21') - 2415018.5, 1,
          julianday('2009-01-20') - 2415018.5, julianday('2009-01-21') - 2415018.5, 0.3,
          julianday('2009-01-20') - 2415018.5, julianday('2009-01-21') - 2415018.5, 0.3,
          julianday('2009-01-20') - 2415018.5, julianday('2009-01-21') - 2415018.5, 0.3),
    (109, NULL, NULL, NULL, NULL, NULL, NULL,
          julianday('2009-01-25') - 2415018.5, julianday('2009-01-25') - 2415018.5, NULL,
          NULL, NULL, NULL),
    (101, julianday('2009-06-01') - 2415018.5, julianday('2009-06-01') - 2415018.5, 0,
          julianday('2009-06-01') - 2415018.5, julianday('2009-06-14') - 2415018.5, 0,
          NULL, NULL, 0, NULL, NULL, 0);

-- Flushings and withdrawals.
INSERT INTO "Промывки" ("NNпотр пром", "План", "Пром Гкал", "Пром т/час", "Otbor_Gk",
    "Otbor_Tn") VALUES
    (101, 0, 1.234, 0.26, 0, 0),
    (101, 0, 2.345, 0.33, 0, 0),
    (115, 0, NULL, 0, 1.2, 15),
    (115, 1, 2.0, 0.5, 0, 0);

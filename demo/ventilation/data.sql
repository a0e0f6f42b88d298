-- Demonstration data of the ventilation calculation: eight units that between them take every
-- branch, on the consumers of the consumption data, steam consumer 116 among them. Every unit
-- also suits the revisions' city temperatures (-26, -25, 8): `Тнач` is never Null and `Ткон`
-- never equals it. Dates are OLE date numbers: julianday(...) - 2415018.5.
-- The unit update's inputs: supply temperatures in each volume band (150, 135, 120, 100 °C),
-- water units at the default pressures (6, 3; cold water 3), steam unit 5 after a 150 °C unit.

-- 1 (114): the worked example, round the clock, 12 columns (`Тнач` = `Тнрво`), codes 2.
INSERT INTO "ВентУстановки" ("NN_вент", "Npotr", "Qв_расч", "Тпот_вент", "Ут_Вент", "АвтомВент",
    "Тнач", "Ткон", "Тнрво", "Т подающ", "Т обрат") VALUES
    (1, 114, 0.25, 0.004, 0.02, 0, -25, 8, -25, 150, 70);
-- 2 (101): automatic, "+++++--" from 8 to 20 h; regime from -8 = `Тнрво`, so a colder month
--    counts as -8, measured against (tvn, tnro); codes 3.
INSERT INTO "ВентУстановки" ("NN_вент", "Npotr", "Qв_расч", "АвтомВент", "Час_дн",
    "Дни_неделю", "Нач_В", "Кон_В", "Тнач", "Ткон", "Тнрво", "Подкл с потерями",
    "Расчет с потерями", "Т подающ", "Т обрат") VALUES
    (2, 101, 0.1, 1, 12, '+++++--', 8, 20, -8, 8, -8, 3, 3, 135, 70);
-- 3 (105): network temperatures, `Тнрво` unequal to `Тнач`; outages of 1.2345 h; codes 0 and 1;
--    a given system volume.
INSERT INTO "ВентУстановки" ("NN_вент", "Npotr", "Qв_расч", "R_tn_t12", "Тнач", "Ткон",
    "Тнрво", "Подкл с потерями", "Расчет с потерями", "Т подающ", "Т обрат", "V_вент_п") VALUES
    (3, 105, 0.08, 1, -15, 8, -25, 0, 1, 120, 70, 1.5);
-- 4 (105): network temperatures, automatic, regime from `Тнрво`: the design point of ventilation
--    replaces the design temperatures; a long outage before the period.
INSERT INTO "ВентУстановки" ("NN_вент", "Npotr", "Qв_расч", "R_tn_t12", "АвтомВент", "Тнач",
    "Ткон", "Тнрво", "Т подающ", "Т обрат") VALUES (4, 105, 0.06, 1, 1, -25, 8, -25, 150, 70);
-- 5 (116): steam without a temperature ratio (`QVENT26_pr` 0), summer ventilation; steam of
--    6 kgf/cm², no supply temperature, condensate at 1 kgf/cm² and 95 °C, half of it returned
--    at 80 °C, a leak of 2 %.
INSERT INTO "ВентУстановки" ("NN_вент", "Npotr", "Qв_расч", "Тпот_вент", "QVENT26_pr",
    "Vent_leto", "Тнач", "Ткон", "P подающ", "P обрат", "Т подающ", "Т обрат", "Ут_дол",
    "QVENT26_t_vkn", "QVENT26_p_vkn") VALUES
    (5, 116, 0.15, 0.003, 0, 1, -20, 8, 6, 1, NULL, 95, 2, 80, 50);
-- 6 (108): cut off (the month is warmer than its `Ткон`, the reference of a regime from -30),
--    with a leak; a long outage without an end; codes 1 and 0.
INSERT INTO "ВентУстановки" ("NN_вент", "Npotr", "Qв_расч", "Ут_Вент", "Тнач", "Ткон",
    "Подкл с потерями", "Расчет с потерями", "Т подающ", "Т обрат") VALUES
    (6, 108, 0.05, 0.05, -30, -10, 1, 0, 100, 60);
-- 7 (111): no load, a duplicate.
INSERT INTO "ВентУстановки" ("NN_вент", "Npotr", "Qв_расч", "Дубль_Вент", "Тнач", "Ткон",
    "Т подающ", "Т обрат") VALUES (7, 111, 0, 1, -20, 8, 135, 70);
-- 8 (114): loss codes 4 and Null, outages above its working hours, a long outage over the period;
--    a load that rounds (0.12345).
INSERT INTO "ВентУстановки" ("NN_вент", "Npotr", "Qв_расч", "Тнач", "Ткон",
    "Подкл с потерями", "Расчет с потерями", "Т подающ", "Т обрат") VALUES
    (8, 114, 0.12345, -20, 8, 4, NULL, 100, 70);

-- Actual outages (`План` 0), then plan outages: 4.0625 h for unit 1, 10 h for unit 2, which has
-- no actual outage.
INSERT INTO "ОтключенияВент" ("NNвентотк", "План", "ВентВр_откл_р") VALUES
    (1, 0, 2.5), (1, 0, 3.5), (3, 0, 1.2345), (8, 0, 800), (1, 1, 4.0625), (2, 1, 10);

INSERT INTO "ДлитОтключенияВент" ("NNВентТабл", "ПотНачВент", "ПотКонВент", "ВремПостВент") VALUES
    (1, julianday('2009-01-10') - 2415018.5, julianday('2009-01-11') - 2415018.5, 0.25),
    (1, julianday('2009-01-20') - 2415018.5, julianday('2009-01-20') - 2415018.5, 1),
    (4, julianday('2008-12-01') - 2415018.5, julianday('2008-12-10') - 2415018.5, 0),
    (6, julianday('2009-01-25') - 2415018.5, NULL, 0),
    (8, julianday('2008-12-01') - 2415018.5, julianday('2009-03-01') - 2415018.5, 0);

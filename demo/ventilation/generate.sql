-- Ventilation units of the large data set: one to three for each of the @consumers generated
-- consumers (numbers from 100001; units from 1000004), short outages for half of the units, plan
-- outages for a third, a long outage for every tenth. Values follow from the numbers alone: the
-- supply temperature's band from the unit's number, a given volume for the units of every ninth
-- consumer, the steam inputs for the units of every fiftieth (a steam consumer).

WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < @consumers),
    k(j) AS (VALUES (1), (2), (3))
INSERT INTO "ВентУстановки" ("NN_вент", "Npotr", "Qв_расч", "Тпот_вент", "Ут_Вент", "АвтомВент",
    "Час_дн", "Дни_неделю", "Нач_В", "Кон_В", "Тнач", "Ткон", "Тнрво", "QVENT26_pr", "R_tn_t12",
    "Vent_leto", "Дубль_Вент", "Подкл с потерями", "Расчет с потерями", "Т подающ", "Т обрат",
    "V_вент_п", "Ут_дол", "QVENT26_t_vkn", "QVENT26_p_vkn")
SELECT 1000000 + 3 * i + j, 100000 + i, 0.02 + (i * j % 40) / 100.0, 0.001 + (i % 5) / 1000.0,
    (i + j) % 5 / 100.0, CASE WHEN j = 2 THEN 1 ELSE 0 END,
    12, CASE WHEN i % 4 = 0 THEN '++++++-' ELSE '+++++--' END, 8, 20,
    CASE WHEN j = 1 THEN -25 ELSE -15 + i % 10 END, 8, -25,
    1, CASE WHEN i % 7 = 0 THEN 1 ELSE 0 END, CASE WHEN i % 30 = 0 THEN 1 ELSE 0 END,
    CASE WHEN i % 97 = 0 THEN 1 ELSE 0 END, i % 4, (i + j) % 4,
    CASE (3 * i + j) % 4 WHEN 0 THEN 150 WHEN 1 THEN 135 WHEN 2 THEN 120 ELSE 100 END, 70,
    CASE WHEN i % 9 = 0 THEN 1.5 ELSE 0 END, CASE WHEN i % 50 = 0 THEN 2 END,
    CASE WHEN i % 50 = 0 THEN 80 END, CASE WHEN i % 50 = 0 THEN 50 END
FROM n JOIN k ON k.j <= 1 + (i + 2) % 3;

INSERT INTO "ОтключенияВент" ("NNвентотк", "План", "ВентВр_откл_р")
SELECT "NN_вент", 0, ("NN_вент" % 12) / 2.0 FROM "ВентУстановки"
WHERE "NN_вент" > 1000000 AND "NN_вент" % 2 = 0;

INSERT INTO "ОтключенияВент" ("NNвентотк", "План", "ВентВр_откл_р")
SELECT "NN_вент", 1, ("NN_вент" % 9) / 4.0 + 0.5 FROM "ВентУстановки"
WHERE "NN_вент" > 1000000 AND "NN_вент" % 3 = 0;

INSERT INTO "ДлитОтключенияВент" ("NNВентТабл", "ПотНачВент", "ПотКонВент", "ВремПостВент")
SELECT "NN_вент", 39817 + "NN_вент" % 20, 39819 + "NN_вент" % 20, 0.5 FROM "ВентУстановки"
WHERE "NN_вент" > 1000000 AND "NN_вент" % 10 = 0;

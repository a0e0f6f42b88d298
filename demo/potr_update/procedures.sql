-- Stored procedures of the consumer load update, as rows of the emulated procedure table.
--   pr_Potreb_Obnovl   every consumer by Npotr with the cold-water temperature and the design
--                      outdoor temperature of the current actual period; the update writes its
--                      values back into the consumers by their key
--   pr_Obn_Sum_Qvent   per consumer, the sums of its ventilation units' stored values, leaving
--                      out duplicate units (their load is another unit's)

INSERT INTO procedures (name, body) VALUES ('pr_Potreb_Obnovl', '
SELECT п.*, р."Тхвот", р."Тнро_рт"
FROM "Потребители" п
LEFT JOIN "ПериодРасчета" р ON р."Текущий" <> 0 AND р."План" = 0
ORDER BY п."Npotr"');

INSERT INTO procedures (name, body) VALUES ('pr_Obn_Sum_Qvent', '
SELECT "Npotr", SUM("Qв_расч") AS "Qв_расч_Дубль", SUM("V_вент_р") AS "V_вент_Дубль",
    SUM("Ут_Вент") AS "Ут_вент_Дубль", SUM("Тпот_вент") AS "Тпот_вент_Дубль",
    SUM("G_vent") AS "G_vent_Дубль"
FROM "ВентУстановки"
WHERE NOT COALESCE("Дубль_Вент", 0) <> 0
GROUP BY "Npotr"
ORDER BY "Npotr"');

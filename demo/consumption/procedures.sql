-- Stored procedures of the consumption calculation, as rows of the emulated procedure table.
--   pr_Isxod_Potr            consumers with the period's figures (actual for "План" 0, else plan)
--   pr_Otkl_Potr_filtr[_Plan] outages;  pr_Potr_Dl_Otkl long outages (every variant)
--   pr_Promyvki[_Plan]       flushings and withdrawals
--   (the ventilation sums pr_Sum_Qvent and pr_Sum_Qvent_Dog_Plan: ventilation/procedures.sql)
--   pr_Потребитель_K_G_gvs   the consumer's coefficient row, updatable

INSERT INTO procedures (name, body) VALUES ('pr_Isxod_Potr', '
SELECT п.*, р.*,
    т."Стоимость 1 Гкал", т."Стоимость 1 Гкал/час", т."СтоимостьВоды_руб/т", т."Стоим_Гкал_ГВС"
FROM "Потребители" п
JOIN "ПериодРасчета" р ON р."Текущий" <> 0
    AND р."План" = CASE WHEN @План = 0 THEN 0 ELSE 1 END
LEFT JOIN "Тарифы" т ON т."NTAX" = п."NTAX"
ORDER BY п."Npotr"');

INSERT INTO procedures (name, body) VALUES ('pr_Otkl_Potr_filtr', '
SELECT * FROM "ОтключенияПотр" WHERE "План" = 0 ORDER BY "Npotr", "id"');

INSERT INTO procedures (name, body) VALUES ('pr_Otkl_Potr_filtr_Plan', '
SELECT * FROM "ОтключенияПотр" WHERE "План" <> 0 ORDER BY "Npotr", "id"');

INSERT INTO procedures (name, body) VALUES ('pr_Potr_Dl_Otkl', '
SELECT * FROM "ДлитОтключенияПотр" ORDER BY "Npotr", "id"');

INSERT INTO procedures (name, body) VALUES ('pr_Promyvki', '
SELECT * FROM "Промывки" WHERE "План" = 0 ORDER BY "NNпотр пром", "id"');

INSERT INTO procedures (name, body) VALUES ('pr_Promyvki_Plan', '
SELECT * FROM "Промывки" WHERE "План" <> 0 ORDER BY "NNпотр пром", "id"');

INSERT INTO procedures (name, body) VALUES ('pr_Потребитель_K_G_gvs', '
SELECT * FROM "Потребитель_K_G_gvs" WHERE "Npotr" = @Npotr');

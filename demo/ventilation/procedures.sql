-- Stored procedures of the ventilation calculation, as rows of the emulated procedure table.
--   pr_Isx_Vent_Potr       units with their consumer's identity and coefficients and the current
--                          period of the variant ("План" 0 actual, else plan)
--   pr_Otkl_vent_filtf     actual short outages;  pr_Otkl_vent_Dlit long outages
--   pr_Otkl_vent_Plan      plan short outages, the unit as "NN_вент" (the revisions)
--   pr_Sum_Qvent           the latest actual result of each unit of the current period, summed
--                          per consumer;
--   pr_Sum_Qvent_Dog_Plan  the same of the contract ("@dog" = 'Дог') or plan results

INSERT INTO procedures (name, body) VALUES ('pr_Isx_Vent_Potr', '
SELECT у."NN_вент", у."Npotr", у."Qв_расч", у."Тпот_вент", у."Ут_Вент", у."АвтомВент",
    у."Час_дн", у."Дни_неделю", у."Нач_В", у."Кон_В", у."Тнач", у."Ткон", у."Тнрво",
    у."QVENT26_pr", у."R_tn_t12", у."Vent_leto", у."Дубль_Вент", у."Коэфф_Сниж",
    у."Подкл с потерями", у."Расчет с потерями",
    п."NDOG", п."Главная", п."Главная1", п."Nobkt", п."PAR", п."Твн TVNUT", п."Кбал_кот",
    п."Кцирк", п."КциркМО", п."Коэфф_Перетопа", п."K_Q_sn_ny", п."Кбал_G", п."K_G_sn_ny",
    р."Тн", р."Т1", р."Т2", р."Т1_р", р."Т2_р", р."Тнро_рт", р."Тнро_нач", р."КотоплМО"
FROM "ВентУстановки" у
JOIN "Потребители" п ON п."Npotr" = у."Npotr"
JOIN "ПериодРасчета" р ON р."Текущий" <> 0
    AND р."План" = CASE WHEN @План = 0 THEN 0 ELSE 1 END
ORDER BY у."NN_вент"');

INSERT INTO procedures (name, body) VALUES ('pr_Otkl_vent_filtf', '
SELECT * FROM "ОтключенияВент" WHERE "План" = 0 ORDER BY "NNвентотк", "id"');

INSERT INTO procedures (name, body) VALUES ('pr_Otkl_vent_Plan', '
SELECT "id", "NNвентотк" AS "NN_вент", "ВентВр_откл_р" FROM "ОтключенияВент" WHERE "План" <> 0
ORDER BY "NNвентотк", "id"');

INSERT INTO procedures (name, body) VALUES ('pr_Otkl_vent_Dlit', '
SELECT * FROM "ДлитОтключенияВент" ORDER BY "NNВентТабл", "id"');

INSERT INTO procedures (name, body) VALUES ('pr_Sum_Qvent', '
SELECT * FROM "СуммыВентиляции" WHERE "Вариант" = ''Факт'' ORDER BY "Npotr"');

INSERT INTO procedures (name, body) VALUES ('pr_Sum_Qvent_Dog_Plan', '
SELECT * FROM "СуммыВентиляции"
WHERE "Вариант" = CASE WHEN @dog = ''Дог'' THEN ''Дог'' ELSE ''План'' END
ORDER BY "Npotr"');

-- Stored procedures of the consumption calculation, as rows of the emulated procedure table.
--   pr_Isxod_Potr            consumers with the period's figures (actual for "План" 0, else plan)
--   pr_Otkl_Potr_filtr[_Plan] outages;  pr_Potr_Dl_Otkl long outages (every variant)
--   pr_Plan_Otkl_Potr        plan outages summed per consumer
--   pr_Temp_mes              climate of the current plan period
--   pr_Temp_mes_SNiP         norm climate of the month in which the current plan period starts
--   pr_Promyvki[_Plan]       flushings and withdrawals
--   (the ventilation sums pr_Sum_Qvent and pr_Sum_Qvent_Dog_Plan: ventilation/procedures.sql)
--   pr_Потребитель_K_G_gvs   the consumer's coefficient row, updatable

INSERT INTO procedures (name, body) VALUES ('pr_Isxod_Potr', '
SELECT п."Npotr", п."NDOG", п."Главная", п."Главная1", п."Nobkt", п."Зона", п."ЦТП", п."NTAX",
    п."PAR", п."QHEAT26", п."QVENT26", п."Qgvs", п."QGV_Пс", п."QTS", п."Qtgvs", п."Nheat",
    п."Dheat", п."NGVS", п."DGVS", п."Нач_ГВС", п."Кон_ГВС", п."NTS", п."DTS", п."Нач_Тех",
    п."Кон_Тех", п."NTGVS", п."DTGVS", п."Нач_ТГВС", п."Кон_ТГВС", п."QUS", п."SROOM",
    п."Кбал_кот", п."K_Q_sn_ny", п."Кбал_G", п."K_G_sn_ny", п."Т_гв_потр", п."Кцирк",
    п."R_tn_t12", п."Коэфф_Перетопа", п."КциркМО", п."Ot_leto", п."К_ГВС", п."Твн TVNUT",
    п."QHEAT26_pr", п."Птот_п", п."Утот_п", п."Стр_проц", п."Стр_проц_подкл", п."Дат_нач_стр",
    п."Дат_кон_стр", п."ГВС в меж  отоп", п."К сниж ГВС (K3)", п."Norma_Gk", п."QGVS_pr",
    п."Ed_izm_Gk", п."Птгвс_п", п."Утгвс_п", п."QGV_Пс_pr", п."Птгвс_Пс_п", п."Утгвс_Пс_п",
    п."QTS_pr", п."Пттех_п", п."Уттех_п", п."QTGVS_pr", п."ПттехГВС_п", п."УттехГВС_п",
    п."P1_гвс", п."Закр_Отк_Обк", п."Расчет с потерями", п."Дубль_ГВС", п."Дубль_Тех",
    п."Дубль_ТехГВС", п."Подкл с потерями", п."ДоляПотерьТсетях", п."Доп_потери", п."SQсрчас",
    п."SQсрчас с пот", п."Утпотр_п", п."Птпотр_п", п."ДоляУтечекТсетях", п."QHEAT26_par",
    п."QHEAT26_Gvkn", п."QHEAT26_Qvkn", п."QVENT12_par", п."QVENT12_Gvkn", п."QVENT12_Qvkn",
    п."QVENT26_par", п."QVENT26_Gvkn", п."QVENT26_Qvkn", п."QGVS_par", п."QGVS_Gvkn",
    п."QGVS_Qvkn", п."QGV_Пс_par", п."QGV_Пс_Gvkn", п."QGV_Пс_Qvkn", п."QTS_par", п."QTS_Gvkn",
    п."QTS_Qvkn", п."QTGVS_par", п."QTGVS_Gvkn", п."QTGVS_Qvkn", р.*,
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

INSERT INTO procedures (name, body) VALUES ('pr_Plan_Otkl_Potr', '
SELECT "Npotr", SUM("ОтВр_откл") AS "ОтВр_откл", SUM("ГвсВр_откл") AS "ГвсВр_откл",
    SUM("ГвсВр_откл_Пс") AS "ГвсВр_откл_Пс", SUM("ТехВр_откл") AS "ТехВр_откл",
    SUM("ТгвсВр_откл") AS "ТгвсВр_откл", SUM("От_откл") AS "От_откл",
    SUM("ГВС_откл") AS "ГВС_откл", SUM("Тех_откл") AS "Тех_откл",
    SUM("Техгвс_откл") AS "Техгвс_откл"
FROM "ОтключенияПотр" WHERE "План" <> 0 GROUP BY "Npotr" ORDER BY "Npotr"');

INSERT INTO procedures (name, body) VALUES ('pr_Temp_mes', '
SELECT "TMO", "КоэффГВС" FROM "ПериодРасчета" WHERE "Текущий" <> 0 AND "План" <> 0');

INSERT INTO procedures (name, body) VALUES ('pr_Temp_mes_SNiP', '
SELECT с."TMO", с."КоэффГВС"
FROM "ТемператураМесяцСНиП" с
JOIN "ПериодРасчета" р ON р."Текущий" <> 0 AND р."План" <> 0
    AND с."NMES" = CAST(strftime(''%m'', р."Период_н" + 2415018.5) AS INTEGER)');

INSERT INTO procedures (name, body) VALUES ('pr_Potr_Dl_Otkl', '
SELECT * FROM "ДлитОтключенияПотр" ORDER BY "Npotr", "id"');

INSERT INTO procedures (name, body) VALUES ('pr_Promyvki', '
SELECT * FROM "Промывки" WHERE "План" = 0 ORDER BY "NNпотр пром", "id"');

INSERT INTO procedures (name, body) VALUES ('pr_Promyvki_Plan', '
SELECT * FROM "Промывки" WHERE "План" <> 0 ORDER BY "NNпотр пром", "id"');

INSERT INTO procedures (name, body) VALUES ('pr_Потребитель_K_G_gvs', '
SELECT * FROM "Потребитель_K_G_gvs" WHERE "Npotr" = @Npotr');

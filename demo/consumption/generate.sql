-- A large data set for benchmarks: @consumers consumers (numbers from 100001), each with one to
-- three outage and flushing rows, every fourth with a coefficient row, every tenth with a long
-- outage (their ventilation units: ventilation/generate.sql). Values are realistic and follow from the consumer's number alone, so the
-- same @consumers always gives the same data. Needs a current period (data.sql gives one).

WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < @consumers)
INSERT INTO "Потребители" ("Npotr", "NDOG", "Главная", "Главная1", "Nobkt", "Зона", "ЦТП",
    "NTAX", "PAR", "QHEAT26", "QVENT26", "Qgvs", "QGV_Пс", "QTS", "Qtgvs", "Dheat", "DGVS",
    "Нач_ГВС", "Кон_ГВС", "DTS", "Нач_Тех", "Кон_Тех", "DTGVS", "Нач_ТГВС", "Кон_ТГВС", "QUS",
    "SROOM", "Кбал_кот", "Кцирк", "R_tn_t12", "Коэфф_Перетопа", "Ot_leto", "К_ГВС",
    "Твн TVNUT", "QHEAT26_pr", "Птот_п", "Утот_п", "Стр_проц", "Стр_проц_подкл",
    "ГВС в меж  отоп", "К сниж ГВС (K3)", "Norma_Gk", "Ed_izm_Gk", "Птгвс_п", "Утгвс_п",
    "Пттех_п", "Уттех_п", "ПттехГВС_п", "УттехГВС_п", "P1_гвс", "Закр_Отк_Обк",
    "Расчет с потерями", "Дубль_ГВС", "Подкл с потерями", "ДоляПотерьТсетях", "Доп_потери",
    "SQсрчас", "SQсрчас с пот", "Утпотр_п", "Птпотр_п", "ДоляУтечекТсетях")
SELECT 100000 + i, 20000 + i / 3, 1 + i % 7, 1 + i % 11, i,
    CASE i % 4 WHEN 0 THEN 'Центр' WHEN 1 THEN 'Север' WHEN 2 THEN 'Юг' ELSE NULL END,
    1 + i % 40, 1 + i % 2,
    CASE WHEN i % 50 = 0 THEN 1 ELSE 0 END,
    0.02 + (i * 37 % 100) / 250.0,
    CASE WHEN i % 6 = 0 THEN 0.05 + (i % 9) / 100.0 ELSE 0 END,
    CASE WHEN i % 5 = 0 THEN 0 ELSE 0.005 + (i * 13 % 50) / 1000.0 END,
    CASE WHEN i % 17 = 0 THEN 0.01 ELSE 0 END,
    CASE WHEN i % 8 = 0 THEN 0.02 + (i % 5) / 100.0 ELSE 0 END,
    CASE WHEN i % 12 = 0 THEN 0.01 ELSE 0 END,
    CASE WHEN i % 9 = 0 THEN '+++++--' ELSE '+++++++' END,
    '+++++++', CASE WHEN i % 3 = 0 THEN 6 ELSE 0 END, CASE WHEN i % 3 = 0 THEN 23 ELSE 24 END,
    '+++++--', 8, 17, '++++++-', 7, 19,
    20 + i % 300, 500 + i * 7 % 5000,
    1 + (i % 5) / 100.0, 1 + (i % 3) / 50.0,
    CASE WHEN i % 25 = 0 THEN 1 ELSE 0 END, CASE WHEN i % 25 = 0 THEN 1.1 ELSE 1 END,
    CASE WHEN i % 30 = 0 THEN 1 ELSE 0 END, 1,
    CASE WHEN i % 40 = 0 THEN 16 ELSE 20 END, 1,
    0.0005 + (i % 20) / 10000.0, 0.002 + (i % 10) / 1000.0,
    CASE WHEN i % 45 = 0 THEN 10 ELSE 0 END, CASE WHEN i % 45 = 0 THEN 5 ELSE 0 END,
    CASE WHEN i % 7 = 0 THEN 0 ELSE 1 END, CASE WHEN i % 11 = 0 THEN 1 ELSE 0 END,
    CASE WHEN i % 10 = 0 THEN 0.2 WHEN i % 10 = 5 THEN 3.5 ELSE 0 END,
    CASE WHEN i % 10 = 5 THEN 'Тонн/чел' ELSE 'Гкал/чел' END,
    0.0002, 0.001, 0.0003, 0.001, 0.0001, 0.0005,
    3 + (i % 4) / 2.0, CASE WHEN i % 3 = 1 THEN 0 ELSE 1 END,
    i % 4, CASE WHEN i % 97 = 0 THEN 1 ELSE 0 END, i % 4,
    0.0005 + (i % 10) / 10000.0, CASE WHEN i % 13 = 0 THEN 0.002 ELSE 0 END,
    0.1 + (i % 50) / 100.0, 0.11 + (i % 50) / 100.0, 0.01, 0.002, 0.0001
FROM n;

-- One to three outages each.
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < @consumers),
    k(j) AS (VALUES (1), (2), (3))
INSERT INTO "ОтключенияПотр" ("Npotr", "План", "ОтВр_откл", "ГвсВр_откл", "ГвсВр_откл_Пс",
    "ТехВр_откл", "ТгвсВр_откл", "От_откл", "ГВС_откл", "Тех_откл", "Техгвс_откл")
SELECT 100000 + i, CASE WHEN j = 3 THEN 1 ELSE 0 END, (i + j) % 12 / 2.0, (i * j) % 8 / 2.0,
    0, (i + 2 * j) % 6, j % 2, (i + j) % 12 / 2.0, (i * j) % 8 / 2.0, (i + 2 * j) % 6, j % 2
FROM n JOIN k ON k.j <= 1 + i % 3;

-- One to three flushings or withdrawals each.
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < @consumers),
    k(j) AS (VALUES (1), (2), (3))
INSERT INTO "Промывки" ("NNпотр пром", "План", "Пром Гкал", "Пром т/час", "Otbor_Gk", "Otbor_Tn")
SELECT 100000 + i, CASE WHEN j = 3 THEN 1 ELSE 0 END, (i * j % 30) / 10.0, (i * j % 20) / 20.0,
    CASE WHEN j = 2 THEN (i % 10) / 10.0 ELSE 0 END, CASE WHEN j = 2 THEN i % 15 ELSE 0 END
FROM n JOIN k ON k.j <= 1 + (i + 1) % 3;

-- A coefficient row for every fourth consumer, a long outage for every tenth.
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < @consumers)
INSERT INTO "Потребитель_K_G_gvs" ("Npotr", "K_G_gvs")
SELECT 100000 + i, 0.055 + (i % 10) / 1000.0 FROM n WHERE i % 4 = 0;

WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < @consumers)
INSERT INTO "ДлитОтключенияПотр" ("Npotr", "ПотопНач", "ПотопКон", "ОтВремПост", "ПгвсНач",
    "ПгвсКон", "ГВСВремПост", "ПтехНач", "ПтехКон", "ТехВремПост", "ПтгвсНач", "ПтгвсКон",
    "ТГВСВремПост")
SELECT 100000 + i, 39817 + i % 20, 39819 + i % 20, 0.5, 39817 + i % 20, 39818 + i % 20, 0,
    NULL, NULL, 0, NULL, NULL, 0
FROM n WHERE i % 10 = 0;

-- Stored procedures of the steam calculation, as rows of the emulated procedure table: one row
-- per steam consumer (`PAR` > 0) that has a main consumption row of the current period, its
-- latest (highest `NNрасчТепл`), so that a repeated consumption run gives it one steam row.
--   pr_Isxod_Potr_Par       actual main rows of the current actual period
--   pr_Isxod_Potr_Par_Dog   contract main rows of the current plan period
--   pr_Isxod_Potr_Par_Plan  plan main rows of the current plan period
-- The design loads are the consumer's own, whose design steam flows they scaled. `Users` is the
-- connection's login; the demonstration keeps no passwords.

INSERT INTO procedures (name, body) VALUES ('pr_Isxod_Potr_Par', '
SELECT р."NNрасчТепл", р."NDOG", р."Главная", р."Nobkt", р."Npotr",
    р."Период_н_табл", р."Период_к_табл",
    SUSER_SNAME() AS "Users", NULL AS "Parole",
    р."Qот", р."Qвент12", р."Qвент26", р."Qгвс", р."Qгвс_пс", р."Qтех", р."Qтехгвс",
    р."Всего Гкал", р."Потери", р."Промывки Гкал", р."Otbor_Gk", р."Ут_потр_п", р."Птпотр_п_р",
    р."ДоляУтечекТсетях", р."Потери в тсетях", п."QHEAT26", п."QVENT26", п."Qgvs", п."QGV_Пс",
    п."QTS", п."Qtgvs", п."QHEAT26_par", п."QHEAT26_Gvkn", п."QHEAT26_Qvkn", п."QVENT12_par",
    п."QVENT12_Gvkn", п."QVENT12_Qvkn", п."QVENT26_par", п."QVENT26_Gvkn", п."QVENT26_Qvkn",
    п."QGVS_par", п."QGVS_Gvkn", п."QGVS_Qvkn", п."QGV_Пс_par", п."QGV_Пс_Gvkn", п."QGV_Пс_Qvkn",
    п."QTS_par", п."QTS_Gvkn", п."QTS_Qvkn", п."QTGVS_par", п."QTGVS_Gvkn", п."QTGVS_Qvkn",
    п."PAR"
FROM "Потребители" п
JOIN "ПериодРасчета" пр ON пр."Текущий" <> 0 AND пр."План" = 0
JOIN "РезультатыПотребитель" р ON р."NNрасчТепл" = (
    SELECT max(x."NNрасчТепл") FROM "РезультатыПотребитель" x
    WHERE x."Npotr" = п."Npotr" AND x."Период_н_табл" = пр."Период_н"
        AND x."Период_к_табл" = пр."Период_к")
WHERE п."PAR" > 0
ORDER BY п."Npotr"');

INSERT INTO procedures (name, body) VALUES ('pr_Isxod_Potr_Par_Dog', '
SELECT р."NNрасчТепл", р."NDOG", р."Главная", р."Nobkt", р."Npotr",
    р."Период_н_табл", р."Период_к_табл",
    SUSER_SNAME() AS "Users", NULL AS "Parole",
    р."Qот", р."Qвент12", р."Qвент26", р."Qгвс", р."Qгвс_пс", р."Qтех", р."Qтехгвс",
    р."Всего Гкал", р."Потери", р."Промывки Гкал", р."Otbor_Gk", р."Ут_потр_п", р."Птпотр_п_р",
    р."ДоляУтечекТсетях", р."Потери в тсетях", п."QHEAT26", п."QVENT26", п."Qgvs", п."QGV_Пс",
    п."QTS", п."Qtgvs", п."QHEAT26_par", п."QHEAT26_Gvkn", п."QHEAT26_Qvkn", п."QVENT12_par",
    п."QVENT12_Gvkn", п."QVENT12_Qvkn", п."QVENT26_par", п."QVENT26_Gvkn", п."QVENT26_Qvkn",
    п."QGVS_par", п."QGVS_Gvkn", п."QGVS_Qvkn", п."QGV_Пс_par", п."QGV_Пс_Gvkn", п."QGV_Пс_Qvkn",
    п."QTS_par", п."QTS_Gvkn", п."QTS_Qvkn", п."QTGVS_par", п."QTGVS_Gvkn", п."QTGVS_Qvkn",
    п."PAR"
FROM "Потребители" п
JOIN "ПериодРасчета" пр ON пр."Текущий" <> 0 AND пр."План" = 1
JOIN "РезультатыПотребитель_Дог" р ON р."NNрасчТепл" = (
    SELECT max(x."NNрасчТепл") FROM "РезультатыПотребитель_Дог" x
    WHERE x."Npotr" = п."Npotr" AND x."Период_н_табл" = пр."Период_н"
        AND x."Период_к_табл" = пр."Период_к")
WHERE п."PAR" > 0
ORDER BY п."Npotr"');

INSERT INTO procedures (name, body) VALUES ('pr_Isxod_Potr_Par_Plan', '
SELECT р."NNрасчТепл", р."NDOG", р."Главная", р."Nobkt", р."Npotr",
    р."Период_н_табл", р."Период_к_табл",
    SUSER_SNAME() AS "Users", NULL AS "Parole",
    р."Qот", р."Qвент12", р."Qвент26", р."Qгвс", р."Qгвс_пс", р."Qтех", р."Qтехгвс",
    р."Всего Гкал", р."Потери", р."Промывки Гкал", р."Otbor_Gk", р."Ут_потр_п", р."Птпотр_п_р",
    р."ДоляУтечекТсетях", р."Потери в тсетях", п."QHEAT26", п."QVENT26", п."Qgvs", п."QGV_Пс",
    п."QTS", п."Qtgvs", п."QHEAT26_par", п."QHEAT26_Gvkn", п."QHEAT26_Qvkn", п."QVENT12_par",
    п."QVENT12_Gvkn", п."QVENT12_Qvkn", п."QVENT26_par", п."QVENT26_Gvkn", п."QVENT26_Qvkn",
    п."QGVS_par", п."QGVS_Gvkn", п."QGVS_Qvkn", п."QGV_Пс_par", п."QGV_Пс_Gvkn", п."QGV_Пс_Qvkn",
    п."QTS_par", п."QTS_Gvkn", п."QTS_Qvkn", п."QTGVS_par", п."QTGVS_Gvkn", п."QTGVS_Qvkn",
    п."PAR"
FROM "Потребители" п
JOIN "ПериодРасчета" пр ON пр."Текущий" <> 0 AND пр."План" = 1
JOIN "РезультатыПотребитель_План" р ON р."NNрасчТепл" = (
    SELECT max(x."NNрасчТепл") FROM "РезультатыПотребитель_План" x
    WHERE x."Npotr" = п."Npotr" AND x."Период_н_табл" = пр."Период_н"
        AND x."Период_к_табл" = пр."Период_к")
WHERE п."PAR" > 0
ORDER BY п."Npotr"');

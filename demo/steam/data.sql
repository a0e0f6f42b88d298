-- Demonstration data of the steam calculation: the design steam and condensate columns of the
-- steam consumers.

-- 104: steam for heating and technology. From its January main row (heating 148.8 Gcal over
-- 0.2 Gcal/h, technology 99 Gcal over 0.5 Gcal/h) the ratios are 744 and 198 hours.
UPDATE "Потребители" SET
    "QHEAT26_par" = 0.35, "QHEAT26_Gvkn" = 0.2, "QHEAT26_Qvkn" = 0.012,
    "QVENT12_par" = 0, "QVENT12_Gvkn" = 0, "QVENT12_Qvkn" = 0,
    "QVENT26_par" = 0, "QVENT26_Gvkn" = 0, "QVENT26_Qvkn" = 0,
    "QGVS_par" = 0, "QGVS_Gvkn" = 0, "QGVS_Qvkn" = 0,
    "QGV_Пс_par" = 0, "QGV_Пс_Gvkn" = 0, "QGV_Пс_Qvkn" = 0,
    "QTS_par" = 0.9, "QTS_Gvkn" = 0.45, "QTS_Qvkn" = 0.025,
    "QTGVS_par" = 0, "QTGVS_Gvkn" = 0, "QTGVS_Qvkn" = 0
WHERE "Npotr" = 104;

-- 116: steam for heating and ventilation (its consumer row is in the consumption data, its
--      ventilation unit in the ventilation data). Both ventilation kinds return more condensate than the steam they take, so that
-- their condensate not returned is negative; a flushing and a withdrawal, so that its steam heat
-- is less than its total heat.
UPDATE "Потребители" SET "PAR" = 1,
    "QHEAT26_par" = 0.5, "QHEAT26_Gvkn" = 0.4, "QHEAT26_Qvkn" = 0.02,
    "QVENT12_par" = 0.3, "QVENT12_Gvkn" = 0.35, "QVENT12_Qvkn" = 0.015,
    "QVENT26_par" = 0.4, "QVENT26_Gvkn" = 0.45, "QVENT26_Qvkn" = 0.02,
    "QGVS_par" = 0, "QGVS_Gvkn" = 0, "QGVS_Qvkn" = 0,
    "QGV_Пс_par" = 0, "QGV_Пс_Gvkn" = 0, "QGV_Пс_Qvkn" = 0,
    "QTS_par" = 0, "QTS_Gvkn" = 0, "QTS_Qvkn" = 0,
    "QTGVS_par" = 0, "QTGVS_Gvkn" = 0, "QTGVS_Qvkn" = 0
WHERE "Npotr" = 116;
INSERT INTO "Промывки" ("NNпотр пром", "План", "Пром Гкал", "Пром т/час", "Otbor_Gk",
    "Otbor_Tn") VALUES (116, 0, 1.5, 0.2, 0.8, 10);

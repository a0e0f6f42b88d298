-- The generated steam consumers (every 50th, `PAR` 1) get design steam and condensate columns
-- for heating, ventilation and technology; the other kinds hold 0. Runs after the consumption
-- generator.

UPDATE "Потребители" SET
    "QHEAT26_par" = 0.3 + ("Npotr" % 7) / 10.0,
    "QHEAT26_Gvkn" = 0.2 + ("Npotr" % 5) / 10.0,
    "QHEAT26_Qvkn" = 0.01 + ("Npotr" % 3) / 100.0,
    "QVENT12_par" = CASE WHEN "QVENT26" > 0 THEN 0.2 ELSE 0 END,
    "QVENT12_Gvkn" = CASE WHEN "QVENT26" > 0 THEN 0.15 ELSE 0 END,
    "QVENT12_Qvkn" = CASE WHEN "QVENT26" > 0 THEN 0.008 ELSE 0 END,
    "QVENT26_par" = CASE WHEN "QVENT26" > 0 THEN 0.25 ELSE 0 END,
    "QVENT26_Gvkn" = CASE WHEN "QVENT26" > 0 THEN 0.2 ELSE 0 END,
    "QVENT26_Qvkn" = CASE WHEN "QVENT26" > 0 THEN 0.01 ELSE 0 END,
    "QGVS_par" = 0, "QGVS_Gvkn" = 0, "QGVS_Qvkn" = 0,
    "QGV_Пс_par" = 0, "QGV_Пс_Gvkn" = 0, "QGV_Пс_Qvkn" = 0,
    "QTS_par" = CASE WHEN "QTS" > 0 THEN 0.8 ELSE 0 END,
    "QTS_Gvkn" = CASE WHEN "QTS" > 0 THEN 0.5 ELSE 0 END,
    "QTS_Qvkn" = CASE WHEN "QTS" > 0 THEN 0.03 ELSE 0 END,
    "QTGVS_par" = 0, "QTGVS_Gvkn" = 0, "QTGVS_Qvkn" = 0
WHERE "Npotr" > 100000 AND "PAR" > 0;

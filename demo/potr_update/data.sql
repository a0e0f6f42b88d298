-- Demonstration data of the consumer load update, on new columns only, so that nothing the
-- consumption calculation reads changes:
-- 101: re-scaled heating in "Санкт-Петербург" (Тнро -24 against the period's -26, 20 °C inside);
-- 102 (closed hot-water system), 103, 105: supply temperatures in the 130, 110 and 95 bands;
-- 106: a given hot-water volume; 107: a given heating volume with no heating load;
-- 104: steam with all returns 0 %; 116: steam without a supply temperature, 100 % heating return;
-- 118: a steam switch of -1, a water consumer; 101, 105, 108, 114: ventilation sums.
UPDATE "Потребители" SET "QHEAT" = 0.2, "Qt_ПС" = 0, "Тнро" = -24 WHERE "Npotr" = 101;
UPDATE "Потребители" SET "Т подающ" = 144.5, "Т обрат" = 65 WHERE "Npotr" = 102;
UPDATE "Потребители" SET "Т подающ" = 129.5 WHERE "Npotr" = 103;
UPDATE "Потребители" SET "Т подающ" = 95 WHERE "Npotr" = 105;
UPDATE "Потребители" SET "Vгвс_п" = 1.5 WHERE "Npotr" = 106;
UPDATE "Потребители" SET "QHEAT" = 0, "Vот_п" = 4 WHERE "Npotr" = 107;
UPDATE "Потребители" SET "QHEAT26_p_vkn" = 0, "QVENT26_p_vkn" = 0, "QGVS_p_vkn" = 0,
    "QGV_Пс_p_vkn" = 0, "QTS_p_vkn" = 0, "QTGVS_p_vkn" = 0 WHERE "Npotr" = 104;
UPDATE "Потребители" SET "Т подающ" = NULL, "QHEAT26_p_vkn" = 100, "Ут_дол" = 1.5
    WHERE "Npotr" = 116;

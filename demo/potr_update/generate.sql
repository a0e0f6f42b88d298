-- Consumer load update inputs of the large data set, for the @consumers generated consumers
-- (numbers from 100001), on the update's own columns: supply temperatures across the four regime
-- bands, the heating load taken from QHEAT26, given volumes for every ninth, and for the steam
-- consumers (every fiftieth) returns of 0, 50 or 100 % and their own leak share. Values follow
-- from the number alone.

UPDATE "Потребители" SET
    "Т подающ" = CASE "Npotr" % 4 WHEN 0 THEN 150 WHEN 1 THEN 130 WHEN 2 THEN 110 ELSE 95 END,
    "Т обрат" = 60 + "Npotr" % 15,
    "QHEAT" = "QHEAT26", "Qt_ПС" = 0, "Тнро" = -24 - "Npotr" % 3,
    "Vот_п" = CASE WHEN "Npotr" % 9 = 0 THEN 2.5 ELSE 0 END,
    "Vгвс_п" = CASE WHEN "Npotr" % 9 = 0 THEN 0.5 ELSE 0 END
WHERE "Npotr" BETWEEN 100001 AND 100000 + @consumers;

UPDATE "Потребители" SET
    "QHEAT26_p_vkn" = ("Npotr" / 50 % 3) * 50, "QGVS_p_vkn" = ("Npotr" / 50 % 3) * 50,
    "QTS_p_vkn" = 50, "Ут_дол" = 1 + "Npotr" % 3
WHERE "Npotr" BETWEEN 100001 AND 100000 + @consumers AND "PAR" > 0;

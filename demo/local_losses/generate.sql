-- Contract local losses of every third generated consumer (numbers from 100001).

INSERT INTO "ПотериДоговор" ("Npotr", "Pot_mest", "Yt_mest", "Pot_ts", "Yt_ts", "Pot_ts_yt",
    "Pot_ts_ox")
SELECT "Npotr", 0.001 + ("Npotr" % 7) / 1000.0, 0.005 + ("Npotr" % 5) / 1000.0, 0.001, 0.0002,
    0.0001, 0.0002
FROM "Потребители"
WHERE "Npotr" > 100000 AND "Npotr" % 3 = 0;

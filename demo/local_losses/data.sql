-- Contract local losses of four demonstration consumers: 101 plain, 103 with a second ventilation
-- regime, 105 with a zero network loss share, 114 with leaks only.

UPDATE "Потребители" SET "QVENT12" = 0.02 WHERE "Npotr" = 103;

INSERT INTO "ПотериДоговор" ("Npotr", "Pot_mest", "Yt_mest", "Pot_ts", "Yt_ts", "Pot_ts_yt",
    "Pot_ts_ox") VALUES
    (101, 0.004, 0.02, 0.001, 0.0002, 0.0001, 0.0003),
    (103, 0.006, 0.03, 0.002, 0.0004, 0.0002, 0.0005),
    (105, 0.002, 0.01, 0, 0.0001, 0, 0.0001),
    (114, 0, 0.015, 0.001, 0.0002, 0.0001, 0.0002);

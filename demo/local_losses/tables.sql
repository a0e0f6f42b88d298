-- Contract local losses and network-loss shares per consumer, and the consumer columns of the
-- second ventilation regime that the local loss spreading reads and writes.

CREATE TABLE "ПотериДоговор" (
    "Npotr" INTEGER PRIMARY KEY,
    "Pot_mest" REAL,
    "Yt_mest" REAL,
    "Pot_ts" REAL,
    "Yt_ts" REAL,
    "Pot_ts_yt" REAL,
    "Pot_ts_ox" REAL
);

ALTER TABLE "Потребители" ADD COLUMN "QVENT12" REAL DEFAULT 0;
ALTER TABLE "Потребители" ADD COLUMN "Птвент12_п" REAL DEFAULT 0;
ALTER TABLE "Потребители" ADD COLUMN "Утвент12_п" REAL DEFAULT 0;

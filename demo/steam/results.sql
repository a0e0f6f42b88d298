-- Tables of the steam calculation: the steam and condensate result tables of the actual,
-- contract and plan variants, one row per steam consumer and run. The key is the table's own:
-- `NNрасчТепл` is a copy of the link to the consumer's main consumption row, and the rows of
-- repeated runs accumulate. Then the consumers' design steam and condensate columns.

CREATE TABLE "Res_Potreb_Par" (
    "id" INTEGER PRIMARY KEY,
    "NNрасчТепл" INTEGER,
    "NDOG" INTEGER,
    "Главная" INTEGER,
    "Nobkt" INTEGER,
    "Npotr" INTEGER,
    "Период_н_табл" DATETIME,
    "Период_к_табл" DATETIME,
    "Год_Прасч" INTEGER,
    "Месяц_Прасч" INTEGER,
    "Год" INTEGER,
    "Месяц" INTEGER,
    "Users" TEXT,
    "Parole" TEXT,
    "ДатаРед_SR" DATETIME,
    "QHEAT26_par_ит" REAL,
    "QVENT12_par_ит" REAL,
    "QVENT26_par_ит" REAL,
    "QGVS_par_ит" REAL,
    "QGV_Пс_par_ит" REAL,
    "QTS_par_ит" REAL,
    "QTGVS_par_ит" REAL,
    "SG_пар_ит" REAL,
    "QHEAT26_Gvkn_ит" REAL,
    "QVENT12_Gvkn_ит" REAL,
    "QVENT26_Gvkn_ит" REAL,
    "QGVS_Gvkn_ит" REAL,
    "QGV_Пс_Gvkn_ит" REAL,
    "QTS_Gvkn_ит" REAL,
    "QTGVS_Gvkn_ит" REAL,
    "S_Gvkn_Конд_ит" REAL,
    "QHEAT26_G_kond" REAL,
    "QVENT12_G_kond" REAL,
    "QVENT26_G_kond" REAL,
    "QGVS_G_kond" REAL,
    "QGV_Пс_G_kond" REAL,
    "QTS_G_kond" REAL,
    "QTGVS_G_kond" REAL,
    "SG_Конд_ит" REAL,
    "QHEAT26_Qvkn_ит" REAL,
    "QVENT12_Qvkn_ит" REAL,
    "QVENT26_Qvkn_ит" REAL,
    "QGVS_Qvkn_ит" REAL,
    "QGV_Пс_Qvkn_ит" REAL,
    "QTS_Qvkn_ит" REAL,
    "QTGVS_Qvkn_ит" REAL,
    "S_Qvkn_Конд_ит" REAL,
    "SQ_Пар_ит" REAL,
    "SQ_Пар_Итого" REAL,
    "SG_пар_Итого" REAL,
    "SG_Конд_Итого" REAL,
    "SQ_Пар_все_Итого" REAL,
    "SG_пар_все_Итого" REAL,
    "SG_Конд_все_Итого" REAL,
    "S_G_пот_местн_ит" REAL,
    "S_Q_пот_местн_ит" REAL,
    "S_G_пот_тсеть_ит" REAL,
    "S_Q_пот_тсеть_ит" REAL,
    "Par_ит" INTEGER
);
CREATE INDEX "Res_Potreb_Par_NNрасчТепл" ON "Res_Potreb_Par" ("NNрасчТепл");

CREATE TABLE "Res_Potreb_Par_Dog" (
    "id" INTEGER PRIMARY KEY,
    "NNрасчТепл" INTEGER,
    "NDOG" INTEGER,
    "Главная" INTEGER,
    "Nobkt" INTEGER,
    "Npotr" INTEGER,
    "Период_н_табл" DATETIME,
    "Период_к_табл" DATETIME,
    "Год_Прасч" INTEGER,
    "Месяц_Прасч" INTEGER,
    "Год" INTEGER,
    "Месяц" INTEGER,
    "Users" TEXT,
    "Parole" TEXT,
    "ДатаРед_SR" DATETIME,
    "QHEAT26_par_ит" REAL,
    "QVENT12_par_ит" REAL,
    "QVENT26_par_ит" REAL,
    "QGVS_par_ит" REAL,
    "QGV_Пс_par_ит" REAL,
    "QTS_par_ит" REAL,
    "QTGVS_par_ит" REAL,
    "SG_пар_ит" REAL,
    "QHEAT26_Gvkn_ит" REAL,
    "QVENT12_Gvkn_ит" REAL,
    "QVENT26_Gvkn_ит" REAL,
    "QGVS_Gvkn_ит" REAL,
    "QGV_Пс_Gvkn_ит" REAL,
    "QTS_Gvkn_ит" REAL,
    "QTGVS_Gvkn_ит" REAL,
    "S_Gvkn_Конд_ит" REAL,
    "QHEAT26_G_kond" REAL,
    "QVENT12_G_kond" REAL,
    "QVENT26_G_kond" REAL,
    "QGVS_G_kond" REAL,
    "QGV_Пс_G_kond" REAL,
    "QTS_G_kond" REAL,
    "QTGVS_G_kond" REAL,
    "SG_Конд_ит" REAL,
    "QHEAT26_Qvkn_ит" REAL,
    "QVENT12_Qvkn_ит" REAL,
    "QVENT26_Qvkn_ит" REAL,
    "QGVS_Qvkn_ит" REAL,
    "QGV_Пс_Qvkn_ит" REAL,
    "QTS_Qvkn_ит" REAL,
    "QTGVS_Qvkn_ит" REAL,
    "S_Qvkn_Конд_ит" REAL,
    "SQ_Пар_ит" REAL,
    "SQ_Пар_Итого" REAL,
    "SG_пар_Итого" REAL,
    "SG_Конд_Итого" REAL,
    "SQ_Пар_все_Итого" REAL,
    "SG_пар_все_Итого" REAL,
    "SG_Конд_все_Итого" REAL,
    "S_G_пот_местн_ит" REAL,
    "S_Q_пот_местн_ит" REAL,
    "S_G_пот_тсеть_ит" REAL,
    "S_Q_пот_тсеть_ит" REAL,
    "Par_ит" INTEGER
);
CREATE INDEX "Res_Potreb_Par_Dog_NNрасчТепл" ON "Res_Potreb_Par_Dog" ("NNрасчТепл");

CREATE TABLE "Res_Potreb_Par_Plan" (
    "id" INTEGER PRIMARY KEY,
    "NNрасчТепл" INTEGER,
    "NDOG" INTEGER,
    "Главная" INTEGER,
    "Nobkt" INTEGER,
    "Npotr" INTEGER,
    "Период_н_табл" DATETIME,
    "Период_к_табл" DATETIME,
    "Год_Прасч" INTEGER,
    "Месяц_Прасч" INTEGER,
    "Год" INTEGER,
    "Месяц" INTEGER,
    "Users" TEXT,
    "Parole" TEXT,
    "ДатаРед_SR" DATETIME,
    "QHEAT26_par_ит" REAL,
    "QVENT12_par_ит" REAL,
    "QVENT26_par_ит" REAL,
    "QGVS_par_ит" REAL,
    "QGV_Пс_par_ит" REAL,
    "QTS_par_ит" REAL,
    "QTGVS_par_ит" REAL,
    "SG_пар_ит" REAL,
    "QHEAT26_Gvkn_ит" REAL,
    "QVENT12_Gvkn_ит" REAL,
    "QVENT26_Gvkn_ит" REAL,
    "QGVS_Gvkn_ит" REAL,
    "QGV_Пс_Gvkn_ит" REAL,
    "QTS_Gvkn_ит" REAL,
    "QTGVS_Gvkn_ит" REAL,
    "S_Gvkn_Конд_ит" REAL,
    "QHEAT26_G_kond" REAL,
    "QVENT12_G_kond" REAL,
    "QVENT26_G_kond" REAL,
    "QGVS_G_kond" REAL,
    "QGV_Пс_G_kond" REAL,
    "QTS_G_kond" REAL,
    "QTGVS_G_kond" REAL,
    "SG_Конд_ит" REAL,
    "QHEAT26_Qvkn_ит" REAL,
    "QVENT12_Qvkn_ит" REAL,
    "QVENT26_Qvkn_ит" REAL,
    "QGVS_Qvkn_ит" REAL,
    "QGV_Пс_Qvkn_ит" REAL,
    "QTS_Qvkn_ит" REAL,
    "QTGVS_Qvkn_ит" REAL,
    "S_Qvkn_Конд_ит" REAL,
    "SQ_Пар_ит" REAL,
    "SQ_Пар_Итого" REAL,
    "SG_пар_Итого" REAL,
    "SG_Конд_Итого" REAL,
    "SQ_Пар_все_Итого" REAL,
    "SG_пар_все_Итого" REAL,
    "SG_Конд_все_Итого" REAL,
    "S_G_пот_местн_ит" REAL,
    "S_Q_пот_местн_ит" REAL,
    "S_G_пот_тсеть_ит" REAL,
    "S_Q_пот_тсеть_ит" REAL,
    "Par_ит" INTEGER
);
CREATE INDEX "Res_Potreb_Par_Plan_NNрасчТепл" ON "Res_Potreb_Par_Plan" ("NNрасчТепл");

-- Design steam flow (t/h), returned condensate (t/h) and its heat (Gcal/h) per load kind, which
-- the consumer load update computes for steam consumers.
ALTER TABLE "Потребители" ADD COLUMN "QHEAT26_par" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QHEAT26_Gvkn" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QHEAT26_Qvkn" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QVENT12_par" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QVENT12_Gvkn" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QVENT12_Qvkn" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QVENT26_par" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QVENT26_Gvkn" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QVENT26_Qvkn" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QGVS_par" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QGVS_Gvkn" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QGVS_Qvkn" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QGV_Пс_par" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QGV_Пс_Gvkn" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QGV_Пс_Qvkn" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QTS_par" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QTS_Gvkn" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QTS_Qvkn" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QTGVS_par" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QTGVS_Gvkn" REAL;
ALTER TABLE "Потребители" ADD COLUMN "QTGVS_Qvkn" REAL;

-- The steam procedures find each consumer's latest main row of a period.
CREATE INDEX IF NOT EXISTS "РезультатыПотребитель_Npotr" ON "РезультатыПотребитель" ("Npotr");
CREATE INDEX IF NOT EXISTS "РезультатыПотребитель_План_Npotr"
    ON "РезультатыПотребитель_План" ("Npotr");
CREATE INDEX IF NOT EXISTS "РезультатыПотребитель_Дог_Npotr"
    ON "РезультатыПотребитель_Дог" ("Npotr");

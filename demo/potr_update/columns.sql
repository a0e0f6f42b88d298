-- Columns of the consumers that the consumer load update reads (with defaults) and writes
-- (without: a run fills them).

-- design outdoor temperature of the given heating load, the heating load in two parts (Gcal/h)
ALTER TABLE "Потребители" ADD COLUMN "Тнро" REAL DEFAULT -26;
ALTER TABLE "Потребители" ADD COLUMN "QHEAT" REAL DEFAULT 0.2;
ALTER TABLE "Потребители" ADD COLUMN "Qt_ПС" REAL DEFAULT 0;
-- gauge pressures (kgf/cm²) and temperatures (°C) of hot water, supply and return
ALTER TABLE "Потребители" ADD COLUMN "P гв" REAL DEFAULT 3;
ALTER TABLE "Потребители" ADD COLUMN "P подающ" REAL DEFAULT 6;
ALTER TABLE "Потребители" ADD COLUMN "Т подающ" REAL DEFAULT 150;
ALTER TABLE "Потребители" ADD COLUMN "P обрат" REAL DEFAULT 3;
ALTER TABLE "Потребители" ADD COLUMN "Т обрат" REAL DEFAULT 70;
-- regime volumes, m³ per Gcal/h
ALTER TABLE "Потребители" ADD COLUMN "Режим 95" REAL DEFAULT 30;
ALTER TABLE "Потребители" ADD COLUMN "v_ot150" REAL DEFAULT 25;
ALTER TABLE "Потребители" ADD COLUMN "v_ot130" REAL DEFAULT 28;
ALTER TABLE "Потребители" ADD COLUMN "v_ot110" REAL DEFAULT 32;
ALTER TABLE "Потребители" ADD COLUMN "v_ot95" REAL DEFAULT 35;
-- steam: leak share (%), condensate temperatures (°C) and returns (%) per load kind
ALTER TABLE "Потребители" ADD COLUMN "Ут_дол" REAL DEFAULT 2;
ALTER TABLE "Потребители" ADD COLUMN "QHEAT26_t_vkn" REAL DEFAULT 80;
ALTER TABLE "Потребители" ADD COLUMN "QVENT26_t_vkn" REAL DEFAULT 80;
ALTER TABLE "Потребители" ADD COLUMN "QGVS_t_vkn" REAL DEFAULT 80;
ALTER TABLE "Потребители" ADD COLUMN "QGV_Пс_t_vkn" REAL DEFAULT 80;
ALTER TABLE "Потребители" ADD COLUMN "QTS_t_vkn" REAL DEFAULT 80;
ALTER TABLE "Потребители" ADD COLUMN "QTGVS_t_vkn" REAL DEFAULT 80;
ALTER TABLE "Потребители" ADD COLUMN "QHEAT26_p_vkn" REAL DEFAULT 50;
ALTER TABLE "Потребители" ADD COLUMN "QVENT26_p_vkn" REAL DEFAULT 50;
ALTER TABLE "Потребители" ADD COLUMN "QGVS_p_vkn" REAL DEFAULT 50;
ALTER TABLE "Потребители" ADD COLUMN "QGV_Пс_p_vkn" REAL DEFAULT 50;
ALTER TABLE "Потребители" ADD COLUMN "QTS_p_vkn" REAL DEFAULT 50;
ALTER TABLE "Потребители" ADD COLUMN "QTGVS_p_vkn" REAL DEFAULT 50;
-- system volumes given by the user, m³ (0: not given)
ALTER TABLE "Потребители" ADD COLUMN "Vот_п" REAL DEFAULT 0;
ALTER TABLE "Потребители" ADD COLUMN "Vгвс_п" REAL DEFAULT 0;
ALTER TABLE "Потребители" ADD COLUMN "Vгвс_Пс_п" REAL DEFAULT 0;
ALTER TABLE "Потребители" ADD COLUMN "VтехГВС_п" REAL DEFAULT 0;
ALTER TABLE "Потребители" ADD COLUMN "Vтех_п" REAL DEFAULT 0;
-- written by the update: design volumes (m³), ventilation values, shares, flows (t/h)
ALTER TABLE "Потребители" ADD COLUMN "Vот_р" REAL;
ALTER TABLE "Потребители" ADD COLUMN "Vвент26_р" REAL;
ALTER TABLE "Потребители" ADD COLUMN "Vгвс_р" REAL;
ALTER TABLE "Потребители" ADD COLUMN "Vгвс_Пс_р" REAL;
ALTER TABLE "Потребители" ADD COLUMN "VтехГВС_р" REAL;
ALTER TABLE "Потребители" ADD COLUMN "Vтех_р" REAL;
ALTER TABLE "Потребители" ADD COLUMN "Vпотр_р" REAL;
ALTER TABLE "Потребители" ADD COLUMN "Утвент26_п" REAL;
ALTER TABLE "Потребители" ADD COLUMN "Птвент26_п" REAL;
ALTER TABLE "Потребители" ADD COLUMN "G_vent" REAL;
ALTER TABLE "Потребители" ADD COLUMN "ДоляТПУтечекТсетях" REAL;
ALTER TABLE "Потребители" ADD COLUMN "ДоляТПотерьТсетях" REAL;
ALTER TABLE "Потребители" ADD COLUMN "G_ot" REAL;
ALTER TABLE "Потребители" ADD COLUMN "G_GV_Пс" REAL;
ALTER TABLE "Потребители" ADD COLUMN "G_tex" REAL;
ALTER TABLE "Потребители" ADD COLUMN "G_tex_gvs" REAL;
ALTER TABLE "Потребители" ADD COLUMN "G_GVS" REAL;
-- written for steam consumers: the totals the steam calculation reads
ALTER TABLE "Потребители" ADD COLUMN "SQ_Пар" REAL;
ALTER TABLE "Потребители" ADD COLUMN "S_Q_пот_местн" REAL;
ALTER TABLE "Потребители" ADD COLUMN "S_G_пот_местн" REAL;
ALTER TABLE "Потребители" ADD COLUMN "S_G_пот_тсеть" REAL;
ALTER TABLE "Потребители" ADD COLUMN "S_Q_пот_тсеть" REAL;
ALTER TABLE "Потребители" ADD COLUMN "SG_пар" REAL;
ALTER TABLE "Потребители" ADD COLUMN "S_Gvkn_Конд" REAL;
ALTER TABLE "Потребители" ADD COLUMN "S_Qvkn_Конд" REAL;
ALTER TABLE "Потребители" ADD COLUMN "SG_Конд" REAL;

-- The ventilation units' flow (t/h) and system volume (m³) that the unit update stores and the
-- consumer load update sums. (The unit update's own table file adds them with the units' other
-- design inputs; this file is dropped when both are in one tree.)
ALTER TABLE "ВентУстановки" ADD COLUMN "G_vent" REAL DEFAULT 0.8;
ALTER TABLE "ВентУстановки" ADD COLUMN "V_вент_р" REAL DEFAULT 2.5;

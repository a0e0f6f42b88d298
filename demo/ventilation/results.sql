-- Result rows of the monthly ventilation calculation, one per ventilation unit and run, for the
-- actual, plan and contract variants; the T12 columns are those of the calculation's revisions.
-- The consumption calculation reads them summed per consumer, the latest row of each unit in the
-- variant's current period (see procedures.sql).

CREATE TABLE "РезультатыВентиляция" (
    "NNрасчТеплВент" INTEGER PRIMARY KEY,
    "NDOG" INTEGER,
    "Главная" INTEGER,
    "Главная1" INTEGER,
    "Nobkt" INTEGER,
    "Npotr" INTEGER,
    "NNВентОснТабл" INTEGER,
    "K_Q_sn_ny" REAL,
    "Кбал_G" REAL,
    "K_G_sn_ny" REAL,
    "ДатаРед" DATETIME,
    "Период_н_табл" DATETIME,
    "Период_к_табл" DATETIME,
    "Тнач" REAL,
    "Ткон" REAL,
    "АвтоматВент" INTEGER,
    "Qвент12" REAL,
    "Qвент26" REAL,
    "Утвент12_п" REAL,
    "Утвент26_п" REAL,
    "Утечки_вент_м3" REAL,
    "ВрмРабЧас" REAL,
    "ВрмОтклЧас" REAL,
    "Qвподкл" REAL,
    "Qвподкл_корр" REAL,
    "ТПвподкл" REAL,
    "ТПвподкл_корр" REAL,
    "Потери" REAL,
    "Pot_vent" REAL,
    "Y_vent_sum" REAL,
    "Q_Y_vent_sum" REAL,
    "Всего Гкал" REAL,
    "Твент" REAL,
    "Твент_без_уз" REAL,
    "Примечание" TEXT,
    "План_Вент" SMALLINT,
    "Год_Прасч" REAL,
    "Месяц_Прасч" REAL,
    "Qвент12T12" REAL,
    "Qвент26T12" REAL,
    "ТПвподклT12" REAL,
    "ПотериT12" REAL,
    "Pot_vent12" REAL,
    "Всего ГкалT12" REAL
);
CREATE INDEX "РезультатыВентиляция_Unit" ON "РезультатыВентиляция" ("NNВентОснТабл", "Период_н_табл", "Период_к_табл");

CREATE TABLE "РезультатыВентиляция_План" (
    "NNрасчТеплВент" INTEGER PRIMARY KEY,
    "NDOG" INTEGER,
    "Главная" INTEGER,
    "Главная1" INTEGER,
    "Nobkt" INTEGER,
    "Npotr" INTEGER,
    "NNВентОснТабл" INTEGER,
    "K_Q_sn_ny" REAL,
    "Кбал_G" REAL,
    "K_G_sn_ny" REAL,
    "ДатаРед" DATETIME,
    "Период_н_табл" DATETIME,
    "Период_к_табл" DATETIME,
    "Тнач" REAL,
    "Ткон" REAL,
    "АвтоматВент" INTEGER,
    "Qвент12" REAL,
    "Qвент26" REAL,
    "Утвент12_п" REAL,
    "Утвент26_п" REAL,
    "Утечки_вент_м3" REAL,
    "ВрмРабЧас" REAL,
    "ВрмОтклЧас" REAL,
    "Qвподкл" REAL,
    "Qвподкл_корр" REAL,
    "ТПвподкл" REAL,
    "ТПвподкл_корр" REAL,
    "Потери" REAL,
    "Pot_vent" REAL,
    "Y_vent_sum" REAL,
    "Q_Y_vent_sum" REAL,
    "Всего Гкал" REAL,
    "Твент" REAL,
    "Твент_без_уз" REAL,
    "Примечание" TEXT,
    "План_Вент" SMALLINT,
    "Год_Прасч" REAL,
    "Месяц_Прасч" REAL,
    "Qвент12T12" REAL,
    "Qвент26T12" REAL,
    "ТПвподклT12" REAL,
    "ПотериT12" REAL,
    "Pot_vent12" REAL,
    "Всего ГкалT12" REAL
);
CREATE INDEX "РезультатыВентиляция_План_Unit" ON "РезультатыВентиляция_План" ("NNВентОснТабл", "Период_н_табл", "Период_к_табл");

CREATE TABLE "РезультатыВентиляция_Дог" (
    "NNрасчТеплВент" INTEGER PRIMARY KEY,
    "NDOG" INTEGER,
    "Главная" INTEGER,
    "Главная1" INTEGER,
    "Nobkt" INTEGER,
    "Npotr" INTEGER,
    "NNВентОснТабл" INTEGER,
    "K_Q_sn_ny" REAL,
    "Кбал_G" REAL,
    "K_G_sn_ny" REAL,
    "ДатаРед" DATETIME,
    "Период_н_табл" DATETIME,
    "Период_к_табл" DATETIME,
    "Тнач" REAL,
    "Ткон" REAL,
    "АвтоматВент" INTEGER,
    "Qвент12" REAL,
    "Qвент26" REAL,
    "Утвент12_п" REAL,
    "Утвент26_п" REAL,
    "Утечки_вент_м3" REAL,
    "ВрмРабЧас" REAL,
    "ВрмОтклЧас" REAL,
    "Qвподкл" REAL,
    "Qвподкл_корр" REAL,
    "ТПвподкл" REAL,
    "ТПвподкл_корр" REAL,
    "Потери" REAL,
    "Pot_vent" REAL,
    "Y_vent_sum" REAL,
    "Q_Y_vent_sum" REAL,
    "Всего Гкал" REAL,
    "Твент" REAL,
    "Твент_без_уз" REAL,
    "Примечание" TEXT,
    "План_Вент" SMALLINT,
    "Год_Прасч" REAL,
    "Месяц_Прасч" REAL,
    "Qвент12T12" REAL,
    "Qвент26T12" REAL,
    "ТПвподклT12" REAL,
    "ПотериT12" REAL,
    "Pot_vent12" REAL,
    "Всего ГкалT12" REAL
);
CREATE INDEX "РезультатыВентиляция_Дог_Unit" ON "РезультатыВентиляция_Дог" ("NNВентОснТабл", "Период_н_табл", "Период_к_табл");

-- The ventilation results of each variant summed per consumer as the consumption calculation
-- reads them: the latest row (highest key) of each unit in the variant's current period, so that
-- a repeated run replaces its earlier rows and other periods stay apart. `Вариант` is 'Факт', 'План'
-- or 'Дог'; the plan and contract rows belong to the plan period.
CREATE VIEW "ПоследниеРезультатыВентиляции" AS
SELECT п.* FROM (
    SELECT 'Факт' AS "Вариант", 0 AS "План", в.* FROM "РезультатыВентиляция" в
    WHERE в."NNрасчТеплВент" = (SELECT MAX(x."NNрасчТеплВент") FROM "РезультатыВентиляция" x
        WHERE x."NNВентОснТабл" = в."NNВентОснТабл" AND x."Период_н_табл" = в."Период_н_табл"
            AND x."Период_к_табл" = в."Период_к_табл")
    UNION ALL SELECT 'План' AS "Вариант", 1 AS "План", в.* FROM "РезультатыВентиляция_План" в
    WHERE в."NNрасчТеплВент" = (SELECT MAX(x."NNрасчТеплВент") FROM "РезультатыВентиляция_План" x
        WHERE x."NNВентОснТабл" = в."NNВентОснТабл" AND x."Период_н_табл" = в."Период_н_табл"
            AND x."Период_к_табл" = в."Период_к_табл")
    UNION ALL SELECT 'Дог' AS "Вариант", 1 AS "План", в.* FROM "РезультатыВентиляция_Дог" в
    WHERE в."NNрасчТеплВент" = (SELECT MAX(x."NNрасчТеплВент") FROM "РезультатыВентиляция_Дог" x
        WHERE x."NNВентОснТабл" = в."NNВентОснТабл" AND x."Период_н_табл" = в."Период_н_табл"
            AND x."Период_к_табл" = в."Период_к_табл")) п
JOIN "ПериодРасчета" р ON р."Текущий" <> 0 AND р."План" = п."План"
    AND п."Период_н_табл" = р."Период_н" AND п."Период_к_табл" = р."Период_к";

CREATE VIEW "СуммыВентиляции" AS
SELECT "Вариант", "Npotr",
    SUM("Qвент12") AS "Sum-Qвент12",
    SUM("Qвент26") AS "Sum-Qвент26",
    SUM("Потери") AS "Sum-Потери",
    SUM("ТПвподкл") AS "Sum-ТПвподкл",
    SUM("Qвподкл") AS "Sum-Qвподкл",
    SUM("ТПвподкл_корр") AS "Sum-ТПвподкл_корр",
    SUM("Qвподкл_корр") AS "Sum-Qвподкл_корр",
    MAX("Твент") AS "Твент",
    MAX("Твент") AS "Max_Tvent_tc",
    SUM("ВрмРабЧас") AS "Sum-ВрмРабЧас",
    SUM("ВрмОтклЧас") AS "Sum-ВрмОтклЧас",
    COUNT("NNрасчТеплВент") AS "Count-NNрасчТеплВент",
    SUM("Утвент26_п") AS "Sum-Утвент26_п",
    SUM("Утвент12_п") AS "Sum-Утвент12_п",
    -- rows without figures by the network temperatures count them as 0
    COALESCE(SUM("Qвент12T12"), 0) AS "Sum-Qвент12T12",
    COALESCE(SUM("Qвент26T12"), 0) AS "Sum-Qвент26T12",
    COALESCE(SUM("ПотериT12"), 0) AS "Sum-ПотериT12"
FROM "ПоследниеРезультатыВентиляции"
GROUP BY "Вариант", "Npotr";

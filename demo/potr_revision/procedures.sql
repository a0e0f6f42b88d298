-- Stored procedures of the consumer load update revision, as rows of the emulated procedure
-- table; none returns rows.
--   pr_Potreb_vrem         empties the work table and fills it with one row per consumer, its
--                          columns in the table's order
--   pr_Update_Potreb       copies the columns the update writes back into every consumer
--   pr_Update_Potreb_Par   copies the steam columns back into the consumers whose PAR is above 0

INSERT INTO procedures (name, body) VALUES ('pr_Potreb_vrem', '
DELETE FROM "Расчет_Потреб_Врем";
INSERT INTO "Расчет_Потреб_Врем"
SELECT
    "P гв", "Режим 95", "Т подающ", "Режим 150", "QHEAT", "Qt_ПС", "QHEAT26", "Vот_р",
    "Vвент26_р", "Vгвс_р", "Vгвс_Пс_р", "VтехГВС_р", "Vтех_р", "Тнро", "Твн TVNUT", "Npotr",
    "QVENT26", "Утвент26_п", "Птвент26_п", "G_vent", "Qgvs", "QGV_Пс", "Qtgvs", "QTS", "SQсрчас",
    "ДоляУтечекТсетях", "ДоляТПУтечекТсетях", "ДоляТПотерьТсетях", "ДоляПотерьТсетях", "PAR",
    "Ут_дол", "P подающ", "P обрат", "Т обрат", "Т_гв_потр", "QHEAT26_t_vkn", "QVENT26_t_vkn",
    "QGVS_t_vkn", "QGV_Пс_t_vkn", "QTS_t_vkn", "QTGVS_t_vkn", "Vот_п", "Vгвс_п", "Vгвс_Пс_п",
    "VтехГВС_п", "Vтех_п", "Vпотр_р", "Утот_п", "Утгвс_п", "Утгвс_Пс_п", "УттехГВС_п", "Уттех_п",
    "Утпотр_п", "Птот_п", "Птгвс_п", "Птгвс_Пс_п", "ПттехГВС_п", "Пттех_п", "Птпотр_п",
    "Подкл с потерями", "SQсрчас с пот", "QHEAT26_p_vkn", "G_ot", "QVENT26_p_vkn",
    "QGV_Пс_p_vkn", "G_GV_Пс", "Дубль_Тех", "G_tex", "Закр_Отк_Обк", "Дубль_ТехГВС", "G_tex_gvs",
    "Дубль_ГВС", "G_GVS", "QTGVS_p_vkn", "QGVS_p_vkn", "SQ_Пар", "S_Q_пот_местн",
    "S_G_пот_местн", "S_G_пот_тсеть", "S_Q_пот_тсеть", "SG_пар", "S_Gvkn_Конд", "S_Qvkn_Конд",
    "SG_Конд", "QHEAT26_par", "QVENT12_par", "QVENT26_par", "QGVS_par", "QGV_Пс_par", "QTS_par",
    "QTGVS_par", "QHEAT26_Gvkn", "QVENT12_Gvkn", "QVENT26_Gvkn", "QGVS_Gvkn", "QGV_Пс_Gvkn",
    "QTS_Gvkn", "QTGVS_Gvkn", "QHEAT26_Qvkn", "QVENT12_Qvkn", "QVENT26_Qvkn", "QGVS_Qvkn",
    "QGV_Пс_Qvkn", "QTS_Qvkn", "QTGVS_Qvkn", "QTS_p_vkn"
FROM "Потребители"');

INSERT INTO procedures (name, body) VALUES ('pr_Update_Potreb', '
UPDATE "Потребители" AS п SET
    "QHEAT26" = в."QHEAT26", "Vот_р" = в."Vот_р", "Vвент26_р" = в."Vвент26_р",
    "Vгвс_р" = в."Vгвс_р", "Vгвс_Пс_р" = в."Vгвс_Пс_р", "VтехГВС_р" = в."VтехГВС_р",
    "Vтех_р" = в."Vтех_р", "QVENT26" = в."QVENT26", "Утвент26_п" = в."Утвент26_п",
    "Птвент26_п" = в."Птвент26_п", "G_vent" = в."G_vent", "Qgvs" = в."Qgvs",
    "QGV_Пс" = в."QGV_Пс", "Qtgvs" = в."Qtgvs", "QTS" = в."QTS", "SQсрчас" = в."SQсрчас",
    "ДоляУтечекТсетях" = в."ДоляУтечекТсетях", "ДоляТПУтечекТсетях" = в."ДоляТПУтечекТсетях",
    "ДоляТПотерьТсетях" = в."ДоляТПотерьТсетях", "ДоляПотерьТсетях" = в."ДоляПотерьТсетях",
    "Vпотр_р" = в."Vпотр_р", "Утот_п" = в."Утот_п", "Утгвс_п" = в."Утгвс_п",
    "Утгвс_Пс_п" = в."Утгвс_Пс_п", "УттехГВС_п" = в."УттехГВС_п", "Уттех_п" = в."Уттех_п",
    "Утпотр_п" = в."Утпотр_п", "Птот_п" = в."Птот_п", "Птгвс_п" = в."Птгвс_п",
    "Птгвс_Пс_п" = в."Птгвс_Пс_п", "ПттехГВС_п" = в."ПттехГВС_п", "Пттех_п" = в."Пттех_п",
    "Птпотр_п" = в."Птпотр_п", "SQсрчас с пот" = в."SQсрчас с пот", "G_ot" = в."G_ot",
    "G_GV_Пс" = в."G_GV_Пс", "G_tex" = в."G_tex", "G_tex_gvs" = в."G_tex_gvs",
    "G_GVS" = в."G_GVS"
FROM "Расчет_Потреб_Врем" в WHERE в."Npotr" = п."Npotr"');

INSERT INTO procedures (name, body) VALUES ('pr_Update_Potreb_Par', '
UPDATE "Потребители" AS п SET
    "SQ_Пар" = в."SQ_Пар", "S_Q_пот_местн" = в."S_Q_пот_местн",
    "S_G_пот_местн" = в."S_G_пот_местн", "S_G_пот_тсеть" = в."S_G_пот_тсеть",
    "S_Q_пот_тсеть" = в."S_Q_пот_тсеть", "SG_пар" = в."SG_пар", "S_Gvkn_Конд" = в."S_Gvkn_Конд",
    "S_Qvkn_Конд" = в."S_Qvkn_Конд", "SG_Конд" = в."SG_Конд", "QHEAT26_par" = в."QHEAT26_par",
    "QVENT12_par" = в."QVENT12_par", "QVENT26_par" = в."QVENT26_par", "QGVS_par" = в."QGVS_par",
    "QGV_Пс_par" = в."QGV_Пс_par", "QTS_par" = в."QTS_par", "QTGVS_par" = в."QTGVS_par",
    "QHEAT26_Gvkn" = в."QHEAT26_Gvkn", "QVENT12_Gvkn" = в."QVENT12_Gvkn",
    "QVENT26_Gvkn" = в."QVENT26_Gvkn", "QGVS_Gvkn" = в."QGVS_Gvkn",
    "QGV_Пс_Gvkn" = в."QGV_Пс_Gvkn", "QTS_Gvkn" = в."QTS_Gvkn", "QTGVS_Gvkn" = в."QTGVS_Gvkn",
    "QHEAT26_Qvkn" = в."QHEAT26_Qvkn", "QVENT12_Qvkn" = в."QVENT12_Qvkn",
    "QVENT26_Qvkn" = в."QVENT26_Qvkn", "QGVS_Qvkn" = в."QGVS_Qvkn",
    "QGV_Пс_Qvkn" = в."QGV_Пс_Qvkn", "QTS_Qvkn" = в."QTS_Qvkn", "QTGVS_Qvkn" = в."QTGVS_Qvkn"
FROM "Расчет_Потреб_Врем" в WHERE в."Npotr" = п."Npotr" AND п."PAR" > 0');

-- Stored procedure of the local loss spreading, as a row of the emulated procedure table.
--   pr_Dog_Obnovl_Potr_Poteri_Out   the consumers with contract local losses or leaks, by Npotr,
--                                   with their contract figures; the spreading writes its
--                                   values back into the consumers by their key

INSERT INTO procedures (name, body) VALUES ('pr_Dog_Obnovl_Potr_Poteri_Out', '
SELECT п."Npotr", п."SQсрчас", п."QHEAT26", п."QVENT26", п."QVENT12", п."Qgvs", п."QGV_Пс",
    п."QTS", п."Qtgvs", п."Птот_п", п."Птвент26_п", п."Птвент12_п", п."Птгвс_п", п."Птгвс_Пс_п",
    п."Пттех_п", п."ПттехГВС_п", п."Птпотр_п", п."Утот_п", п."Утвент26_п", п."Утвент12_п",
    п."Утгвс_п", п."Утгвс_Пс_п", п."Уттех_п", п."УттехГВС_п", п."Утпотр_п",
    п."ДоляПотерьТсетях", п."ДоляУтечекТсетях", п."ДоляТПУтечекТсетях", п."ДоляТПотерьТсетях",
    д."Pot_mest", д."Yt_mest", д."Pot_ts", д."Yt_ts", д."Pot_ts_yt", д."Pot_ts_ox"
FROM "Потребители" п
JOIN "ПотериДоговор" д ON д."Npotr" = п."Npotr"
WHERE д."Pot_mest" IS NOT NULL OR д."Yt_mest" IS NOT NULL
ORDER BY п."Npotr"');

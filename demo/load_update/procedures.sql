-- Stored procedures of the load update, as rows of the emulated procedure table.
--   pr_vent_obn   the ventilation units with their design inputs, their consumer's steam switch
--                 and the cold-water temperature of the current actual period; the unit update
--                 writes its values back into the units by their key `NN_вент`

INSERT INTO procedures (name, body) VALUES ('pr_vent_obn', '
SELECT у."NN_вент", у."Npotr", р."Тхвот", у."P гв", у."Т подающ", у."Кон_В", у."Нач_В",
    у."Час_дн", п."PAR", у."Ут_дол", у."P подающ", у."P обрат", у."Т обрат", у."QVENT26_t_vkn",
    у."QVENT26_p_vkn", у."Qв_расч", у."G_vent", у."V_вент_п", у."V_вент_р", у."Ут_Вент",
    у."Тпот_вент"
FROM "ВентУстановки" у
LEFT JOIN "Потребители" п ON п."Npotr" = у."Npotr"
LEFT JOIN "ПериодРасчета" р ON р."Текущий" <> 0 AND р."План" = 0
ORDER BY у."NN_вент"');

-- The demonstration list: a key with blanks around it, two keys, a list without its first key
-- (no index), a gap among the keys, a table shared by three workstations, and two rows that are
-- not linked (kept in cash, reserved).
INSERT INTO "001_Таблицы_АРМов"
    ("id", "АРМ", "Нал", "Резерв1", "Имя_Табл_mdb", "Имя_Табл", "Индекс1", "Индекс2", "Индекс3", "Индекс4")
VALUES
    (1, 'Dog', 0, '0', 'Потребители', 'Потребители', 'Npotr', NULL, NULL, NULL),
    (2, 'Dog', 0, '0', 'Тарифы', 'Тарифы', ' NTAX ', NULL, NULL, NULL),
    (3, 'Dog', 0, '0', 'Периоды расчета', 'ПериодРасчета', 'id', 'План', NULL, NULL),
    (4, 'Dog', 0, '0', 'Периоды без ключа', 'ПериодРасчета', NULL, 'id', NULL, NULL),
    (5, 'Dg_Rs', 0, '0', 'ОтключенияПотр', 'ОтключенияПотр', 'id', NULL, 'Npotr', NULL),
    (6, 'Dg_Rs', 0, '0', 'ДлитОтключенияПотр', 'ДлитОтключенияПотр', 'id', 'Npotr', 'ПотопНач', 'ПотопКон'),
    (7, 'Ras', 0, '0', 'РезультатыПотребитель', 'РезультатыПотребитель', 'NNрасчТепл', NULL, NULL, NULL),
    (8, 'Ras', 0, '0', 'Промывки', 'Промывки', NULL, NULL, NULL, NULL),
    (9, 'Fin', 0, '0', 'Потребитель_K_G_gvs', 'Потребитель_K_G_gvs', 'Npotr', NULL, NULL, NULL),
    (10, 'Dog, Ras, Fin', 0, '0', 'Журнал', 'FSB', 'id', NULL, NULL, NULL),
    (11, 'Fin', 1, '0', 'Тарифы_архив', 'Тарифы', 'NTAX', NULL, NULL, NULL),
    (12, 'Ras', 0, '1', 'Промывки_резерв', 'Промывки', 'id', NULL, NULL, NULL);

-- The list of the server tables each workstation file links: the workstations whose codes "АРМ"
-- holds, the link's name in the file and its source table, its key columns (Null when fewer),
-- and the server and database that the installer stamps into every row. Only rows with "Нал" 0
-- and "Резерв1" '0' are linked.
CREATE TABLE "001_Таблицы_АРМов" (
    "id" INTEGER PRIMARY KEY,
    "АРМ" NVARCHAR(50),
    "Нал" INTEGER NOT NULL DEFAULT 0,
    "Резерв1" NVARCHAR(10) NOT NULL DEFAULT '0',
    "Имя_Табл_mdb" NVARCHAR(255),
    "Имя_Табл" NVARCHAR(255),
    "Индекс1" NVARCHAR(255),
    "Индекс2" NVARCHAR(255),
    "Индекс3" NVARCHAR(255),
    "Индекс4" NVARCHAR(255),
    "SQLServer" NVARCHAR(255),
    "SQLDatabase" NVARCHAR(255)
);

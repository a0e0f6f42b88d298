-- The run journal: one row per message of a calculation or a front-end.
CREATE TABLE "FSB" (
    "id" INTEGER PRIMARY KEY,
    "Имя_Проц_Форм" NVARCHAR(255),
    "Арм" NVARCHAR(50),
    "Users" NVARCHAR(50),
    "Parole" NVARCHAR(50),
    "Дата" DATETIME DEFAULT (GETDATE())
);
